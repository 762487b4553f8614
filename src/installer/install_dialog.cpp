#include "installer/install_dialog.h"

#include "installer/extract.h"
#include "installer/installation.h"
#include "installer/payload.h"
#include "resources/resource.h"

#include <cstdio>

namespace {

// How long the uninstaller's temporary copy waits for the uninstaller that started it to end.
const unsigned long kHandOverWaitMs = 10000;

// The installer window as the extraction's progress display.
class WindowProgress : public ExtractProgress {
  public:
    explicit WindowProgress(LProgressDialog& window) : window_(window) {}
    void ShowFileName(const char* name) override { window_.SetText(name, 1); }
    void ShowProgress(double fraction) override { window_.SetProgress(fraction); }
    bool Cancelled() override { return window_.PumpMessages(); }

  private:
    LProgressDialog& window_;
};

} // namespace

void ShowCorruptInstallMessage(HWND owner) {
    ShowMessage(owner,
                "Installation file corrupt.\n\nA checksum error was detected in your install "
                "file, please redownload file and install again.",
                "Install Error", MB_OK | MB_ICONWARNING);
}

void ShowUnwritableFileMessage(HWND owner, const char* path) {
    char text[LFile::kPathSize + 200];
    std::snprintf(text, sizeof text,
                  "The file %s could not be written.\n\nThe installation was stopped; the files "
                  "already installed were left as they were. Make sure there is room on the "
                  "disk and the file is not read-only or in use, then install again.",
                  path);
    ShowMessage(owner, text, "Install Error", MB_OK | MB_ICONWARNING);
}

bool LicenceTermsDialog::CmOk() {
    return IsDlgButtonChecked(hwnd(), IDC_LICENCE_AGREE) == BST_CHECKED;
}

void LicenceTermsDialog::UpdateControls() {
    EnableControl(IDOK, IsDlgButtonChecked(hwnd(), IDC_LICENCE_AGREE) == BST_CHECKED);
}

InstallDialog::InstallDialog(const char* title) : LProgressDialog(title) {
    DWORD length = GetModuleFileNameA(nullptr, ownPath, sizeof ownPath);
    if (length == 0 || length >= sizeof ownPath) ownPath[0] = '\0';
}

int InstallDialog::MainFunction() {
    SetText("Installing Quillmark", 0);
    SetText("Software Licence Terms", 1);
    LicenceTermsDialog terms;
    if (!terms.Open(hwnd(), "LicenceTermsDlg")) return false;
    CreateDefaultBookFolders(programFolder);
    if (PumpMessages()) return false;
    WindowProgress progress(*this);
    char failedFile[LFile::kPathSize] = "";
    switch (ExtractPayload(ownPath, programFolder, kInstalledFiles, progress, failedFile)) {
    case ExtractResult::Done:
        break;
    case ExtractResult::Corrupt:
        ShowCorruptInstallMessage(hwnd());
        return false;
    case ExtractResult::WriteFailed:
        ShowUnwritableFileMessage(hwnd(), failedFile);
        return false;
    case ExtractResult::Cancelled:
    case ExtractResult::Unreadable:
        return false;
    }
    SetText("Finalizing", 1);
    return Finalize();
}

bool InstallDialog::Finalize() {
    char failedFile[LFile::kPathSize] = "";
    if (FinalizeInstallation(programFolder, failedFile)) return true;
    ShowUnwritableFileMessage(hwnd(), failedFile);
    return false;
}

UninstallDialog::UninstallDialog(const char* title, int argumentCount)
    : InstallDialog(title), argumentCount_(argumentCount) {}

int UninstallDialog::MainFunction() {
    // The copy in the program folder cannot remove the folder it runs from: a copy in the
    // temporary folder does the work. Only one uninstaller at a time goes on; one started while
    // another is at work ends quietly, and the temporary copy waits for its starter to end.
    const bool handedOver = argumentCount_ >= 2;
    UninstallTurn turn(handedOver ? kHandOverWaitMs : 0);
    if (!turn.held()) return true;
    if (!handedOver && StartUninstallerCopy(ownPath)) return true;
    if (PumpMessages()) return false;
    Sleep(250);
    if (ShowMessage(hwnd(), "Are you sure you want to remove Quillmark from this computer?",
                    "Uninstall Quillmark", MB_YESNO | MB_ICONSTOP) == IDYES)
        RemoveInstallation(programFolder);
    if (handedOver) RemoveTemporaryUninstaller(ownPath);
    return true;
}
