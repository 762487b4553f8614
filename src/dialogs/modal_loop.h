// The thread's message pump for the waits and jobs that run while the program's own windows stay
// live: the one place that takes messages from the queue outside a window's own loop.
#pragma once

#include <windows.h>

// Dispatches every message waiting in the thread's queue, passing those for dialog (may be null)
// through IsDialogMessageA. A WM_QUIT is posted again for the outer loop and ends the pump:
// false then, true otherwise.
bool PumpPendingMessages(HWND dialog = nullptr);

// Waits up to timeoutMs for handle (may be null: the timeout alone) or for done() to hold,
// dispatching messages meanwhile; true when done() holds or the handle was signalled (an
// abandoned mutex counts), false on timeout, or on a WM_QUIT (posted again) before
// either.
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
        const DWORD result =
            MsgWaitForMultipleObjects(handle != nullptr ? 1 : 0, handle != nullptr ? &handle : nullptr,
                                      FALSE, slice, QS_ALLINPUT);
        if (handle != nullptr && (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0))
            return true;
        // Out of time only when the wait timed out: new messages are handled and waited past.
        if (result == WAIT_TIMEOUT && left == 0) return done();
    }
}
