// Windows run modally without DialogBox: the owner is enabled again before the window goes, and
// a WM_QUIT that reaches their loop is left for the outer loop.
#include "dialogs/lkey_dialog_box.h"
#include "dialogs/lprogress_dialog.h"
#include "resources/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Records, for every window of this thread that is destroyed while it lives, whether the owner
// was enabled at that moment (Windows activates another program's window otherwise).
class DestroyWatch {
  public:
    explicit DestroyWatch(HWND owner) {
        owner_ = owner;
        destroyed_ = 0;
        enabledEveryTime_ = true;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DestroyWatch() { UnhookWindowsHookEx(hook_); }
    int destroyed() const { return destroyed_; }
    bool ownerEnabledEveryTime() const { return enabledEveryTime_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_DESTROYWND && GetParent(reinterpret_cast<HWND>(wParam)) == owner_) {
            ++destroyed_;
            enabledEveryTime_ = enabledEveryTime_ && IsWindowEnabled(owner_);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static HWND owner_;
    static int destroyed_;
    static bool enabledEveryTime_;
    HHOOK hook_;
};
HWND DestroyWatch::owner_ = nullptr;
int DestroyWatch::destroyed_ = 0;
bool DestroyWatch::enabledEveryTime_ = true;

// The Change Hot Key window's kind: a key dialog that runs action once it shows.
class KeyBox : public LKeyDialogBox {
  public:
    explicit KeyBox(std::function<void(HWND)> action) : action_(std::move(action)) {}
    void InitDialog() override { action_(hwnd()); }

  private:
    std::function<void(HWND)> action_;
};

class Job : public LProgressDialog {
  public:
    explicit Job(std::function<int(Job&)> body) : LProgressDialog("Job"), body_(std::move(body)) {}
    int MainFunction() override { return body_(*this); }

  private:
    std::function<int(Job&)> body_;
};

class Owner : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }
    HWND owner = nullptr;
};

TEST_F(Owner, IsEnabledBeforeTheModalWindowIsDestroyed) {
    DestroyWatch watch(owner);
    for (int command : {IDOK, IDCANCEL}) {
        KeyBox box([command](HWND window) { PostMessageA(window, WM_COMMAND, command, 0); });
        EXPECT_TRUE(box.Open(owner, MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY)));
    }
    // A progress window ended by its job, and one cancelled by the user.
    Job finished([](Job&) { return 1; });
    EXPECT_EQ(1, finished.Run(owner));
    Job cancelled([](Job& job) {
        PostMessageA(job.hwnd(), WM_COMMAND, IDCANCEL, 0);
        return job.PumpMessages() ? 2 : 0;
    });
    EXPECT_EQ(2, cancelled.Run(owner));

    EXPECT_EQ(4, watch.destroyed());
    EXPECT_TRUE(watch.ownerEnabledEveryTime());
    EXPECT_TRUE(IsWindowEnabled(owner));
}

// Returns the WM_QUIT code waiting in the queue, or -1.
int TakeQuit() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)
               ? static_cast<int>(message.wParam)
               : -1;
}

TEST_F(Owner, WmQuitEndsTheInnerLoopAndIsLeftForTheOuterOne) {
    HWND keyWindow = nullptr;
    KeyBox box([&](HWND window) {
        keyWindow = window;
        PostQuitMessage(5);
    });
    EXPECT_TRUE(box.Open(owner, MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY)));
    EXPECT_FALSE(IsWindow(keyWindow));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(5, TakeQuit());

    bool stopped = false;
    Job job([&](Job& j) {
        PostQuitMessage(6);
        stopped = j.PumpMessages();
        return 3;
    });
    EXPECT_EQ(3, job.Run(owner));
    EXPECT_TRUE(stopped);
    EXPECT_EQ(nullptr, job.hwnd());
    EXPECT_EQ(6, TakeQuit());
}

} // namespace
