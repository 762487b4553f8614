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

// The document as `unrtf --text` reads it.
std::string ReadWithUnrtf(const std::string& document) {
    char path[] = "/tmp/quill-print-XXXXXX";
    int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(static_cast<ssize_t>(document.size()), write(fd, document.data(), document.size()));
    close(fd);
    std::string command = std::string("unrtf --text ") + path + " 2>/dev/null";
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

} // namespace
