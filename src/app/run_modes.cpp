#include "app/run_modes.h"

#include "dialogs/modal_loop.h"
#include "installer/folders.h"
#include "installer/install_dialog.h"
#include "installer/payload.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <stdlib.h>

namespace {

const char kSetupTitle[] = "Installing Quillmark v 1.01";

// Records the program folder that the installer and uninstaller work on.
void PrepareProgramFolder(InstallDialog& dialog) {
    GetInstallProgramFilesPath(dialog.programFolder);
    WriteSetting(setting::kProgramFolder, dialog.programFolder);
    WriteSetting(setting::kDataFolder, dialog.programFolder);
}

// Waits up to timeoutMs for the running copy's window to go and, when it belongs to another
// process, for that process to end, so that its files can be replaced or removed.
bool RunningCopyEnds(HWND window, DWORD timeoutMs) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    CHandle process(processId != GetCurrentProcessId() ? OpenProcess(SYNCHRONIZE, FALSE, processId)
                                                       : nullptr);
    return WaitPumping(process.get(), timeoutMs, [&] {
        return !IsWindow(window) &&
               (!process.valid() || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0);
    });
}

void ShowStillRunningMessage() {
    ShowMessage(nullptr,
                "Quillmark is still running and did not close.\n\nClose Quillmark and try "
                "again; nothing was changed.",
                "Install Error", MB_OK | MB_ICONWARNING);
}

} // namespace

bool RunSetupRoad(uint32_t magic, HWND runningCopy, unsigned long waitMs) {
    if (magic != INSTALL_MAGIC && magic != UNINSTALL_MAGIC) return false;
    // A running copy saves its open note and ends; its files cannot be replaced while it runs.
    if (runningCopy != nullptr) {
        PostMessageA(runningCopy, WM_COMMAND, IDM_EXIT, 0);
        if (!RunningCopyEnds(runningCopy, waitMs)) {
            ShowStillRunningMessage();
            return true;
        }
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
