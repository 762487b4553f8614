#include "mainwindow/book_template.h"

std::string SpaceAfterLineEndColons(const std::string& text) {
    std::string result;
    result.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] != ':') continue;
        const bool lineEnds = i + 1 == text.size() || text[i + 1] == '\n' || text[i + 1] == '\r';
        if (lineEnds) result += ' ';
    }
    return result;
}
