#include "dialogs/lkey_dialog_box.h"

#include "dialogs/key_value.h"
#include "dialogs/modal_loop.h"
#include "dialogs/program_instance.h"

INT_PTR LModelessDialogBox::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        if (CmOk()) EndModalWindow(hwnd());
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        if (CmCancel()) EndModalWindow(hwnd());
        return TRUE;
    }
    return LDialog::DialogProc(message, wParam, lParam);
}

void LModelessDialogBox::Close() {
    EndModalWindow(hwnd());
}

bool LKeyDialogBox::IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

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
    if (hwnd() != nullptr) return false;
    HWND window = CreateDialogParamA(ProgramInstance(), templateName, parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window == nullptr) return false;
    ModalWindow modal(window, parent);
    // The object lets go of its window when the window ends (or the session does).
    modal.Run(
        [this](const MSG& message) {
            return FilterMessage(message.hwnd, message.message, message.wParam, message.lParam);
        },
        [this] { return hwnd() != nullptr; });
    return true;
}
