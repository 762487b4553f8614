// LKeyDialogBox: its own message loop with the key filter first, and the parent afterwards.
#include "dialogs/key_value.h"
#include "dialogs/lkey_dialog_box.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const UINT kRunScript = WM_APP + 1;
const LPCSTR kTemplate = MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY);

class KeyRecorder : public LKeyDialogBox {
  public:
    void InitDialog() override {
        if (onInit) onInit(*this);
    }
    bool CmCancel() override {
        ++cancels;
        return true;
    }
    bool KeyDown(unsigned key) override {
        downs.push_back(key);
        return consumeKeys;
    }
    bool KeyUp(unsigned key) override {
        ups.push_back(key);
        if (closeOnKeyUp) Close();
        return consumeKeys;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRunScript) {
            if (script) script(*this);
            return TRUE;
        }
        return LKeyDialogBox::DialogProc(message, wParam, lParam);
    }

    std::vector<unsigned> downs, ups;
    int cancels = 0;
    bool consumeKeys = false;
    bool closeOnKeyUp = false;
    std::function<void(KeyRecorder&)> onInit;
    std::function<void(KeyRecorder&)> script;
};

// A plain top-level window to own the dialog.
class ParentWindow {
  public:
    ParentWindow()
        : window_(CreateWindowExA(0, "STATIC", "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {
    }
    ~ParentWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

  private:
    HWND window_;
};

int CountThreadDialogs() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) CALLBACK -> BOOL {
            char name[16];
            if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, "#32770") == 0)
                ++*reinterpret_cast<int*>(param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(LKeyDialogBoxKeys, ModifiersHeldWhenTheKeyIsFilteredAreAddedToItsCode) {
    KeyRecorder dialog;
    dialog.closeOnKeyUp = true;
    dialog.onInit = [](KeyRecorder& d) {
        testkit::PostKey(GetDlgItem(d.hwnd(), IDCANCEL), 'A', true);
    };
    {
        testkit::HeldKeys held({VK_CONTROL, VK_SHIFT});
        EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    }
    EXPECT_EQ((std::vector<unsigned>{'A' | 0x60000u}), dialog.downs);
    EXPECT_EQ((std::vector<unsigned>{'A' | 0x60000u}), dialog.ups);

    dialog.downs.clear();
    dialog.ups.clear();
    {
        testkit::HeldKeys held({VK_MENU});
        dialog.onInit = [](KeyRecorder& d) { testkit::PostKey(d.hwnd(), VK_F8, true); };
        EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    }
    EXPECT_EQ((std::vector<unsigned>{VK_F8 | keyvalue::kAlt}), dialog.downs);

    dialog.downs.clear();
    dialog.onInit = [](KeyRecorder& d) { testkit::PostKey(d.hwnd(), 'Q', true); };
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<unsigned>{'Q'}), dialog.downs);
}

TEST(LKeyDialogBoxKeys, TheFilterSeesKeysBeforeTheDialogManager) {
    KeyRecorder dialog;
    dialog.consumeKeys = true;
    bool aliveAfterEscape = false;
    dialog.onInit = [](KeyRecorder& d) {
        testkit::PostKey(GetDlgItem(d.hwnd(), IDCANCEL), VK_ESCAPE);
        PostMessageA(d.hwnd(), kRunScript, 0, 0);
    };
    dialog.script = [&](KeyRecorder& d) {
        aliveAfterEscape = IsWindow(d.hwnd()) != 0;
        d.Close();
    };
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_TRUE(aliveAfterEscape);
    EXPECT_EQ(0, dialog.cancels);

    // Not consumed, Escape goes on to the dialog manager, which cancels.
    dialog.consumeKeys = false;
    dialog.script = nullptr;
    dialog.downs.clear();
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ(1, dialog.cancels);
    EXPECT_EQ((std::vector<unsigned>{VK_ESCAPE}), dialog.downs);
    EXPECT_EQ(nullptr, dialog.hwnd());
}

TEST(LKeyDialogBoxOpen, ParentIsDisabledMeanwhileAndEnabledActiveAndFocusedAfterwards) {
    ParentWindow parent;
    const std::function<void(KeyRecorder&)> closers[] = {
        [](KeyRecorder& d) { PostMessageA(d.hwnd(), WM_COMMAND, IDOK, 0); },
        [](KeyRecorder& d) { PostMessageA(d.hwnd(), WM_COMMAND, IDCANCEL, 0); },
        [](KeyRecorder& d) { d.Close(); },
        [](KeyRecorder& d) { SendMessageA(d.hwnd(), WM_ENDSESSION, TRUE, 0); },
    };
    for (size_t i = 0; i < sizeof closers / sizeof closers[0]; ++i) {
        SetFocus(nullptr);
        KeyRecorder dialog;
        bool parentEnabledMeanwhile = true;
        HWND window = nullptr;
        dialog.onInit = [](KeyRecorder& d) { PostMessageA(d.hwnd(), kRunScript, 0, 0); };
        dialog.script = [&](KeyRecorder& d) {
            parentEnabledMeanwhile = IsWindowEnabled(parent.get()) != 0;
            window = d.hwnd();
            closers[i](d);
        };
        EXPECT_TRUE(dialog.Open(parent.get(), kTemplate)) << i;
        EXPECT_FALSE(parentEnabledMeanwhile) << i;
        EXPECT_TRUE(IsWindowEnabled(parent.get())) << i;
        EXPECT_EQ(parent.get(), GetActiveWindow()) << i;
        EXPECT_EQ(parent.get(), GetFocus()) << i;
        if (IsWindow(window)) // after WM_ENDSESSION the window is the caller's to remove
            DestroyWindow(window);
    }
}

TEST(LKeyDialogBoxOpen, RefusedForAnOpenObjectOrAMissingTemplate) {
    ParentWindow parent;
    KeyRecorder dialog;
    bool nestedOpen = true;
    int dialogsDuringNestedOpen = 0;
    dialog.onInit = [&](KeyRecorder& d) {
        nestedOpen = d.Open(parent.get(), kTemplate);
        dialogsDuringNestedOpen = CountThreadDialogs();
        PostMessageA(d.hwnd(), WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_FALSE(nestedOpen);
    EXPECT_EQ(1, dialogsDuringNestedOpen);
    EXPECT_TRUE(IsWindowEnabled(parent.get()));

    KeyRecorder missing;
    EXPECT_FALSE(missing.Open(parent.get(), MAKEINTRESOURCEA(999)));
    EXPECT_TRUE(IsWindowEnabled(parent.get()));
    EXPECT_EQ(0, CountThreadDialogs());
}

} // namespace
