#include "dialogs/lkey_dialog_box.h"

#include "dialogs/key_value.h"
#include "dialogs/program_instance.h"

INT_PTR LModelessDialogBox::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        if (CmOk()) DestroyWindow(hwnd);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        if (CmCancel()) DestroyWindow(hwnd);
        return TRUE;
    }
    return LDialog::DialogProc(message, wParam, lParam);
}

void LModelessDialogBox::Close() {
    DestroyWindow(hwnd);
}

namespace {

bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

} // namespace

unsigned LKeyDialogBox::CurrentKeyValue(WPARAM virtualKey) {
    return keyvalue::Compose(static_cast<unsigned>(virtualKey), IsHeld(VK_MENU), IsHeld(VK_CONTROL),
                             IsHeld(VK_SHIFT));
}

bool LKeyDialogBox::FilterMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return KeyDown(CurrentKeyValue(wParam));
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return KeyUp(CurrentKeyValue(wParam));
    default:
        return false;
    }
}

bool LKeyDialogBox::Open(HWND parent, LPCSTR templateName) {
    if (hwnd != nullptr) return false;
    HWND window = CreateDialogParamA(ProgramInstance(), templateName, parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window == nullptr) return false;
    if (parent != nullptr) EnableWindow(parent, FALSE);
    MSG msg;
    // GetMessageA's -1 (an error) ends the loop as WM_QUIT does, instead of spinning on it.
    while (IsWindow(hwnd) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (FilterMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam)) continue;
        if (!IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (parent != nullptr) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
        SetFocus(parent);
    }
    return true;
}
