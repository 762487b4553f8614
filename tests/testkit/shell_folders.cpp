#include "testkit/shell_folders.h"

namespace testkit {

namespace {
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}

ShellFolderOverride::ShellFolderOverride(HKEY root, const char* name, const std::string& folder)
    : name_(name) {
    key_.Create(root, kShellFolders, KEY_ALL_ACCESS);
    char old[MAX_PATH];
    DWORD size = sizeof old;
    had_ = RegQueryValueExA(key_.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                            &size) == ERROR_SUCCESS;
    if (had_) old_.assign(old, size);
    RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
}

ShellFolderOverride::~ShellFolderOverride() {
    if (had_)
        RegSetValueExA(key_.get(), name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.data()),
                       static_cast<DWORD>(old_.size()));
    else
        RegDeleteValueA(key_.get(), name_);
}

void RemoveShellFolder(HKEY root, const char* name) {
    CKey key;
    if (key.Open(root, kShellFolders, KEY_SET_VALUE) == ERROR_SUCCESS)
        RegDeleteValueA(key.get(), name);
}

} // namespace testkit
