// The notes of the shown book in the note list's order: sorting, finding, type-ahead, inserting.
#include "notes/note_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

NoteList Listed(const std::vector<std::string>& names) {
    std::vector<NoteFile> notes;
    for (const std::string& name : names) notes.push_back(NoteFile{name, std::wstring()});
    NoteList list;
    list.Assign(notes);
    return list;
}

TEST(NoteList, ABookIsSortedIgnoringCaseAndFoundByAnyCase) {
    NoteList list = Listed({"beta", "Alpha", "gamma", "alpha 2", "Beta 10", "beta 9"});
    EXPECT_EQ((std::vector<std::string>{"Alpha", "alpha 2", "beta", "Beta 10", "beta 9", "gamma"}),
              list.Names());
    EXPECT_EQ(3, list.Find("BETA 10"));
    EXPECT_EQ(-1, list.Find("Beta 1"));
    EXPECT_STREQ("", list.NameAt(6));
    EXPECT_STREQ("", list.NameAt(-1));
    EXPECT_TRUE(list.FileNameAt(99).empty());
}

TEST(NoteList, ANameTheCodePageCannotSpellKeepsItsFileNameThroughTheSort) {
    NoteList list;
    list.Assign({{"zeta", L""}, {"??", L"\x65e5\x672c"}, {"??", L"\x4e2d\x56fd"}, {"a", L""}});
    ASSERT_TRUE(list.HasUnspellableNames());
    ASSERT_EQ(4, list.Count());
    std::vector<std::wstring> fileNames;
    for (int i = 0; i < list.Count(); ++i)
        if (std::string(list.NameAt(i)) == "??") fileNames.push_back(list.FileNameAt(i));
    ASSERT_EQ(2u, fileNames.size());
    EXPECT_NE(fileNames[0], fileNames[1]);
    EXPECT_TRUE(list.FileNameAt(list.Find("zeta")).empty());
    list.Assign({{"a", L""}});
    EXPECT_FALSE(list.HasUnspellableNames());
}

TEST(NoteList, TypeAheadFindsTheNextNameWithThePrefixAndGoesRound) {
    NoteList list = Listed({"apple", "Banana", "blue", "cherry", "Bread"});
    // apple, Banana, blue, Bread, cherry
    EXPECT_EQ(1, list.FindPrefix("b", 0));
    EXPECT_EQ(2, list.FindPrefix("b", 2));
    EXPECT_EQ(1, list.FindPrefix("B", 4)); // round past the end
    EXPECT_EQ(3, list.FindPrefix("bR", 0));
    EXPECT_EQ(-1, list.FindPrefix("bz", 0));
    EXPECT_EQ(-1, list.FindPrefix("cherry pie", 0));
    // The same letter typed again steps to the next name that begins with it.
    EXPECT_EQ(2, list.FindPrefix("bb", 2));
    EXPECT_EQ(-1, list.FindPrefix("", 0));
    EXPECT_EQ(-1, Listed({}).FindPrefix("a", 0));
}

TEST(NoteList, ANewNoteGoesAfterItsEqualsAndARenamedOneKeepsItsPlace) {
    NoteList list = Listed({"New 1", "New 3", "Zebra"});
    EXPECT_EQ(1, list.Insert("new 2"));
    EXPECT_EQ(2, list.Insert("NEW 2"));
    EXPECT_EQ(5, list.Insert("zz"));
    EXPECT_EQ(0, list.Insert("a"));
    list.Rename(1, "Yak");
    EXPECT_EQ((std::vector<std::string>{"a", "Yak", "new 2", "NEW 2", "New 3", "Zebra", "zz"}),
              list.Names());
    // Placed by walking the list as it stands, as a sorted list control places an item.
    EXPECT_EQ(1, list.Insert("b"));
    list.Rename(99, "ignored");
    EXPECT_EQ(8, list.Count());
}

} // namespace
