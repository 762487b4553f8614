// LDialog, the module its templates come from, and the one-line text entry built on it.
#include "dialogs/ldialog.h"

#include "dialogs/ltext_edit_dlg.h"
#include "dialogs/program_instance.h"
#include "resources/resource.h"

#include <cstring>

INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<LDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        if (dialog != nullptr) {
            dialog->hwnd_ = window;
            if (window != nullptr) {
                dialog->InitDialog();
                dialog->UpdateControls();
            }
        }
        return TRUE;
    }
    auto* dialog = reinterpret_cast<LDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    // Messages after the object let go of its window get the dialog manager's handling.
    if (dialog == nullptr || window == nullptr || dialog->hwnd_ != window) return FALSE;
    return dialog->DialogProc(message, wParam, lParam);
}

LDialog::~LDialog() {
    // A window that outlives its object must not reach it any more.
    if (hwnd() != nullptr) SetWindowLongPtrA(hwnd(), DWLP_USER, 0);
}

void LDialog::ReleaseWindow() {
    DestroyDialog();
    // The window forgets the object too, so nothing reaches the object once it is gone.
    SetWindowLongPtrA(hwnd(), DWLP_USER, 0);
    hwnd_ = nullptr;
}

INT_PTR LDialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_DESTROY:
        ReleaseWindow();
        return FALSE;
    case WM_ENDSESSION:
        if (wParam != 0) ReleaseWindow();
        return TRUE;
    case WM_HELP:
        CmHelp();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (CmOk()) EndDialog(hwnd(), IDOK);
            return TRUE;
        case IDCANCEL:
            if (CmCancel()) EndDialog(hwnd(), IDCANCEL);
            return TRUE;
        case IDHELP:
            CmHelp();
            return TRUE;
        default:
            Command(LOWORD(wParam), HIWORD(wParam));
            UpdateControls();
            return TRUE;
        }
    default:
        return FALSE;
    }
}

bool LDialog::Open(HWND parent, LPCSTR templateName) {
    if (hwnd() != nullptr) return false;
    INT_PTR result = DialogBoxParamA(ProgramInstance(), templateName, parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return result == IDOK;
}

namespace {

HINSTANCE& Slot() {
    static HINSTANCE instance = nullptr;
    return instance;
}

} // namespace

HINSTANCE ProgramInstance() {
    // Before start-up has recorded it, the executable's own module holds the resources.
    return Slot() != nullptr ? Slot() : GetModuleHandleA(nullptr);
}

void SetProgramInstance(HINSTANCE instance) {
    Slot() = instance;
}

void LTextEditDlg::InitDialog() {
    SetWindowTextA(hwnd(), title_);
    SetDlgItemTextA(hwnd(), IDC_TEXT_EDIT, text_);
    SendDlgItemMessageA(hwnd(), IDC_TEXT_EDIT, EM_SETSEL, 0,
                        static_cast<LPARAM>(std::strlen(text_)));
}

bool LTextEditDlg::CmOk() {
    if (SendDlgItemMessageA(hwnd(), IDC_TEXT_EDIT, EM_GETMODIFY, 0, 0) != 0)
        GetControlText(IDC_TEXT_EDIT, text_);
    return true;
}
