#include "dialogs/lprogress_dialog.h"

#include "dialogs/program_instance.h"
#include "dialogs/window_math.h"
#include "resources/resource.h"

#include <commctrl.h>

LProgressDialog::LProgressDialog(const char* title) : title(title) {
    InitCommonControls();
}

int LProgressDialog::Run(HWND parent) {
    if (hwnd != nullptr) return 0;
    if (CreateDialogParamA(ProgramInstance(), "LProgressDialog", parent, DialogProc,
                           reinterpret_cast<LPARAM>(this)) == nullptr)
        return 0;
    if (parent != nullptr) EnableWindow(parent, FALSE);
    int result = MainFunction();
    // A cancelled job's window is already gone and hwnd is null.
    if (IsWindow(hwnd)) {
        DestroyWindow(hwnd);
        hwnd = nullptr;
    }
    if (parent != nullptr) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
        SetFocus(parent);
    }
    return result;
}

bool LProgressDialog::PumpMessages() {
    MSG msg;
    for (;;) {
        if (!IsWindow(hwnd)) return true;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
        if (!IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void LProgressDialog::SetText(const char* text, int line) {
    if (!IsWindow(hwnd) || line < 0 || line > 1) return;
    SetDlgItemTextA(hwnd, line == 0 ? IDC_PROGRESS_LINE0 : IDC_PROGRESS_LINE1, text);
}

void LProgressDialog::SetProgress(double fraction) {
    if (!IsWindow(hwnd)) return;
    SendDlgItemMessageA(hwnd, IDC_PROGRESS_BAR, PBM_SETPOS, windowmath::ProgressPosition(fraction),
                        0);
}

INT_PTR CALLBACK LProgressDialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* progress = reinterpret_cast<LProgressDialog*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        if (progress != nullptr) {
            progress->hwnd = window;
            SetWindowTextA(window, progress->title);
            SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
        }
        return TRUE;
    }
    auto* progress = reinterpret_cast<LProgressDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    bool owned = progress != nullptr && progress->hwnd == window;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        // The object lets go first, so the job sees the cancel at its next PumpMessages.
        if (owned) progress->hwnd = nullptr;
        DestroyWindow(window);
        return TRUE;
    }
    return owned ? progress->HandleMessage(message, wParam, lParam) : FALSE;
}
