#include "installer/shell_items.h"

#include "installer/payload.h"
#include "platform/command_line.h"
#include "platform/handles.h"
#include "platform/lfile.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>

namespace {

const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kUninstallKey[] = "Uninstall\\Quillmark";

// Reads a shell-folder value into out (260 bytes); out is unchanged when there is none.
void ReadShellFolder(HKEY root, const char* name, char* out) {
    CKey key;
    if (key.Open(root, kShellFolders, KEY_QUERY_VALUE) != ERROR_SUCCESS) return;
    char value[LFile::kPathSize];
    if (key.QueryText(name, value, sizeof value - 1)) lstrcpynA(out, value, LFile::kPathSize);
}

void StartMenuShortcutPath(const char* group, const char* name, char* out) {
    std::snprintf(out, LFile::kPathSize, "%s\\%s.lnk", group, name);
}

} // namespace

bool GetStartMenuGroupFolder(char* out) {
    out[0] = '\0';
    ReadShellFolder(HKEY_CURRENT_USER, "Programs", out);
    ReadShellFolder(HKEY_LOCAL_MACHINE, "Common Programs", out);
    if (out[0] == '\0') return false;
    CreateDirectoryA(out, nullptr);
    LFile::FilePathCat(out, "Quillmark");
    return true;
}

void AddStartMenuShortcut(const char* target, const char* name) {
    char group[LFile::kPathSize];
    if (!GetStartMenuGroupFolder(group)) return;
    CreateDirectoryA(group, nullptr);
    char link[LFile::kPathSize];
    StartMenuShortcutPath(group, name, link);
    CreateShortcut(link, target);
}

void RemoveStartMenuShortcut(const char* name) {
    char group[LFile::kPathSize];
    if (!GetStartMenuGroupFolder(group)) return;
    char link[LFile::kPathSize];
    StartMenuShortcutPath(group, name, link);
    DeleteFileA(link);
}

void RemoveStartMenuGroupFolder() {
    char group[LFile::kPathSize];
    if (GetStartMenuGroupFolder(group)) RemoveDirectoryA(group);
}

void GetDesktopShortcutPath(char* out) {
    char folder[LFile::kPathSize] = "c:\\Windows\\Desktop";
    ReadShellFolder(HKEY_CURRENT_USER, "Desktop", folder);
    ReadShellFolder(HKEY_LOCAL_MACHINE, "Common Desktop", folder);
    std::snprintf(out, LFile::kPathSize, "%s\\Quillmark.lnk", folder);
}

void CreateShortcut(const char* linkPath, const char* target) {
    ScopedCom com;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(target);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR widePath[MAX_PATH];
            if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH) > 0)
                file->Save(widePath, TRUE);
            file->Release();
        }
        link->Release();
    }
}

bool AppendMagicToFile(const char* path, uint32_t value) {
    CHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    if (!file.valid()) return false;
    unsigned char bytes[4];
    WriteLittleEndian32(value, bytes);
    DWORD written = 0;
    return SetFilePointer(file.get(), 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
           WriteFile(file.get(), bytes, sizeof bytes, &written, nullptr) &&
           written == sizeof bytes;
}

uint32_t ReadFileMagic(const char* path) {
    CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return 0;
    unsigned char bytes[4] = {};
    DWORD read = 0;
    bool ok = SetFilePointer(file.get(), -4, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
              ReadFile(file.get(), bytes, sizeof bytes, &read, nullptr) && read == sizeof bytes;
    return ok ? ReadLittleEndian32(bytes) : 0;
}

void CreateUninstallEntry(const char* uninstaller) {
    // The command is quoted: unquoted, a path with spaces lets Windows try "C:\Program.exe".
    char command[LFile::kPathSize + 2];
    if (!QuotedCommandLine(uninstaller, nullptr, command, sizeof command)) return;
    CKey currentVersion;
    if (currentVersion.Open(HKEY_LOCAL_MACHINE, kCurrentVersion, KEY_CREATE_SUB_KEY) !=
        ERROR_SUCCESS)
        return;
    CKey entry;
    DWORD disposition = 0;
    if (entry.Create(currentVersion.get(), kUninstallKey, KEY_SET_VALUE, &disposition) !=
            ERROR_SUCCESS ||
        disposition != REG_CREATED_NEW_KEY)
        return;
    const char name[] = "Quillmark Uninstall";
    RegSetValueExA(entry.get(), "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                   sizeof name);
    RegSetValueExA(entry.get(), "UninstallString", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(command),
                   static_cast<DWORD>(lstrlenA(command) + 1));
}

void RemoveUninstallEntry() {
    CKey currentVersion;
    if (currentVersion.Open(HKEY_LOCAL_MACHINE, kCurrentVersion, KEY_ENUMERATE_SUB_KEYS |
                                                                     KEY_QUERY_VALUE | DELETE) !=
        ERROR_SUCCESS)
        return;
    RegDeleteKeyA(currentVersion.get(), kUninstallKey);
}
