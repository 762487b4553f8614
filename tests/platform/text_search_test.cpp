// FindNoCase and the match-case switch of the note search.
#include "platform/text_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Offset of the match in a heap copy of text (so reads past its end are caught), or -1.
long Find(const std::string& text, const std::string& needle) {
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    text.copy(copy.get(), text.size());
    copy[text.size()] = '\0';
    const char* hit = FindNoCase(copy.get(), needle.c_str());
    return hit != nullptr ? static_cast<long>(hit - copy.get()) : -1;
}

TEST(FindNoCase, FoldsBit0x20OfEveryByte) {
    EXPECT_EQ(3, Find("an APPLE", "Apple"));
    EXPECT_EQ(0, Find("a\rb", "a-b")); // carriage return folds onto the hyphen
    EXPECT_EQ(-1, Find("a", "ab"));
    EXPECT_EQ(0, Find("[x]", "{X}"));
    EXPECT_EQ(1, Find("x@", "`"));
    EXPECT_EQ(0, Find("\xC0", "\xE0"));
    EXPECT_EQ(-1, Find("abc", "abd"));
    EXPECT_EQ(4, Find("aab aabc", "AABC")); // a partial match does not hide a later one
    EXPECT_EQ(2, Find("aaab", "ab"));
    EXPECT_EQ(-1, Find("", "a"));
    EXPECT_EQ(0, Find("abc", ""));
    std::string big(1000, 'a');
    EXPECT_EQ(-1, Find(big, big + "a"));
    EXPECT_EQ(999, Find(big + "BC", "abc"));
}

TEST(TextContains, MatchCaseComparesBytes) {
    EXPECT_TRUE(TextContains("xx abc", "ABC", false));
    EXPECT_FALSE(TextContains("xx abc", "ABC", true));
    EXPECT_TRUE(TextContains("xx ABC", "ABC", true));
    EXPECT_FALSE(TextContains("a\rb", "a-b", true));
}

} // namespace
