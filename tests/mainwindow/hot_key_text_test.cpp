// The hot key's text: modifiers in a fixed order, then the key's name, within 259 characters.
#include "mainwindow/hot_key_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

static std::string Compose(unsigned modifiers, const std::string& name) {
    char out[kHotKeyTextSize + 8];
    std::memset(out, '#', sizeof out);
    ComposeHotKeyText(modifiers, name.c_str(), out);
    EXPECT_EQ(std::string(8, '#'), std::string(out + kHotKeyTextSize, 8)) << "written past 260";
    return out;
}

TEST(ComposeHotKeyText, ModifiersComeAsCtrlAltShiftAndLongNamesAreCut) {
    EXPECT_EQ("Shift+F8", Compose(kHotKeyShift, "F8"));
    EXPECT_EQ("Ctrl+Alt+K", Compose(kHotKeyAlt | kHotKeyCtrl, "K"));
    EXPECT_EQ("Ctrl+Alt+Shift+Home", Compose(7, "Home"));
    EXPECT_EQ("Q", Compose(0, "Q"));
    EXPECT_EQ("Ctrl+" + std::string(254, 'x'), Compose(kHotKeyCtrl, std::string(1000, 'x')));
    char menu[kHotKeyTextSize];
    FormatHotKeyMenuText(std::string(300, 'z').c_str(), menu);
    EXPECT_EQ("Enable Hot Key (" + std::string(243, 'z'), menu);
}
