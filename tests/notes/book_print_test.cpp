// The book print document written into a book folder.
#include "notes/book_print.h"
#include "notes/note_files.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testkit::ReadFileBytes;
using testkit::ScratchPath;
using testkit::WriteFileBytes;

namespace {

const std::string kHeader = "{\\rtf1\\ansi {\\fonttbl {\\f0\\fswiss Verdana;} } {\\colortbl; "
                            "\\red000\\green000\\blue000; }\n";

std::string Print(const std::vector<std::string>& names, bool perPage,
                  std::vector<size_t>* steps = nullptr) {
    char path[260];
    bool ok = WritePrintDocument(
        testkit::Scratch().c_str(), names, perPage,
        [&](size_t index, size_t count) {
            EXPECT_EQ(names.size(), count);
            if (steps) steps->push_back(index);
        },
        path);
    EXPECT_EQ(ScratchPath("print.rtf"), path);
    return ok ? ReadFileBytes(path) : "<failed>";
}

TEST(BookPrint, TheDocumentOfABook) {
    ASSERT_TRUE(WriteFileBytes(ScratchPath("A.txt"), "x\r\ny"));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("B.txt"), ""));
    std::vector<size_t> steps;
    EXPECT_EQ(kHeader + "{\\b A}\\par \\par\nx\\par\ny\n\\page\n\\page }",
              Print({"A", "B", "missing"}, true, &steps));
    EXPECT_EQ((std::vector<size_t>{0, 1, 2}), steps);
    // The document replaces the old one and is no note itself.
    EXPECT_EQ(2u, ListNotes(testkit::Scratch().c_str()).size());
    EXPECT_TRUE(ReadPrintNotePerPage());
    SetSettingBool("Settings", "PrintBookNotePerPage", false);
    EXPECT_FALSE(ReadPrintNotePerPage());
}

// Every note is printed whole, in its own encoding: ANSI bytes as they stand, characters the
// code page lacks as Unicode escapes.
TEST(BookPrint, NotesArePrintedWholeInTheirEncoding) {
    std::string longText(100 * 1024, 'a');
    longText[32765] = 'L';
    longText.back() = 'Z';
    ASSERT_TRUE(WriteFileBytes(ScratchPath("long.txt"), longText));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("x{1}.txt"), std::string("{a\\b}\0\xE9", 7)));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("utf8.txt"), "\xC5\x81ukasz \xC3\xB3 \xE6\x97\xA5"));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("utf16.txt"), std::string("\xFF\xFE\x41\x01!\0", 6)));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("mark.txt"), "\xEF\xBB\xBF"));
    std::string document = Print({"long", "x{1}", "utf8", "utf16", "mark"}, true);
    EXPECT_EQ(kHeader + "{\\b long}\\par \\par\n" + longText + "\n\\page\n" +
                  "{\\b x\\{1\\}}\\par \\par\n\\{a\\\\b\\} \xE9\n\\page\n" +
                  "{\\b utf8}\\par \\par\n\\uc1\\u321?ukasz \xF3 \\uc1\\u26085?\n\\page\n" +
                  "{\\b utf16}\\par \\par\n\\uc1\\u321?!\n\\page\n\\page }",
              document);
}

// A note whose file name the ANSI code page cannot spell is printed from that file, under its
// name as the note list shows it.
TEST(BookPrint, ANoteTheCodePageCannotNameIsPrintedFromItsFile) {
    ASSERT_TRUE(WriteFileBytes(testkit::Wide(testkit::Scratch()) + L"\\\u65E5\u672C.txt", "text"));
    char path[260];
    ASSERT_TRUE(WritePrintDocument(testkit::Scratch().c_str(), {"??"}, true,
                                   [](size_t, size_t) {}, path, {L"\u65E5\u672C.txt"}));
    EXPECT_EQ(kHeader + "{\\b ??}\\par \\par\ntext\n\\page\n\\page }", ReadFileBytes(path));
}

TEST(BookPrint, ManyNotesGoThroughTheBuffer) {
    std::vector<std::string> names;
    std::string expected = kHeader;
    for (int i = 0; i < 300; ++i) {
        names.push_back("n" + std::to_string(i));
        std::string text(1000, static_cast<char>('a' + i % 26));
        ASSERT_TRUE(WriteFileBytes(ScratchPath(names.back() + ".txt"), text));
        expected += "{\\b " + names.back() + "}\\par \\par\n" + text + "\n\\par \\par\n";
    }
    EXPECT_EQ(expected + "\\page }", Print(names, false));
}

TEST(BookPrint, AMissingFolderReportsFailure) {
    char path[260];
    EXPECT_FALSE(WritePrintDocument(
        ScratchPath("gone").c_str(), {"A"}, true, [](size_t, size_t) {}, path));
    EXPECT_EQ(ScratchPath("gone\\print.rtf"), path);
}

} // namespace
