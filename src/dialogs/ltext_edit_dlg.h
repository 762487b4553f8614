// LTextEditDlg: a one-line text entry box with OK and Cancel, run with Open(parent,
// "LTextEditDlg"). The caller's buffer holds the initial text and, after OK, the edited text.
#pragma once

#include "dialogs/ldialog.h"

class LTextEditDlg : public LDialog {
  public:
    // text: a caller-owned buffer of at least 260 bytes; title: the window caption.
    LTextEditDlg(char* text, const char* title) : text_(text), title_(title) {}

    void InitDialog() override;
    // Always closes; copies the control's text into the buffer only when the user changed it,
    // so an untouched buffer keeps every byte.
    bool CmOk() override;

  private:
    char* text_;
    const char* title_;
};
