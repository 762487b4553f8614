// LProgressDialog: a job run inside the progress window, its reports and its Cancel.
#include "dialogs/lprogress_dialog.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class Job : public LProgressDialog {
  public:
    explicit Job(std::function<int(Job&)> body)
        : LProgressDialog("Finding"), body_(std::move(body)) {}
    int MainFunction() override {
        ++runs;
        return body_(*this);
    }
    int runs = 0;

  private:
    std::function<int(Job&)> body_;
};

std::string ItemText(HWND window, int id) {
    char text[260];
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

int BarPosition(HWND window) {
    return static_cast<int>(SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0));
}

TEST(LProgressDialog, CancelEndsTheWindowAtOnceAndLaterReportsAreIgnored) {
    HWND parent = CreateWindowExA(0, "STATIC", "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    bool parentDisabled = false, pumpBeforeCancel = true, pumpAfterCancel = false;
    bool windowGone = false, stillCancelled = false;
    Job job([&](Job& j) {
        HWND window = j.hwnd();
        parentDisabled = !IsWindowEnabled(parent);
        j.SetProgress(0.25);
        pumpBeforeCancel = j.PumpMessages();
        // Escape on the window is its Cancel, as the button is.
        testkit::PostKey(window, VK_ESCAPE);
        PostMessageA(window, WM_NULL, 0, 0);
        pumpAfterCancel = j.PumpMessages();
        windowGone = !IsWindow(window) && j.hwnd() == nullptr;
        j.SetProgress(0.75);
        j.SetText("after cancel", 0);
        stillCancelled = j.PumpMessages();
        return 7;
    });
    EXPECT_EQ(7, job.Run(parent));
    EXPECT_TRUE(parentDisabled);
    EXPECT_FALSE(pumpBeforeCancel);
    EXPECT_TRUE(pumpAfterCancel);
    EXPECT_TRUE(windowGone);
    EXPECT_TRUE(stillCancelled);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(parent, GetActiveWindow());
    DestroyWindow(parent);
}

TEST(LProgressDialog, ShowsTitleTextLinesAndTheTruncatedShare) {
    std::string caption, line0, line1;
    int at999 = -1, at1000 = -1, atStart = -1;
    int nestedRun = -1;
    Job job([&](Job& j) {
        char text[64];
        GetWindowTextA(j.hwnd(), text, sizeof text);
        caption = text;
        atStart = BarPosition(j.hwnd());
        j.SetProgress(0.999);
        at999 = BarPosition(j.hwnd());
        j.SetProgress(1.0);
        at1000 = BarPosition(j.hwnd());
        j.SetText("Searching notes", 0);
        j.SetText("Phone Book", 1);
        j.SetText("third line", 2);
        j.SetText("negative line", -1);
        line0 = ItemText(j.hwnd(), IDC_PROGRESS_LINE0);
        line1 = ItemText(j.hwnd(), IDC_PROGRESS_LINE1);
        nestedRun = j.Run(nullptr);
        return j.PumpMessages() ? 0 : 1;
    });
    EXPECT_EQ(1, job.Run(nullptr));
    EXPECT_EQ("Finding", caption);
    EXPECT_EQ(0, atStart);
    EXPECT_EQ(99, at999);
    EXPECT_EQ(100, at1000);
    EXPECT_EQ("Searching notes", line0);
    EXPECT_EQ("Phone Book", line1);
    EXPECT_EQ(0, nestedRun);
    EXPECT_EQ(1, job.runs);
    EXPECT_EQ(nullptr, job.hwnd());

    // A finished object runs again.
    EXPECT_EQ(1, job.Run(nullptr));
    EXPECT_EQ(2, job.runs);
}

} // namespace
