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

TEST(BookPrint, LongNotesAreCutAndBracesEscaped) {
    std::string longText(40000, 'a');
    longText[32765] = 'L';
    ASSERT_TRUE(WriteFileBytes(ScratchPath("long.txt"), longText));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("x{1}.txt"), "{a\\b}"));
    std::string document = Print({"long", "x{1}"}, true);
    const std::string body = std::string(32765, 'a') + "L\n\\page\n";
    EXPECT_EQ(kHeader + "{\\b long}\\par \\par\n" + body +
                  "{\\b x\\{1\\}}\\par \\par\n\\{a\\\\b\\}\n\\page\n\\page }",
              document);
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
