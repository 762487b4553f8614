#include "notes/print_document.h"

#include <cstring>

void AppendRtfText(std::string& out, const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        switch (c) {
        case '\n':
            out += "\\par\n";
            break;
        case '\r':
            break;
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        default:
            out += c;
        }
    }
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
