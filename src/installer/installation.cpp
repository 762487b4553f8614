#include "installer/installation.h"

#include "installer/folders.h"
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstdio>

namespace {

const char* const kDefaultBooks[] = {"PhoneBook", "Diary", "Useful Web Links", "Other Notes"};

void ProgramFile(const char* programFolder, const char* name, char* out) {
    std::snprintf(out, LFile::kPathSize, "%s\\%s", programFolder, name);
}

} // namespace

void CreateDefaultBookFolders(const char* programFolder) {
    for (const char* book : kDefaultBooks)
        CreateDataFolder(programFolder, book);
}

void FinalizeInstallation(const char* programFolder) {
    char program[LFile::kPathSize], uninstaller[LFile::kPathSize], help[LFile::kPathSize];
    ProgramFile(programFolder, "qmark.exe", program);
    ProgramFile(programFolder, "uninst.exe", uninstaller);
    ProgramFile(programFolder, "qmark.hlp", help);

    AddStartMenuShortcut(program, "Quillmark");
    char desktopLink[LFile::kPathSize];
    GetDesktopShortcutPath(desktopLink);
    CreateShortcut(desktopLink, program);

    CopyFileA(program, uninstaller, FALSE);
    CreateUninstallEntry(uninstaller);
    AppendMagicToFile(program, 0);
    AppendMagicToFile(uninstaller, UNINSTALL_MAGIC);

    AddStartMenuShortcut(help, "Quillmark Help");
    WinExec(program, SW_SHOWNORMAL);
}

UninstallTurn::UninstallTurn(unsigned long waitMs)
    : mutex_(CreateMutexA(nullptr, FALSE, "Velmora.Quillmark.Uninstall")) {
    if (mutex_ == nullptr) {
        held_ = true; // without the mutex the uninstaller works as it always did
        return;
    }
    const DWORD start = GetTickCount();
    for (;;) {
        // Messages are handled while waiting: the uninstaller that started this one holds its
        // turn until this one takes input (WinExec waits for that).
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD elapsed = GetTickCount() - start;
        const DWORD result = MsgWaitForMultipleObjects(
            1, &mutex_, FALSE, elapsed < waitMs ? waitMs - elapsed : 0, QS_ALLINPUT);
        // An uninstaller that ended without giving up its turn leaves it abandoned, not taken.
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0) {
            held_ = true;
            return;
        }
        if (result != WAIT_OBJECT_0 + 1) return; // out of time
    }
}

UninstallTurn::~UninstallTurn() {
    if (mutex_ == nullptr) return;
    if (held_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

bool StartUninstallerCopy(const char* ownPath) {
    char temp[LFile::kPathSize];
    DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp) return false;
    char copy[LFile::kPathSize];
    lstrcpynA(copy, temp, sizeof copy);
    LFile::FilePathCat(copy, "uninst.exe");
    if (!CopyFileA(ownPath, copy, FALSE)) return false;
    char commandLine[LFile::kPathSize + 16];
    std::snprintf(commandLine, sizeof commandLine, "%s /uninstall", copy);
    WinExec(commandLine, SW_SHOWNORMAL);
    return true;
}

void RemoveInstallation() {
    char desktopLink[LFile::kPathSize];
    GetDesktopShortcutPath(desktopLink);
    DeleteFileA(desktopLink);
    RemoveUninstallEntry();
    RemoveStartMenuShortcut("Quillmark");
    RemoveStartMenuShortcut("Quillmark Help");
    RemoveStartMenuGroupFolder();

    for (const char* book : kDefaultBooks)
        DeleteDataFolder(book);
    DeleteDataFolder("DataFiles");
    DeleteDataFolder("ProgramFiles");

    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        char vendor[LFile::kPathSize] = "";
        DWORD size = 243;
        if (RegQueryValueExA(key, "ProgramFilesDir", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(vendor), &size) == ERROR_SUCCESS) {
            vendor[size < 243 ? size : 243] = '\0';
            LFile::FilePathCat(vendor, "Velmora");
            RemoveDirectoryA(vendor);
        }
        RegCloseKey(key);
    }
    SetSettingInt("Books", "Count", 0);
}
