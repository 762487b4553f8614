// The search scan over the note files of a book.
#include "notes/note_search.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testkit::ScratchPath;
using testkit::WriteFileBytes;

namespace {

const std::vector<std::string> kNames = {"empty", "missing", "lower", "upper", "late"};

class NoteSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileBytes(ScratchPath("empty.txt"), ""));
        ASSERT_TRUE(WriteFileBytes(ScratchPath("lower.txt"), "x abc y"));
        ASSERT_TRUE(WriteFileBytes(ScratchPath("upper.txt"), "ABC"));
        // "hidden" starts exactly at byte 32,766: beyond what a note read takes.
        ASSERT_TRUE(WriteFileBytes(ScratchPath("late.txt"), std::string(32766, '.') + "hidden"));
    }
    // The index found, or -1; steps records the indexes the scan reported.
    int Find(int start, const char* text, bool matchCase, int cancelAt = -1) {
        int index = start;
        steps.clear();
        bool found = FindNoteContaining(testkit::Scratch().c_str(), kNames, &index, text, matchCase,
                                        [&](size_t i, size_t count) {
                                            EXPECT_EQ(kNames.size(), count);
                                            steps.push_back(static_cast<int>(i));
                                            return static_cast<int>(i) != cancelAt;
                                        });
        stoppedAt = index;
        return found ? index : -1;
    }
    std::vector<int> steps;
    int stoppedAt = 0;
};

TEST_F(NoteSearch, FindsTheFirstNoteFromTheStartIndex) {
    EXPECT_EQ(2, Find(0, "ABC", false));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), steps);
    EXPECT_EQ(3, Find(0, "ABC", true));
    EXPECT_EQ(3, Find(3, "abc", false));
    EXPECT_EQ(-1, Find(4, "abc", false));
    EXPECT_EQ(5, stoppedAt);
    EXPECT_EQ(-1, Find(0, "abc y!", false));
}

TEST_F(NoteSearch, OnlyTheFirst32766BytesAreSearched) {
    EXPECT_EQ(-1, Find(0, "hidden", false));
    EXPECT_EQ(4, Find(0, "....", true));
}

TEST_F(NoteSearch, CancelStopsBeforeTheNextNote) {
    EXPECT_EQ(-1, Find(0, "ABC", true, 2));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), steps);
    EXPECT_EQ(2, stoppedAt);
}

} // namespace
