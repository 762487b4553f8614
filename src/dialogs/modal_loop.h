// The thread's message pump for windows run modally without DialogBox (the Change Hot Key
// window, the progress windows) and for waits that keep the program's windows live: the one
// place that takes messages from the queue outside a window's own loop.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches every message waiting in the thread's queue, passing those for dialog (may be null)
// through IsDialogMessageA. A WM_QUIT is posted again for the outer loop and ends the pump:
// false then, true otherwise.
bool PumpPendingMessages(HWND dialog = nullptr);

// A window run modally over its owner: the owner is disabled while the window lives, and enabled
// again before the window is destroyed (EndModalWindow), so that Windows hands the activation
// back to the owner instead of to another program's window.
class ModalWindow {
  public:
    // Takes over window, just created over owner (may be null), and disables the owner.
    ModalWindow(HWND window, HWND owner);
    // Ends the window if it is still up, then makes the owner active and focused.
    ~ModalWindow();
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

    // Runs the thread's messages while open() holds (by default: while the window exists).
    // filter (may be empty) sees each message first; true consumes it. A WM_QUIT ends the run
    // and is posted again.
    void Run(const std::function<bool(const MSG&)>& filter = nullptr,
             const std::function<bool()>& open = nullptr);

  private:
    HWND window_;
    HWND owner_;
};

// Enables the owner that ModalWindow disabled for window, then destroys window. Every modal
// window ends through here, from its own Cancel as from its job's end.
void EndModalWindow(HWND window);

// Waits up to timeoutMs for handle (may be null: the timeout alone) or for done() to hold,
// dispatching messages meanwhile; true when done() holds or the handle was signalled (an
// abandoned mutex counts), false on timeout, or on a WM_QUIT (posted again) before either.
template <typename Done>
bool WaitPumping(HANDLE handle, DWORD timeoutMs, Done done) {
    const DWORD start = GetTickCount();
    for (;;) {
        const bool quit = !PumpPendingMessages();
        if (done()) return true;
        if (quit) return false;
        const DWORD elapsed = GetTickCount() - start;
        const DWORD left = elapsed < timeoutMs ? timeoutMs - elapsed : 0;
        const DWORD slice = left < 50 ? left : 50;
        const DWORD result = MsgWaitForMultipleObjects(
            handle != nullptr ? 1 : 0, handle != nullptr ? &handle : nullptr, FALSE, slice,
            QS_ALLINPUT);
        if (handle != nullptr && (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0))
            return true;
        // Out of time only when the wait timed out: new messages are handled and waited past.
        if (result == WAIT_TIMEOUT && left == 0) return done();
    }
}
