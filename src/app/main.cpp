// Quillmark's entry point: one executable that is the notes program, its installer and its
// uninstaller. The run-mode mark at the end of the file, the file's name and a running copy
// decide which road this start takes.
#include "app/run_modes.h"
#include "app/setup_name.h"
#include "dialogs/program_instance.h"
#include "installer/install_dialog.h"
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "mainwindow/main_dialog.h"
#include "platform/command_line.h"
#include "platform/lfile.h"
#include "resources/maker.h"
#include "resources/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

namespace {

// Relative paths (the help file among them) resolve against the program's own folder.
void EnterProgramFolder(const char* programPath) {
    char folder[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, programPath);
    SetCurrentDirectoryA(folder);
}

// Another start of the program hands over to the copy already running: its window comes back
// from the tray or the task bar and to the front.
void RaiseRunningCopy(HWND window) {
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

// The rich edit library from the system folder only: by bare name it would be looked for in the
// program folder first, where a planted copy would run with the rights of whoever starts us.
bool LoadRichEditLibrary() {
    char path[LFile::kPathSize];
    UINT length = GetSystemDirectoryA(path, sizeof path);
    if (length == 0 || length >= sizeof path) return false;
    LFile::FilePathCat(path, "riched20.dll");
    return LoadLibraryA(path) != nullptr;
}

int RunProgram(const char* programPath) {
    // "/logon" is looked for after the program's path, quoted or not: an earlier version wrote
    // the logon command unquoted, and the path's spaces then split it into several arguments.
    const char* arguments[] = {programPath, "/logon"};
    MainDialog mainDialog(IsLogonStart(GetCommandLineA(), programPath) ? 2 : 1, arguments);
    InitCommonControls();
    if (!LoadRichEditLibrary()) {
        ShowMessage(nullptr,
                    "The rich edit library (riched20.dll) could not be loaded from the "
                    "system folder, so Quillmark cannot show notes.",
                    PRODUCT_NAME, MB_OK | MB_ICONSTOP);
        return 1;
    }
    mainDialog.Open(nullptr, MAKEINTRESOURCEA(IDD_MAIN));
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetProgramInstance(instance);
    char programPath[LFile::kPathSize] = "";
    GetModuleFileNameA(nullptr, programPath, sizeof programPath);
    EnterProgramFolder(programPath);
    const uint32_t magic = ReadFileMagic(programPath);
    if (IsSetupFileName(programPath) && magic != INSTALL_MAGIC) {
        ShowCorruptInstallMessage(nullptr);
        return 0;
    }
    HWND runningCopy = FindWindowA(WC_DIALOG, PRODUCT_NAME);
    if (RunSetupRoad(magic, runningCopy)) return 0;
    if (runningCopy != nullptr) {
        RaiseRunningCopy(runningCopy);
        return 0;
    }
    return RunProgram(programPath);
}
