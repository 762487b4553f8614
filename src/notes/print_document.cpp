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

void AppendPrintHeader(std::string& out) {
    out += "{\\rtf1\\ansi {\\fonttbl {\\f0\\fswiss Verdana;} } "
           "{\\colortbl; \\red000\\green000\\blue000; }\n";
}

void AppendPrintNote(std::string& out, const char* name, const char* text, size_t length,
                     bool perPage) {
    if (length == 0) return;
    out += "{\\b ";
    AppendRtfText(out, name, std::strlen(name));
    out += "}\\par \\par\n";
    AppendRtfText(out, text, length);
    out += perPage ? "\n\\page\n" : "\n\\par \\par\n";
}

void AppendPrintEnd(std::string& out) {
    out += "\\page }";
}
