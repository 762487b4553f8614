#include "mainwindow/change_hot_key_dialog.h"

#include "dialogs/key_value.h"
#include "mainwindow/hot_key.h"

bool ChangeHotKeyDialog::FilterMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return false;
    switch (wParam) {
    case VK_RETURN: // neither closes the dialog nor becomes the hot key
        return true;
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:   // a modifier alone does not end the capture
    case VK_ESCAPE: // the dialog manager turns it into Cancel
        return false;
    default:
        break;
    }
    const unsigned pressed = CurrentKeyValue(wParam);
    WriteHotKey(keyvalue::KeyCode(pressed), keyvalue::HotKeyModifiers(pressed));
    PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    return true;
}
