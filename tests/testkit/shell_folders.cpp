#include "testkit/shell_folders.h"

namespace testkit {

namespace {
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}

ShellFolderOverride::ShellFolderOverride(HKEY root, const char* name, const std::string& folder)
    : name_(name) {
    RegCreateKeyExA(root, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    char old[MAX_PATH];
    DWORD size = sizeof old;
    had_ = RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
           ERROR_SUCCESS;
    if (had_) old_.assign(old, size);
    RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
}

ShellFolderOverride::~ShellFolderOverride() {
    if (had_)
        RegSetValueExA(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.data()),
                       static_cast<DWORD>(old_.size()));
    else
        RegDeleteValueA(key_, name_);
    RegCloseKey(key_);
}

void RemoveShellFolder(HKEY root, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(root, kShellFolders, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

} // namespace testkit
