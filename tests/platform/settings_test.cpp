// The settings store against the real registry of the Wine prefix.
#include "platform/handles.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kSection[] = "Settings";
const char kSectionKey[] = "Software\\Velmora\\Quillmark\\Settings";

void StoreRaw(const char* name, DWORD type, const std::string& bytes) {
    ASSERT_TRUE(testkit::WriteMachineValue(kSectionKey, name, type, bytes));
}

std::string Read(const char* name, const char* def = "<default>") {
    char out[260];
    GetSettingString(kSection, name, def, out);
    return out;
}

TEST(Settings, NeverWrittenSectionGivesDefaultsAndFirstWriteCreatesIt) {
    EXPECT_EQ("<default>", Read("Anything"));
    EXPECT_EQ(17, GetSettingInt(kSection, "Anything", 17));
    EXPECT_TRUE(GetSettingBool(kSection, "Anything", true));
    DeleteSetting(kSection, "Anything");

    CKey key;
    EXPECT_NE(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, kSectionKey, KEY_READ));
    EXPECT_EQ(0, SetSettingString(kSection, "Name", "value"));
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, kSectionKey, KEY_READ));
    EXPECT_EQ("value", Read("Name"));
}

// A value that could not be stored is reported as such, not as the key's closing.
TEST(Settings, AFailedWriteReportsItsError) {
    const std::string tooLongName(20000, 'n');
    EXPECT_NE(0, SetSettingString(kSection, tooLongName.c_str(), "value"));
    EXPECT_NE(0, SetSettingInt(kSection, tooLongName.c_str(), 1));
    EXPECT_EQ(0, SetSettingBool(kSection, "Flag", true));
}

TEST(Settings, WritesAreStringsWithTheirTerminator) {
    std::string bytes;
    unsigned long type = 0;
    SetSettingBool(kSection, "On", true);
    ASSERT_TRUE(testkit::ReadMachineValue(kSectionKey, "On", &bytes, &type));
    EXPECT_EQ(std::string("1\0", 2), bytes);
    EXPECT_EQ(static_cast<unsigned long>(REG_SZ), type);

    SetSettingBool(kSection, "Off", false);
    ASSERT_TRUE(testkit::ReadMachineValue(kSectionKey, "Off", &bytes));
    EXPECT_EQ(std::string("0\0", 2), bytes);

    SetSettingInt(kSection, "Minus", -1);
    ASSERT_TRUE(testkit::ReadMachineValue(kSectionKey, "Minus", &bytes));
    EXPECT_EQ(std::string("-1\0", 3), bytes);
    EXPECT_EQ(-1, GetSettingInt(kSection, "Minus", 0));
}

TEST(Settings, IntegersAndFlagsReadFromStoredText) {
    const struct {
        const char* text;
        int number;
        bool flag;
    } cases[] = {
        {"  42", 42, true}, {"-7", -7, true},   {"12abc", 12, true}, {"abc", 0, true},
        {"0", 0, false},    {"00", 0, false},   {"0abc", 0, false},  {"1", 1, true},
        {"yes", 0, true},   {"false", 0, true}, {" 0", 0, true},
    };
    for (const auto& c : cases) {
        SetSettingString(kSection, "Value", c.text);
        EXPECT_EQ(c.number, GetSettingInt(kSection, "Value", 99)) << c.text;
        EXPECT_EQ(c.flag, GetSettingBool(kSection, "Value", !c.flag)) << c.text;
    }
    SetSettingString(kSection, "Empty", "");
    EXPECT_EQ("", Read("Empty")); // a stored empty text is not the default...
    EXPECT_EQ(99, GetSettingInt(kSection, "Empty", 99)); // ...but numbers and flags take it so
    EXPECT_FALSE(GetSettingBool(kSection, "Empty", false));
    EXPECT_EQ(99, GetSettingInt(kSection, "Missing", 99));
    EXPECT_TRUE(GetSettingBool(kSection, "Missing", true));
}

TEST(Settings, ValuesOf260BytesOrMoreCountAsMissing) {
    std::string fits(259, 'v');
    SetSettingString(kSection, "Fits", fits.c_str());
    EXPECT_EQ(fits, Read("Fits"));

    for (size_t length : {260u, 1000u}) {
        std::string tooLong(length, 'w');
        SetSettingString(kSection, "TooLong", tooLong.c_str());
        EXPECT_EQ("<default>", Read("TooLong")) << length;
        EXPECT_EQ(5, GetSettingInt(kSection, "TooLong", 5));
    }
}

TEST(Settings, OtherValueTypesAreReadAsTheirRawBytes) {
    StoreRaw("Dword", REG_DWORD, std::string("\x2A\0\0\0", 4));
    EXPECT_EQ("*", Read("Dword"));

    StoreRaw("Binary", REG_BINARY, "123");
    EXPECT_EQ(123, GetSettingInt(kSection, "Binary", 0));

    // 260 bytes with no terminator must not be read as a 260-character text.
    StoreRaw("Unterminated", REG_BINARY, std::string(260, 'u'));
    EXPECT_EQ("<default>", Read("Unterminated"));
}

TEST(Settings, DwordValuesReadAsTheirNumber) {
    StoreRaw("Width", REG_DWORD, std::string("\x14\x02\0\0", 4));
    EXPECT_EQ(532, GetSettingInt(kSection, "Width", 0));
    StoreRaw("Minus", REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(-1, GetSettingInt(kSection, "Minus", 0));
    StoreRaw("Off", REG_DWORD, std::string(4, '\0'));
    EXPECT_FALSE(GetSettingBool(kSection, "Off", true)); // raw bytes would read as empty
    EXPECT_EQ(0, GetSettingInt(kSection, "Off", 9));
    StoreRaw("On", REG_DWORD, std::string("\x02\0\0\0", 4));
    EXPECT_TRUE(GetSettingBool(kSection, "On", false));
    StoreRaw("List", REG_MULTI_SZ,
             std::string("12\0"
                         "34\0\0",
                         7));
    EXPECT_EQ(12, GetSettingInt(kSection, "List", 0));
    EXPECT_EQ("12", Read("List"));
}

TEST(Settings, DeleteRemovesOnlyTheNamedValue) {
    SetSettingString(kSection, "A", "a");
    SetSettingString(kSection, "B", "b");
    DeleteSetting(kSection, "A");
    DeleteSetting(kSection, "NotThere");
    EXPECT_EQ("<default>", Read("A"));
    EXPECT_EQ("b", Read("B"));
}

} // namespace
