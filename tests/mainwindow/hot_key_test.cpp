// The hot key: its menu item, the toggle, the Change Hot Key dialog and the logon start.
#include "mainwindow/hot_key.h"
#include "mainwindow/logon_start.h"
#include "mainwindow/plain_main_window.h"
#include "platform/settings.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using testkit::DialogScript;

std::string Stored(const char* name) {
    char text[260];
    GetSettingString("Settings", name, "<absent>", text);
    return text;
}

// Whether the main window holds hot key 0; the probe takes it away.
bool TakeRegistration(HWND window) {
    return UnregisterHotKey(window, 0) != 0;
}

TEST(HotKey, FirstStartShowsShiftF8OffAndTheToggleRegistersAndDropsIt) {
    PlainMainWindow main;
    HotKeyOpen(main.dialog);
    EXPECT_EQ("Enable Hot Key (Shift+F8)", main.MenuText(IDM_HOT_KEY_TOGGLE));
    EXPECT_FALSE(main.MenuChecked(IDM_HOT_KEY_TOGGLE));
    EXPECT_TRUE(main.MenuGrayed(IDM_HOT_KEY_CHANGE));
    EXPECT_FALSE(TakeRegistration(main.hwnd()));

    ToggleHotKey(main.dialog);
    EXPECT_EQ("1", Stored("HotKeyOn"));
    EXPECT_TRUE(main.MenuChecked(IDM_HOT_KEY_TOGGLE));
    EXPECT_FALSE(main.MenuGrayed(IDM_HOT_KEY_CHANGE));
    EXPECT_TRUE(TakeRegistration(main.hwnd()));

    HotKeyOpen(main.dialog);
    ToggleHotKey(main.dialog);
    EXPECT_EQ("0", Stored("HotKeyOn"));
    EXPECT_FALSE(main.MenuChecked(IDM_HOT_KEY_TOGGLE));
    EXPECT_TRUE(main.MenuGrayed(IDM_HOT_KEY_CHANGE));
    EXPECT_FALSE(TakeRegistration(main.hwnd()));
}

TEST(HotKey, AChangedKeyIsPressedWithItsModifiersAndRegisteredAfterwards) {
    SetSettingBool("Settings", "HotKeyOn", true);
    PlainMainWindow main;
    HotKeyOpen(main.dialog);
    std::unique_ptr<testkit::HeldKeys> held;
    bool mainEnabled = true, registeredMeanwhile = true;
    DialogScript script({[&](HWND dialog) {
        mainEnabled = IsWindowEnabled(main.hwnd()) != 0;
        registeredMeanwhile = TakeRegistration(main.hwnd());
        testkit::SaveScreenImage(dialog, "change-hot-key");
        // Ctrl, then Alt, then K while holding both.
        held.reset(new testkit::HeldKeys({VK_CONTROL, VK_MENU}));
        testkit::PostKey(dialog, VK_CONTROL);
        testkit::PostKey(dialog, VK_MENU);
        testkit::PostKey(dialog, 'K');
    }});
    ChangeHotKey(main.dialog);
    held.reset();
    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(registeredMeanwhile);
    EXPECT_EQ("75", Stored("HotKey"));
    EXPECT_EQ("3", Stored("HotKeyModifier"));
    EXPECT_EQ("Enable Hot Key (Ctrl+Alt+K)", main.MenuText(IDM_HOT_KEY_TOGGLE));
    EXPECT_TRUE(TakeRegistration(main.hwnd()));
}

// Counts how the dialog ends.
class ChangeProbe : public ChangeHotKeyDialog {
  public:
    bool CmOk() override { return ++oks > 0; }
    bool CmCancel() override { return ++cancels > 0; }
    int oks = 0, cancels = 0;
};

TEST(ChangeHotKeyDialog, EnterAndModifiersAloneAreIgnoredEscapeCancelsAPlainKeyIsTaken) {
    std::unique_ptr<testkit::HeldKeys> held;
    DialogScript script({[&](HWND dialog) {
                             testkit::PostKey(dialog, VK_RETURN);
                             held.reset(new testkit::HeldKeys({VK_SHIFT}));
                             testkit::PostKey(dialog, VK_SHIFT);
                             testkit::PostKey(dialog, VK_ESCAPE);
                         },
                         [&](HWND dialog) {
                             held.reset();
                             testkit::PostKey(dialog, 'Q');
                         }});
    ChangeProbe escaped, plain;
    EXPECT_TRUE(escaped.Open(nullptr, MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY)));
    EXPECT_EQ(0, escaped.oks);
    EXPECT_EQ(1, escaped.cancels);
    EXPECT_EQ("<absent>", Stored("HotKey"));
    EXPECT_TRUE(plain.Open(nullptr, MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY)));
    EXPECT_EQ(1, plain.oks);
    EXPECT_EQ("81", Stored("HotKey"));
    EXPECT_EQ("0", Stored("HotKeyModifier"));
}

TEST(LogonStart, TheRunValueFollowsHotKeyOn) {
    const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    SetSettingBool("Settings", "HotKeyOn", true);
    UpdateLogonStart();
    std::string bytes;
    unsigned long type = 0;
    ASSERT_TRUE(testkit::ReadMachineValue(kRunKey, "QuillmarkRun", &bytes, &type));
    EXPECT_EQ(static_cast<unsigned long>(REG_SZ), type);
    EXPECT_EQ("\"" + std::string(program) + "\" /logon" + '\0', bytes);

    SetSettingBool("Settings", "HotKeyOn", false);
    UpdateLogonStart();
    EXPECT_FALSE(testkit::ReadMachineValue(kRunKey, "QuillmarkRun", &bytes));
}

} // namespace
