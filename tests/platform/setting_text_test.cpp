#include "platform/setting_text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SettingText, IntegersReadAsAtoiReadsThem) {
    EXPECT_EQ(42, SettingTextToInt("  42", 5));
    EXPECT_EQ(-7, SettingTextToInt("-7", 5));
    EXPECT_EQ(12, SettingTextToInt("12abc", 5));
    EXPECT_EQ(0, SettingTextToInt("abc", 5));
    EXPECT_EQ(3, SettingTextToInt("+3", 5));
    EXPECT_EQ(5, SettingTextToInt("", 5));
}

TEST(SettingText, IntegersOutOfRangeAreClamped) {
    EXPECT_EQ(INT_MAX, SettingTextToInt("99999999999999999999999", 0));
    EXPECT_EQ(INT_MIN, SettingTextToInt("-99999999999999999999999", 0));
    EXPECT_EQ(INT_MIN, SettingTextToInt("-2147483648", 0));
}

TEST(SettingText, FlagIsClearOnlyForALeadingZero) {
    for (const char* text : {"0", "00", "0abc"})
        EXPECT_FALSE(SettingTextToBool(text, true)) << text;
    for (const char* text : {"1", "yes", "false", " 0"})
        EXPECT_TRUE(SettingTextToBool(text, false)) << text;
    EXPECT_TRUE(SettingTextToBool("", true));
    EXPECT_FALSE(SettingTextToBool("", false));
}
