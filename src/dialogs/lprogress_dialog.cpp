#include "dialogs/lprogress_dialog.h"

#include "dialogs/modal_loop.h"
#include "dialogs/program_instance.h"
#include "dialogs/window_math.h"
#include "resources/resource.h"

#include <commctrl.h>

LProgressDialog::LProgressDialog(const char* title) : title_(title) {
    InitCommonControls();
}

int LProgressDialog::Run(HWND parent) {
    if (hwnd() != nullptr) return 0;
    HWND window = CreateDialogParamA(ProgramInstance(), "LProgressDialog", parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window == nullptr) return 0;
    int result;
    {
        ModalWindow modal(window, parent);
        result = MainFunction();
    } // a window the job left up goes here, after its parent is enabled again
    hwnd_ = nullptr;
    return result;
}

bool LProgressDialog::PumpMessages() {
    // A WM_QUIT stops the job as a cancel does; it stays posted for the outer loop.
    if (!IsWindow(hwnd())) return true;
    return !PumpPendingMessages(hwnd()) || !IsWindow(hwnd());
}

void LProgressDialog::SetText(const char* text, int line) {
    if (!IsWindow(hwnd()) || line < 0 || line > 1) return;
    SetDlgItemTextA(hwnd(), line == 0 ? IDC_PROGRESS_LINE0 : IDC_PROGRESS_LINE1, text);
}

void LProgressDialog::SetProgress(double fraction) {
    if (!IsWindow(hwnd())) return;
    SendDlgItemMessageA(hwnd(), IDC_PROGRESS_BAR, PBM_SETPOS,
                        windowmath::ProgressPosition(fraction), 0);
}

INT_PTR CALLBACK LProgressDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* progress = reinterpret_cast<LProgressDialog*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        if (progress != nullptr) {
            progress->hwnd_ = window;
            SetWindowTextA(window, progress->title_);
            SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
        }
        return TRUE;
    }
    auto* progress = reinterpret_cast<LProgressDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    bool owned = progress != nullptr && progress->hwnd_ == window;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        // The object lets go first, so the job sees the cancel at its next PumpMessages.
        if (owned) progress->hwnd_ = nullptr;
        EndModalWindow(window);
        return TRUE;
    }
    return owned ? progress->HandleMessage(message, wParam, lParam) : FALSE;
}
