// Page Up and Page Down targets, and the fields that Tab finds in a note text.
#include "mainwindow/note_keys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// The text in an exact heap copy without terminator room beyond it, so that the address
// sanitizer reports any read past its length.
long Field(const std::string& text, long start, bool forward) {
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return notekeys::FieldStart(copy.get(), static_cast<long>(text.size()), start, forward);
}

TEST(NotePaging, StaysOnTheLastAndFirstNote) {
    EXPECT_EQ(2, notekeys::NextNoteIndex(1, 3));
    EXPECT_EQ(2, notekeys::NextNoteIndex(2, 3));
    EXPECT_EQ(0, notekeys::NextNoteIndex(-1, 3)); // nothing selected: the first note
    EXPECT_EQ(-1, notekeys::NextNoteIndex(-1, 0));
    EXPECT_EQ(1, notekeys::PreviousNoteIndex(2));
    EXPECT_EQ(0, notekeys::PreviousNoteIndex(0));
    EXPECT_EQ(-1, notekeys::PreviousNoteIndex(-1)); // nothing selected: nothing
}

TEST(NoteFields, TabWalksTheHourLinesOfADiaryEntry) {
    // Positions as the editor counts them: each line break is one "\r".
    const std::string entry = "Monday, 30 Nov 2026\r\r09.00am: Dentist\r10.00am: \r11.00am:x";
    const long first = static_cast<long>(entry.find("Dentist"));
    const long second = static_cast<long>(entry.find("10.00am: ")) + 9;
    const long third = static_cast<long>(entry.find("x"));
    EXPECT_EQ(first, Field(entry, 0, true));
    EXPECT_EQ(second, Field(entry, first + 7, true)); // from the end of the selected field
    EXPECT_EQ(third, Field(entry, second, true));     // no space after the colon: right after it
    EXPECT_EQ(-1, Field(entry, third, true));

    // Shift+Tab searches from the field's start - 2, which is on or after its own colon.
    EXPECT_EQ(second, Field(entry, third - 2, false));
    EXPECT_EQ(first, Field(entry, second - 2, false));
    EXPECT_EQ(-1, Field(entry, first - 2, false));
}

TEST(NoteFields, EdgesOfTheText) {
    EXPECT_EQ(-1, Field("no fields here", 0, true));
    EXPECT_EQ(-1, Field("no fields here", 14, false));
    EXPECT_EQ(-1, Field("", 0, true));
    EXPECT_EQ(-1, Field("", -2, false));
    EXPECT_EQ(5, Field("ends:", 0, true));  // a colon at the very end: an empty field there
    EXPECT_EQ(6, Field("ends: ", 0, true)); // and one space after it is skipped
    EXPECT_EQ(3, Field("a: b", -7, true));  // a start before the text searches all of it
    EXPECT_EQ(2, Field("a:b", 500, false)); // a start after it too
}

} // namespace
