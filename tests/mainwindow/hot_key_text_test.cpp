// The hot key's text: modifiers in a fixed order, then the key's name, within 259 characters.
#include "mainwindow/hot_key_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Compose(unsigned modifiers, const std::string& name) {
    char out[kHotKeyTextSize + 8];
    std::memset(out, '#', sizeof out);
    ComposeHotKeyText(modifiers, name.c_str(), out);
    EXPECT_EQ(std::string(8, '#'), std::string(out + kHotKeyTextSize, 8)) << "written past 260";
    return out;
}

TEST(ComposeHotKeyText, ModifiersComeAsCtrlAltShift) {
    EXPECT_EQ("Shift+F8", Compose(kHotKeyShift, "F8"));
    EXPECT_EQ("Ctrl+Alt+K", Compose(kHotKeyAlt | kHotKeyCtrl, "K"));
    EXPECT_EQ("Ctrl+Alt+Shift+Home", Compose(7, "Home"));
    EXPECT_EQ("Q", Compose(0, "Q"));
    EXPECT_EQ("Ctrl+", Compose(kHotKeyCtrl, ""));
    // Bits above the three modifiers add nothing.
    EXPECT_EQ("F1", Compose(8, "F1"));
}

TEST(ComposeHotKeyText, LongNamesAreCutAt259) {
    EXPECT_EQ("Ctrl+" + std::string(254, 'x'), Compose(kHotKeyCtrl, std::string(1000, 'x')));
    EXPECT_EQ(std::string(259, 'y'), Compose(0, std::string(300, 'y')));
}

TEST(FormatHotKeyMenuText, NamesTheKeyAndStaysWithinTheBuffer) {
    char out[kHotKeyTextSize + 8];
    std::memset(out, '#', sizeof out);
    FormatHotKeyMenuText("Shift+F8", out);
    EXPECT_STREQ("Enable Hot Key (Shift+F8)", out);
    FormatHotKeyMenuText(std::string(259, 'z').c_str(), out);
    EXPECT_EQ(259u, std::strlen(out));
    EXPECT_EQ(std::string(8, '#'), std::string(out + kHotKeyTextSize, 8));
}

} // namespace
