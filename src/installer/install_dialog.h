// The installer and uninstaller windows: progress windows whose job installs Quillmark from the
// running self-installing file, or removes it.
#pragma once

#include "dialogs/ldialog.h"
#include "dialogs/lprogress_dialog.h"
#include "platform/lfile.h"

// The page that asks the user to accept the licence terms; Next only while "I agree" is chosen.
class LicenceTermsDialog : public LDialog {
  public:
    bool CmOk() override;
    void UpdateControls() override;
};

class InstallDialog : public LProgressDialog {
  public:
    explicit InstallDialog(const char* title);

    // The installation: terms page, default books, extraction with checksum, Finalize.
    // True when it completed.
    int MainFunction() override;
    // False, after reporting the file, when the uninstaller copy or a mark could not be written.
    bool Finalize();

    // The folder everything is installed into; start-up fills it before Run.
    char programFolder[LFile::kPathSize] = "";
    // The self-installing file to extract from: the running executable.
    char ownPath[LFile::kPathSize] = "";
};

class UninstallDialog : public InstallDialog {
  public:
    // argumentCount counts the program's name, as argc does.
    UninstallDialog(const char* title, int argumentCount);

    // Started without arguments, hands over to a copy in the temporary folder; otherwise asks
    // and removes the installation. False only when the window was closed before the question.
    int MainFunction() override;

  private:
    int argumentCount_;
};

// "Installation file corrupt." in a warning box owned by owner (may be null).
void ShowCorruptInstallMessage(HWND owner);
// Names the file that could not be written in an "Install Error" warning box.
void ShowUnwritableFileMessage(HWND owner, const char* path);
