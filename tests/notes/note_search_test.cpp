// The search scan over the note files of a book.
#include "notes/note_search.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testkit::ScratchPath;
using testkit::WriteFileBytes;

namespace {

const std::vector<std::string> kNames = {"empty", "missing", "lower", "upper", "late",
                                         "utf8", "utf16"};

class NoteSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileBytes(ScratchPath("empty.txt"), ""));
        ASSERT_TRUE(WriteFileBytes(ScratchPath("lower.txt"), "x abc y"));
        ASSERT_TRUE(WriteFileBytes(ScratchPath("upper.txt"), "ABC"));
        // "hidden" starts at 34 KB of a 42 KB note.
        ASSERT_TRUE(WriteFileBytes(ScratchPath("late.txt"), std::string(34 * 1024, '.') +
                                                                "hidden {x}" +
                                                                std::string(8 * 1024, '.')));
        ASSERT_TRUE(WriteFileBytes(ScratchPath("utf8.txt"), "Krak\xC3\xB3w \xC5\x81ukasz"));
        ASSERT_TRUE(
            WriteFileBytes(ScratchPath("utf16.txt"), std::string("\xFF\xFEG\0\xE9\0n\0\0\0e\0", 12)));
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
    EXPECT_EQ(7, stoppedAt);
    EXPECT_EQ(-1, Find(0, "abc y!", false));
}

// Notes are searched whole, as the editor shows them: decoded from their encoding, letters
// matched by their capitals (also past ASCII), and nothing else paired up.
TEST_F(NoteSearch, WholeNotesAreSearchedAsTheEditorShowsThem) {
    EXPECT_EQ(4, Find(0, "HIDDEN", false));
    EXPECT_EQ(-1, Find(0, "[x]", false));
    EXPECT_EQ(5, Find(0, "KRAK\xF3W", false)); // "KRAKóW" typed in code page 1252
    EXPECT_EQ(-1, Find(0, "KRAK\xF3W", true));
    EXPECT_EQ(6, Find(0, "\xE9N E", false)); // "éN E": the NUL shows as a blank
}

// The scan's comparison is the editor's own: for each text and search text, a real rich edit
// control finds what NoteTextContains finds.
// A note whose file name the ANSI code page cannot spell is searched through that name.
TEST(NoteSearchNames, ANoteTheCodePageCannotNameIsReadByItsFileName) {
    ASSERT_TRUE(WriteFileBytes(testkit::Wide(testkit::Scratch()) + L"\\\u65E5\u672C.txt",
                               "the word"));
    const std::vector<std::string> names = {"plain", "??"};
    ASSERT_TRUE(WriteFileBytes(ScratchPath("plain.txt"), "nothing"));
    int index = 0;
    EXPECT_TRUE(FindNoteContaining(testkit::Scratch().c_str(), names, &index, "word", false,
                                   [](size_t, size_t) { return true; },
                                   {L"", L"\u65E5\u672C.txt"}));
    EXPECT_EQ(1, index);
}

TEST(NoteTextContains, AgreesWithTheEditorsSearch) {
    ASSERT_NE(nullptr, LoadLibraryA("riched20.dll"));
    HWND editor = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, editor);
    const struct {
        const wchar_t* text;
        const wchar_t* needle;
    } cases[] = {{L"Krak\u00F3w", L"KRAK\u00F3W"}, {L"Krak\u00F3w", L"KRAK\u00D3W"},
                 {L"a {b}", L"[B]"},                {L"a [b]", L"[B]"},
                 {L"\u0141ukasz", L"\u0142UKASZ"},   {L"\u65E5\u672C", L"\u65E5\u672C"},
                 {L"x_y", L"X\u007FY"},             {L"ABC", L"abc"}};
    for (const auto& c : cases) {
        SETTEXTEX set = {ST_DEFAULT, 1200}; // Unicode, as the note pane streams its text in
        SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                     reinterpret_cast<LPARAM>(c.text));
        for (bool matchCase : {false, true}) {
            FINDTEXTW find = {{0, -1}, c.needle};
            const bool editorFinds =
                SendMessageW(editor, EM_FINDTEXTW, FR_DOWN | (matchCase ? FR_MATCHCASE : 0),
                             reinterpret_cast<LPARAM>(&find)) >= 0;
            EXPECT_EQ(editorFinds, NoteTextContains(c.text, c.needle, matchCase))
                << "case " << (&c - cases) << (matchCase ? " matching case" : "");
        }
    }
    DestroyWindow(editor);
}

TEST_F(NoteSearch, CancelStopsBeforeTheNextNote) {
    EXPECT_EQ(-1, Find(0, "ABC", true, 2));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), steps);
    EXPECT_EQ(2, stoppedAt);
}

} // namespace
