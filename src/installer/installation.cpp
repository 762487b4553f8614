#include "installer/installation.h"

#include "dialogs/modal_loop.h"
#include "installer/folders.h"
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "platform/lfile.h"
#include "platform/process_start.h"
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

bool FinalizeInstallation(const char* programFolder, char* failedFile) {
    char program[LFile::kPathSize], uninstaller[LFile::kPathSize], help[LFile::kPathSize];
    ProgramFile(programFolder, "qmark.exe", program);
    ProgramFile(programFolder, "uninst.exe", uninstaller);
    ProgramFile(programFolder, "qmark.hlp", help);

    // The files first: an uninstaller or a mark that could not be written is reported before any
    // shortcut or entry points at it.
    const char* failed = nullptr;
    if (!CopyFileA(program, uninstaller, FALSE) || !AppendMagicToFile(uninstaller, UNINSTALL_MAGIC))
        failed = uninstaller;
    else if (!AppendMagicToFile(program, 0))
        failed = program;
    if (failed != nullptr) {
        lstrcpynA(failedFile, failed, LFile::kPathSize);
        return false;
    }

    AddStartMenuShortcut(program, "Quillmark");
    char desktopLink[LFile::kPathSize];
    GetDesktopShortcutPath(desktopLink);
    CreateShortcut(desktopLink, program);
    CreateUninstallEntry(uninstaller);
    AddStartMenuShortcut(help, "Quillmark Help");
    StartProgram(program, nullptr, SW_SHOWNORMAL);
    return true;
}

UninstallTurn::UninstallTurn(unsigned long waitMs)
    : mutex_(CreateMutexA(nullptr, FALSE, "Velmora.Quillmark.Uninstall")) {
    if (!mutex_.valid()) {
        held_ = true; // without the mutex the uninstaller works as it always did
        return;
    }
    // Messages are handled while waiting: the uninstaller that started this one holds its turn
    // until this one takes input (StartProgram waits for that).
    held_ = WaitPumping(mutex_.get(), waitMs, [] { return false; });
}

UninstallTurn::~UninstallTurn() {
    if (mutex_.valid() && held_) ReleaseMutex(mutex_.get());
}

bool TemporaryUninstallerPath(char* out) {
    char temp[LFile::kPathSize];
    DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp) return false;
    lstrcpynA(out, temp, LFile::kPathSize);
    LFile::FilePathCat(out, "uninst.exe");
    return true;
}

bool StartUninstallerCopy(const char* ownPath) {
    char copy[LFile::kPathSize];
    if (!TemporaryUninstallerPath(copy) || !CopyFileA(ownPath, copy, FALSE)) return false;
    if (StartProgram(copy, "/uninstall", SW_SHOWNORMAL)) return true;
    DeleteFileA(copy);
    return false;
}

void RemoveTemporaryUninstaller(const char* ownPath) {
    char copy[LFile::kPathSize];
    if (!TemporaryUninstallerPath(copy) || lstrcmpiA(copy, ownPath) != 0) return;
    if (GetFileAttributesA(copy) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(copy))
        MoveFileExA(copy, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

void RemoveInstallation(const char* programFolder) {
    char desktopLink[LFile::kPathSize];
    GetDesktopShortcutPath(desktopLink);
    DeleteFileA(desktopLink);
    RemoveUninstallEntry();
    RemoveStartMenuShortcut("Quillmark");
    RemoveStartMenuShortcut("Quillmark Help");
    RemoveStartMenuGroupFolder();

    for (const char* book : kDefaultBooks)
        DeleteDataFolder(book, programFolder);
    DeleteDataFolder(setting::kDataFolder.name, programFolder);
    DeleteDataFolder(setting::kProgramFolder.name, programFolder);

    char vendor[LFile::kPathSize] = "";
    if (GetProgramFilesDir(vendor, 243)) {
        LFile::FilePathCat(vendor, "Velmora");
        RemoveDirectoryA(vendor);
    }
    WriteSetting(setting::kBookCount, 0);
}

