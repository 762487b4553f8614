// Modeless dialogs: LModelessDialogBox, whose OK and Cancel destroy the window, and
// LKeyDialogBox, which runs its own message loop with a key filter ahead of the dialog manager.
#pragma once

#include "dialogs/ldialog.h"

class LModelessDialogBox : public LDialog {
  public:
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Close();
};

class LKeyDialogBox : public LModelessDialogBox {
  public:
    // key: a key value (dialogs/key_value.h). True means the key is consumed.
    virtual bool KeyDown(unsigned /*key*/) { return false; }
    virtual bool KeyUp(unsigned /*key*/) { return false; }
    // Sees every message of the thread before the dialog manager; true consumes it. By default
    // key messages become KeyDown and KeyUp calls with the modifiers held at this moment.
    virtual bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Whether GetKeyState reports virtualKey held now.
    static bool IsHeld(int virtualKey);
    // The key value of virtualKey with the modifiers that GetKeyState reports held now.
    static unsigned CurrentKeyValue(WPARAM virtualKey);

    // Creates the dialog modeless over parent (disabled meanwhile) and runs the thread's messages
    // until the window is gone. False, doing nothing, when the object already has a window or the
    // window cannot be created. The parent is enabled again before the window is destroyed, then
    // made active and focused. A WM_QUIT ends the window and stays posted for the outer loop.
    bool Open(HWND parent, LPCSTR templateName);
};
