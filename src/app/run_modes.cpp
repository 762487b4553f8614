#include "app/run_modes.h"

#include "installer/folders.h"
#include "installer/install_dialog.h"
#include "installer/payload.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <stdlib.h>

namespace {

const char kSetupTitle[] = "Installing Quillmark v 1.01";

// Records the program folder that the installer and uninstaller work on.
void PrepareProgramFolder(InstallDialog& dialog) {
    GetInstallProgramFilesPath(dialog.programFolder);
    SetSettingString("Folders", "ProgramFiles", dialog.programFolder);
    SetSettingString("Folders", "DataFiles", dialog.programFolder);
}

} // namespace

bool RunSetupRoad(uint32_t magic, HWND runningCopy) {
    if (magic != INSTALL_MAGIC && magic != UNINSTALL_MAGIC) return false;
    // A running copy saves its open note and ends; there is no answer to wait for, only time.
    if (runningCopy != nullptr) {
        PostMessageA(runningCopy, WM_COMMAND, IDM_EXIT, 0);
        Sleep(magic == INSTALL_MAGIC ? 2000 : 1500);
    }
    if (magic == UNINSTALL_MAGIC) {
        UninstallDialog dialog(kSetupTitle, __argc);
        PrepareProgramFolder(dialog);
        dialog.Run(nullptr);
    } else {
        InstallDialog dialog(kSetupTitle);
        PrepareProgramFolder(dialog);
        dialog.Run(nullptr);
    }
    return true;
}
