// The Change Hot Key dialog (template 3): the next key pressed, with the modifiers held, becomes
// the hot key. Enter is ignored, modifiers alone are waited through, Escape cancels.
#pragma once

#include "dialogs/lkey_dialog_box.h"

class ChangeHotKeyDialog : public LKeyDialogBox {
  public:
    bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
