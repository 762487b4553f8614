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

int RunProgram() {
    MainDialog mainDialog(__argc, __argv);
    InitCommonControls();
    LoadLibraryA("RICHED20.DLL");
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
    return RunProgram();
}
