// Deciding a note's encoding from its bytes and the conversions between UTF-8 and UTF-16: every
// note that is not ANSI must come back byte for byte after a decode and an encode.
#include "notes/note_encoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Bytes back from a decode and an encode in the encoding the detector chose.
std::string RoundTrip(const std::string& bytes) {
    const NoteEncoding encoding = DetectNoteEncoding(bytes);
    return EncodeUnicodeNote(DecodeUnicodeNote(bytes, encoding), encoding);
}

TEST(NoteEncoding, MarksValidUtf8AndEverythingElse) {
    EXPECT_EQ(NoteEncoding::Utf8Bom, DetectNoteEncoding("\xEF\xBB\xBFplain"));
    EXPECT_EQ(NoteEncoding::Utf8Bom, DetectNoteEncoding("\xEF\xBB\xBF"));
    EXPECT_EQ(NoteEncoding::Utf16Le, DetectNoteEncoding(std::string("\xFF\xFEK\0r\0", 6)));
    EXPECT_EQ(NoteEncoding::Utf8, DetectNoteEncoding("Krak\xC3\xB3w \xE2\x80\x9C" "final\xE2\x80\x9D"));
    EXPECT_EQ(NoteEncoding::Utf8, DetectNoteEncoding("\xF0\x9F\x93\x9D note"));
    // Plain ASCII, empty notes and the UTF-8 look-alikes of ANSI text stay ANSI.
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding(""));
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("only ascii\r\n"));
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("caf\xE9"));                // cut short
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xC3\xB3 then \xE9"));    // mostly UTF-8
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xC0\xAF"));              // overlong "/"
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xE0\x80\xAF"));          // overlong
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xED\xA0\x80"));          // surrogate
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xF4\x90\x80\x80"));      // past U+10FFFF
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xE2\x80"));              // cut at the end
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xFE\xFF\x00K"));         // big-endian
    EXPECT_EQ(NoteEncoding::Ansi, DetectNoteEncoding("\xA3 \xB1"));             // Windows-1252
}

TEST(NoteEncoding, UnicodeNotesComeBackByteForByte) {
    const std::string utf8 = "\xC5\x81ukasz \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\x9D\r\nend";
    EXPECT_EQ(utf8, RoundTrip(utf8));
    EXPECT_EQ("\xEF\xBB\xBF" + utf8, RoundTrip("\xEF\xBB\xBF" + utf8));
    const std::u16string text = DecodeUnicodeNote(utf8, NoteEncoding::Utf8);
    EXPECT_EQ(u"\u0141ukasz \u65E5\u672C \U0001F4DD\r\nend", text);
    // UTF-16 keeps every unit, even a surrogate without its partner and a NUL.
    const std::string utf16("\xFF\xFEK\0\x01\xD8\0\0r\0", 10);
    EXPECT_EQ(utf16, RoundTrip(utf16));
    EXPECT_EQ(std::u16string(u"K\xD801\0r", 4), DecodeUnicodeNote(utf16, NoteEncoding::Utf16Le));
    EXPECT_EQ(u"K\xFFFD", DecodeUnicodeNote(std::string("\xFF\xFEK\0x", 5), NoteEncoding::Utf16Le));
    EXPECT_EQ("\xFF\xFE", EncodeUnicodeNote(u"", NoteEncoding::Utf16Le));
    EXPECT_EQ("\xEF\xBB\xBF", EncodeUnicodeNote(u"", NoteEncoding::Utf8Bom));
    // Text that UTF-8 cannot hold as it stands is written as U+FFFD, never cut.
    EXPECT_EQ("a\xEF\xBF\xBD" "b", Utf16ToUtf8(u"a\xDC00" "b"));
    EXPECT_EQ("\xEF\xBF\xBD", Utf16ToUtf8(u"\xD800"));
    EXPECT_EQ(u"a\xFFFD" "b", Utf8ToUtf16("a\xFF" "b", 3));
}

// Random notes built from pieces that look like real text in every encoding, and some noise: the
// detector never reads outside the bytes (the sanitizers watch), and what it calls UTF-8 or
// UTF-16 always comes back whole.
TEST(NoteEncoding, FuzzedNotesAreDecidedSafelyAndKeptWhole) {
    const std::string pieces[] = {"a",    "\r\n", "\xC3\xB3", "\xE2\x80\x9D", "\xF0\x9F\x93\x9D",
                                  "\xE9", "\x80", "\xC0",     "\xED\xA0\x80", "\xF4\x90",
                                  "\xEF\xBB\xBF", "\xFF\xFE", std::string(1, '\0')};
    std::mt19937 random(18);
    int utf8 = 0, ansi = 0, utf16 = 0;
    for (int note = 0; note < 100000; ++note) {
        std::string bytes;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            if (random() % 4 == 0)
                bytes += static_cast<char>(random() & 0xFF);
            else
                bytes += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        }
        switch (DetectNoteEncoding(bytes)) {
        case NoteEncoding::Ansi:
            ++ansi;
            ASSERT_FALSE(bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0);
            break;
        case NoteEncoding::Utf8:
            ++utf8;
            ASSERT_TRUE(IsValidUtf8(bytes.data(), bytes.size()));
            ASSERT_EQ(bytes, RoundTrip(bytes));
            break;
        case NoteEncoding::Utf8Bom:
            if (IsValidUtf8(bytes.data(), bytes.size())) {
                ASSERT_EQ(bytes, RoundTrip(bytes));
            }
            break;
        case NoteEncoding::Utf16Le:
            ++utf16;
            if (bytes.size() % 2 == 0) {
                ASSERT_EQ(bytes, RoundTrip(bytes));
            }
            break;
        }
    }
    // Every kind came up often enough to mean something.
    EXPECT_GT(utf8, 1000);
    EXPECT_GT(ansi, 1000);
    EXPECT_GT(utf16, 1000);
}

} // namespace
