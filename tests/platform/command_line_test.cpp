// Command lines with a quoted program path, and the arguments read back from both forms.
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kProgram[] = "C:\\Program Files\\Velmora\\Quillmark\\qmark.exe";

TEST(CommandLine, ProgramPathIsQuotedAndArgumentsFollow) {
    char out[300];
    ASSERT_TRUE(QuotedCommandLine(kProgram, "/logon", out, sizeof out));
    EXPECT_STREQ("\"C:\\Program Files\\Velmora\\Quillmark\\qmark.exe\" /logon", out);
    ASSERT_TRUE(QuotedCommandLine(kProgram, nullptr, out, sizeof out));
    EXPECT_STREQ("\"C:\\Program Files\\Velmora\\Quillmark\\qmark.exe\"", out);
    ASSERT_TRUE(QuotedCommandLine("C:\\Temp\\uninst.exe", "", out, sizeof out));
    EXPECT_STREQ("\"C:\\Temp\\uninst.exe\"", out);

    // Too long, or a path that would close the quotes early: nothing to start.
    EXPECT_FALSE(QuotedCommandLine(kProgram, "/logon", out, 20));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(QuotedCommandLine(std::string(1000, 'a').c_str(), nullptr, out, sizeof out));
    EXPECT_FALSE(QuotedCommandLine("C:\\a\" b.exe", nullptr, out, sizeof out));
}

TEST(CommandLine, LogonIsTheArgumentAfterThePathQuotedOrNot) {
    // As this program writes it now, and as earlier versions wrote it, unquoted.
    EXPECT_TRUE(IsLogonStart("\"C:\\Program Files\\Velmora\\Quillmark\\qmark.exe\" /logon",
                             kProgram));
    EXPECT_TRUE(IsLogonStart("C:\\Program Files\\Velmora\\Quillmark\\qmark.exe /logon", kProgram));
    EXPECT_TRUE(IsLogonStart("c:\\program files\\velmora\\quillmark\\QMARK.EXE  /logon", kProgram));
    EXPECT_TRUE(IsLogonStart("qmark.exe /logon", kProgram));
    EXPECT_TRUE(IsLogonStart("  \"qmark\"/logon extra", kProgram));

    EXPECT_FALSE(IsLogonStart("\"C:\\Program Files\\Velmora\\Quillmark\\qmark.exe\"", kProgram));
    EXPECT_FALSE(IsLogonStart("C:\\Program Files\\Velmora\\Quillmark\\qmark.exe", kProgram));
    EXPECT_FALSE(IsLogonStart("C:\\Program Files\\Velmora\\Quillmark\\qmark.exe /logonx", kProgram));
    EXPECT_FALSE(IsLogonStart("C:\\Program Files\\Velmora\\Quillmark\\qmark.exe x /logon", kProgram));
    EXPECT_FALSE(IsLogonStart("\"C:\\Program Files\\Velmora\\Quillmark\\qmark.exe /logon", kProgram));
    EXPECT_FALSE(IsLogonStart("", kProgram));

    EXPECT_STREQ("a b", ArgumentsAfterProgram("C:\\Program Files\\Velmora\\Quillmark\\qmark.exe a b",
                                              kProgram));
    EXPECT_STREQ("Files\\x.exe", ArgumentsAfterProgram("C:\\Program Files\\x.exe", kProgram));
}

} // namespace
