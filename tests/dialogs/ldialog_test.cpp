// LDialog: the modal run, the shared procedure and the default dispatch, on real dialog windows.
#include "dialogs/ldialog.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT kRunScript = WM_APP + 1;

// Records the virtual operations that the dialog framework calls, in order.
class Recorder : public LDialog {
  public:
    void InitDialog() override {
        calls.push_back("InitDialog");
        if (onInit) onInit(*this);
    }
    bool CmOk() override {
        calls.push_back("CmOk");
        return okAnswer;
    }
    bool CmCancel() override {
        calls.push_back("CmCancel");
        return true;
    }
    void CmHelp() override { calls.push_back("CmHelp"); }
    void UpdateControls() override { calls.push_back("UpdateControls"); }
    void Command(int id, int code) override {
        calls.push_back("Command " + std::to_string(id) + "/" + std::to_string(code));
    }
    void DestroyDialog() override { calls.push_back("DestroyDialog"); }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRunScript) {
            if (script) script(*this);
            return TRUE;
        }
        return LDialog::DialogProc(message, wParam, lParam);
    }

    // Runs action and returns the calls it caused.
    std::vector<std::string> During(const std::function<void()>& action) {
        calls.clear();
        action();
        return calls;
    }

    std::vector<std::string> calls;
    bool okAnswer = true;
    std::function<void(Recorder&)> onInit;
    std::function<void(Recorder&)> script;
};

void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    PostMessageA(window, message, wParam, lParam);
}

using Calls = std::vector<std::string>;

// What a button sends its dialog when clicked.
void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(LDialogOpen, TrueOnlyForOk) {
    Recorder dialog;
    dialog.onInit = [](Recorder& d) { Post(d.hwnd(), WM_COMMAND, IDOK); };
    EXPECT_TRUE(dialog.Open(nullptr, "AboutDlg"));
    EXPECT_EQ((Calls{"InitDialog", "UpdateControls", "CmOk", "DestroyDialog"}), dialog.calls);
    EXPECT_EQ(nullptr, dialog.hwnd());

    // A closed object opens again.
    dialog.calls.clear();
    dialog.onInit = [](Recorder& d) { Post(d.hwnd(), WM_COMMAND, IDCANCEL); };
    EXPECT_FALSE(dialog.Open(nullptr, "AboutDlg"));
    EXPECT_EQ((Calls{"InitDialog", "UpdateControls", "CmCancel", "DestroyDialog"}), dialog.calls);

    // The close box reaches CmCancel through the dialog manager.
    dialog.calls.clear();
    dialog.onInit = [](Recorder& d) { Post(d.hwnd(), WM_SYSCOMMAND, SC_CLOSE); };
    EXPECT_FALSE(dialog.Open(nullptr, "AboutDlg"));
    EXPECT_EQ((Calls{"InitDialog", "UpdateControls", "CmCancel", "DestroyDialog"}), dialog.calls);

    // No such template: nothing runs.
    dialog.calls.clear();
    EXPECT_FALSE(dialog.Open(nullptr, MAKEINTRESOURCEA(999)));
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_EQ(nullptr, dialog.hwnd());
}

TEST(LDialogOpen, RefusedCmOkKeepsTheDialogAndAnOpenObjectIsNotOpenedTwice) {
    Recorder dialog;
    dialog.okAnswer = false;
    bool nestedOpen = true;
    bool shownAfterOk = false;
    dialog.onInit = [&](Recorder& d) { nestedOpen = d.Open(nullptr, "AboutDlg"); };
    dialog.script = [&](Recorder& d) {
        // Still dispatched here, so the modal loop did not end at the refused OK.
        shownAfterOk = IsWindowVisible(d.hwnd()) != 0;
        Post(d.hwnd(), WM_COMMAND, IDCANCEL);
    };
    testkit::DialogScript user({[](HWND window) {
        testkit::PressButton(window, IDOK);
        Post(window, kRunScript);
    }});
    EXPECT_FALSE(dialog.Open(nullptr, "AboutDlg"));
    EXPECT_FALSE(nestedOpen);
    EXPECT_TRUE(shownAfterOk);
    EXPECT_EQ((Calls{"InitDialog", "UpdateControls", "CmOk", "CmCancel", "DestroyDialog"}),
              dialog.calls);
}

TEST(LDialogDispatch, HelpGoesToCmHelpAndEveryOtherCommandToCommandThenUpdateControls) {
    Recorder dialog;
    std::vector<Calls> seen;
    dialog.onInit = [](Recorder& d) { Post(d.hwnd(), kRunScript); };
    dialog.script = [&](Recorder& d) {
        HELPINFO help = {};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        seen.push_back(d.During([&] { SendMessageA(d.hwnd(), WM_HELP, 0, (LPARAM)&help); }));
        seen.push_back(d.During([&] { Click(d.hwnd(), IDC_HELP_BUTTON); }));
        seen.push_back(d.During([&] { Click(d.hwnd(), IDC_BOOK_BROWSE); }));
        seen.push_back(d.During(
            [&] { SendMessageA(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDM_BOOK_PROPERTIES, 0), 0); }));
        seen.push_back(d.During([&] { SetDlgItemTextA(d.hwnd(), IDC_BOOK_FOLDER, "C:\\Books"); }));
        Post(d.hwnd(), WM_COMMAND, IDCANCEL);
    };
    EXPECT_FALSE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES)));
    ASSERT_EQ(5u, seen.size());
    EXPECT_EQ((Calls{"CmHelp"}), seen[0]);
    EXPECT_EQ((Calls{"CmHelp"}), seen[1]);
    EXPECT_EQ((Calls{"Command 102/0", "UpdateControls"}), seen[2]);
    EXPECT_EQ((Calls{"Command 2017/0", "UpdateControls"}), seen[3]);
    // Setting the text notifies EN_UPDATE, then EN_CHANGE: each is one Command.
    EXPECT_EQ((Calls{"Command 101/1024", "UpdateControls", "Command 101/768", "UpdateControls"}),
              seen[4]);
}

TEST(LDialogDispatch, EndSessionReleasesTheDialogOnceOnlyWhenTheSessionEnds) {
    Recorder dialog;
    Calls cancelledLogOff, loggedOff;
    bool keptWindow = false, windowForgotObject = false;
    dialog.onInit = [](Recorder& d) { Post(d.hwnd(), kRunScript); };
    dialog.script = [&](Recorder& d) {
        HWND window = d.hwnd();
        cancelledLogOff = d.During([&] { SendMessageA(window, WM_ENDSESSION, FALSE, 0); });
        keptWindow = d.hwnd() == window;
        loggedOff = d.During([&] { SendMessageA(window, WM_ENDSESSION, TRUE, 0); });
        windowForgotObject = GetWindowLongPtrA(window, DWLP_USER) == 0;
        d.calls.clear();
        // The object has let go; the window's end reaches no handler.
        EndDialog(window, IDCANCEL);
    };
    EXPECT_FALSE(dialog.Open(nullptr, "AboutDlg"));
    EXPECT_TRUE(cancelledLogOff.empty());
    EXPECT_TRUE(keptWindow);
    EXPECT_EQ((Calls{"DestroyDialog"}), loggedOff);
    EXPECT_TRUE(windowForgotObject);
    EXPECT_TRUE(dialog.calls.empty());
    EXPECT_EQ(nullptr, dialog.hwnd());
}

} // namespace
