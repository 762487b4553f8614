#include "notes/print_document.h"

#include <cstring>

void AppendRtfText(std::string& out, const char* text, size_t length) {
    size_t plain = 0; // start of the run of characters copied as they are
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r' && c != '\\' && c != '{' && c != '}') continue;
        out.append(text + plain, i - plain);
        plain = i + 1;
        if (c == '\n') {
            out += "\\par\n";
        } else if (c != '\r') {
            out += '\\';
            out += c;
        }
    }
    out.append(text + plain, length - plain);
}

void AppendRtfUnicodeText(std::string& out, const std::u16string& text, const AnsiBytes& ansi) {
    std::string run; // characters the code page holds, converted together
    std::string bytes;
    for (char16_t c : text) {
        if (c < 0x80) {
            run += static_cast<char>(c);
            continue;
        }
        if (ansi(c, &bytes)) {
            run += bytes;
            continue;
        }
        AppendRtfText(out, run.data(), run.size());
        run.clear();
        out += "\\uc1\\u";
        out += std::to_string(c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c));
        out += '?';
    }
    AppendRtfText(out, run.data(), run.size());
}

void AppendPrintHeader(std::string& out) {
    out += "{\\rtf1\\ansi {\\fonttbl {\\f0\\fswiss Verdana;} } "
           "{\\colortbl; \\red000\\green000\\blue000; }\n";
}

void AppendPrintNote(std::string& out, const char* name, const char* text, size_t length,
                     bool perPage) {
    std::string rtf;
    AppendRtfText(rtf, text, length);
    AppendPrintNoteRtf(out, name, rtf, perPage);
}

void AppendPrintNoteRtf(std::string& out, const char* name, const std::string& rtf, bool perPage) {
    if (rtf.empty()) return;
    out += "{\\b ";
    AppendRtfText(out, name, std::strlen(name));
    out += "}\\par \\par\n";
    out += rtf;
    out += perPage ? "\n\\page\n" : "\n\\par \\par\n";
}

void AppendPrintEnd(std::string& out) {
    out += "\\page }";
}
