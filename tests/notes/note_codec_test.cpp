// Notes through the machine's real ANSI code page: every byte value comes back as it was, and
// text the code page cannot hold is saved as UTF-8 with a mark instead of as "?" or a look-alike.
#include "notes/note_codec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RoundTrip(const std::string& bytes, NoteEncoding* encoding) {
    std::wstring text;
    *encoding = DecodeNoteText(bytes, &text);
    return EncodeNoteText(text, encoding);
}

TEST(NoteCodec, EveryAnsiByteValueSurvives) {
    ASSERT_EQ(1252u, GetACP()) << "the test prefix runs in an English locale";
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        NoteEncoding encoding;
        // NUL is shown and saved as a blank, so the editor never ends the text there.
        EXPECT_EQ(byte == 0 ? " " : one, RoundTrip(one, &encoding)) << "byte " << byte;
        EXPECT_EQ(NoteEncoding::Ansi, encoding) << "byte " << byte;
        if (byte != 0) all += one;
    }
    NoteEncoding encoding;
    EXPECT_EQ(all, RoundTrip(all, &encoding));
    EXPECT_EQ(NoteEncoding::Ansi, encoding);
}

TEST(NoteCodec, TextTheCodePageCannotHoldBecomesUtf8WithAMark) {
    NoteEncoding encoding = NoteEncoding::Ansi;
    EXPECT_EQ("Krak\xF3w \x93q\x94", EncodeNoteText(L"Krak\u00F3w \u201Cq\u201D", &encoding));
    EXPECT_EQ(NoteEncoding::Ansi, encoding);
    // "Ł" has a look-alike in code page 1252 ("L"), "日本" none: both are kept.
    EXPECT_EQ("\xEF\xBB\xBF\xC5\x81ukasz \xE6\x97\xA5\xE6\x9C\xAC \xC3\xB3",
              EncodeNoteText(L"\u0141ukasz \u65E5\u672C \u00F3", &encoding));
    EXPECT_EQ(NoteEncoding::Utf8Bom, encoding);
    std::wstring text;
    EXPECT_EQ(NoteEncoding::Utf16Le, DecodeNoteText(std::string("\xFF\xFEK\0\0\0", 6), &text));
    EXPECT_TRUE(text == L"K ");
}

} // namespace
