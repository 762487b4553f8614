// The bytes of the book print document, and the document read back by a real RTF reader.
#include "notes/print_document.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string kHeader = "{\\rtf1\\ansi {\\fonttbl {\\f0\\fswiss Verdana;} } {\\colortbl; "
                            "\\red000\\green000\\blue000; }\n";

std::string Document(bool perPage, const std::vector<std::pair<std::string, std::string>>& notes) {
    std::string out;
    AppendPrintHeader(out);
    for (const auto& note : notes)
        AppendPrintNote(out, note.first.c_str(), note.second.data(), note.second.size(), perPage);
    AppendPrintEnd(out);
    return out;
}

std::string Rtf(const std::string& text) {
    std::string out;
    AppendRtfText(out, text.data(), text.size());
    return out;
}

TEST(PrintDocument, NotesUnderTheirNamesWithPageBreaksOrEmptyLines) {
    const std::vector<std::pair<std::string, std::string>> book = {{"A", "x\r\ny"}, {"B", ""}};
    EXPECT_EQ(kHeader + "{\\b A}\\par \\par\nx\\par\ny\n\\page\n\\page }", Document(true, book));
    EXPECT_EQ(kHeader + "{\\b A}\\par \\par\nx\\par\ny\n\\par \\par\n\\page }",
              Document(false, book));
    EXPECT_EQ(kHeader + "\\page }", Document(true, {}));
    EXPECT_EQ(kHeader + "{\\b 1}\\par \\par\na\n\\page\n{\\b 2}\\par \\par\nb\n\\page\n\\page }",
              Document(true, {{"1", "a"}, {"2", "b"}}));
}

TEST(PrintDocument, TextAndNamesAreEscaped) {
    EXPECT_EQ("\\{a\\\\b\\}", Rtf("{a\\b}"));
    EXPECT_EQ("\\par\n\\par\n", Rtf("\r\n\n\r"));
    EXPECT_EQ("\x80\xe9\xff\t", Rtf("\x80\xe9\xff\t"));
    EXPECT_EQ(std::string("a\0b", 3), Rtf(std::string("a\0b", 3)));
    // A name with braces still gives a well-formed bold group.
    EXPECT_EQ(kHeader + "{\\b x\\{y\\}\\\\}\\par \\par\nt\n\\page\n\\page }",
              Document(true, {{"x{y}\\", "t"}}));
}

// The document as `unrtf --text` (or another of its output formats) reads it.
std::string ReadWithUnrtf(const std::string& document, const char* format = "--text") {
    char path[] = "/tmp/quill-print-XXXXXX";
    int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(static_cast<ssize_t>(document.size()), write(fd, document.data(), document.size()));
    close(fd);
    std::string command = std::string("unrtf ") + format + " " + path + " 2>/dev/null";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        pclose(pipe);
    }
    unlink(path);
    return text;
}

TEST(PrintDocument, ARealRtfReaderGetsTheNotesBack) {
    for (bool perPage : {true, false}) {
        std::string text =
            ReadWithUnrtf(Document(perPage, {{"Shopping {list}", "milk\r\nbread\r\n"},
                                             {"Empty", ""},
                                             {"Paths", "C:\\Notes\\{draft}\nlast line"}}));
        EXPECT_NE(std::string::npos, text.find("Shopping {list}")) << text;
        EXPECT_NE(std::string::npos, text.find("milk\nbread")) << text;
        EXPECT_NE(std::string::npos, text.find("Paths")) << text;
        EXPECT_NE(std::string::npos, text.find("C:\\Notes\\{draft}\nlast line")) << text;
        EXPECT_EQ(std::string::npos, text.find("Empty")) << text;
        EXPECT_LT(text.find("milk"), text.find("last line"));
    }
}

// A stand-in for code page 1252 where it matches Latin-1: enough to tell held characters from
// others.
bool Latin1(char16_t character, std::string* bytes) {
    if (character > 0xFF || (character >= 0x80 && character < 0xA0)) return false;
    bytes->assign(1, static_cast<char>(character));
    return true;
}

TEST(PrintDocument, CharactersTheCodePageLacksAreUnicodeEscapes) {
    std::string rtf;
    AppendRtfUnicodeText(rtf, u"\u0141ukasz {Krak\u00F3w}\r\n\u65E5\u672C \U0001F4DD", Latin1);
    EXPECT_EQ("\\uc1\\u321?ukasz \\{Krak\xF3w\\}\\par\n\\uc1\\u26085?\\uc1\\u26412? "
              "\\uc1\\u-10179?\\uc1\\u-8995?",
              rtf);
    // Text the code page holds gives the bytes an ANSI note of it gives.
    std::string ansi;
    AppendRtfUnicodeText(ansi, u"Krak\u00F3w\r\nx", Latin1);
    EXPECT_EQ(Rtf("Krak\xF3w\r\nx"), ansi);
    std::string document;
    AppendPrintHeader(document);
    AppendPrintNoteRtf(document, "Names", rtf, true);
    AppendPrintEnd(document);
    // Its text output has no characters beyond ANSI; its HTML names them.
    const std::string html = ReadWithUnrtf(document, "--html");
    EXPECT_NE(std::string::npos, html.find("&#321;")) << html;
    EXPECT_NE(std::string::npos, html.find("&#26085;&#26412; &#55357;&#56541;")) << html;
}

} // namespace
