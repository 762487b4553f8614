// Answers a dialog that the code under test opens in a modal loop of this thread.
#pragma once

#include <windows.h>

#include <functional>

namespace testkit {

// While alive, polls this thread's windows by a thread timer (which fires inside any modal loop)
// and calls action once on the first visible dialog window (class #32770) that was not there when
// the watch was made. After timeoutMs without one, the watch gives up: it records the timeout
// and closes whatever new dialog there is with IDCANCEL, so that no test can hang.
class DialogWatch {
  public:
    explicit DialogWatch(std::function<void(HWND)> action, DWORD timeoutMs = 10000);
    ~DialogWatch();
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    bool answered() const { return answered_; }
    bool timedOut() const { return timedOut_; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    std::function<void(HWND)> action_;
    DWORD deadline_;
    UINT_PTR timer_;
    HWND existing_[64];
    int existingCount_ = 0;
    bool answered_ = false;
    bool timedOut_ = false;
};

// The first visible, enabled dialog of this thread, or null.
HWND FindThreadDialog(const HWND* except = nullptr, int exceptCount = 0);
// Clicks a dialog's button by id through the dialog manager (BN_CLICKED as WM_COMMAND).
void PressButton(HWND dialog, int id);

} // namespace testkit
