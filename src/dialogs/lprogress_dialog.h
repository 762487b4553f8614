// LProgressDialog: a progress window for a long job that runs on the user-interface thread.
// A descendant supplies the job (MainFunction), which calls PumpMessages between steps to keep
// the window painted and to notice Cancel, and reports with SetText and SetProgress.
#pragma once

#include <windows.h>

class LProgressDialog {
  public:
    // title is kept, not copied: it must outlive the run.
    explicit LProgressDialog(const char* title);
    LProgressDialog(const LProgressDialog&) = delete;
    LProgressDialog& operator=(const LProgressDialog&) = delete;

    // The job; its result is what Run returns.
    virtual int MainFunction() = 0;
    // Messages of the window that the progress procedure does not handle itself.
    virtual INT_PTR HandleMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return FALSE;
    }

    // Shows the window over parent (disabled meanwhile; may be null), runs the job and returns
    // its result; 0 without running it when the window is already open or cannot be created.
    int Run(HWND parent);
    // Dispatches the thread's pending messages. True once the window is gone (the user
    // cancelled) or a WM_QUIT came (it stays posted for the outer loop): the job should stop.
    // False when the queue is empty and the window is still up.
    bool PumpMessages();
    // Shows text in line 0 or 1; other lines and a closed window are ignored.
    void SetText(const char* text, int line);
    // Moves the bar to fraction (0.0 to 1.0) of its length; ignored when the window is gone.
    void SetProgress(double fraction);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The window while it is up, null otherwise.
    HWND hwnd() const { return hwnd_; }

  protected:
    // Descendants are local objects of the code that runs them, never deleted through this base.
    ~LProgressDialog() = default;

  private:
    HWND hwnd_ = nullptr;
    const char* title_;
};
