#include "dialogs/modal_loop.h"

namespace {

// The owner a modal window disabled, kept on the window so that whoever ends it finds it.
const char kOwnerProperty[] = "Quillmark.ModalOwner";

} // namespace

bool PumpPendingMessages(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

ModalWindow::ModalWindow(HWND window, HWND owner) : window_(window), owner_(owner) {
    if (owner_ == nullptr) return;
    SetPropA(window_, kOwnerProperty, owner_);
    EnableWindow(owner_, FALSE);
}

ModalWindow::~ModalWindow() {
    if (IsWindow(window_)) EndModalWindow(window_);
    if (owner_ == nullptr) return;
    EnableWindow(owner_, TRUE); // also when the window went without EndModalWindow
    SetActiveWindow(owner_);
    SetFocus(owner_);
}

void ModalWindow::Run(const std::function<bool(const MSG&)>& filter,
                      const std::function<bool()>& open) {
    MSG message;
    while (open ? open() : IsWindow(window_) != FALSE) {
        // GetMessageA's -1 (an error) ends the loop as WM_QUIT does, instead of spinning on it.
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
        if (got <= 0) return;
        if (filter && filter(message)) continue;
        if (IsDialogMessageA(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void EndModalWindow(HWND window) {
    auto owner = static_cast<HWND>(RemovePropA(window, kOwnerProperty));
    if (owner != nullptr) EnableWindow(owner, TRUE);
    DestroyWindow(window);
}
