#include "platform/text_search.h"

#include <cstring>

namespace {

unsigned char Fold(char c) {
    return static_cast<unsigned char>(c) | 0x20;
}

} // namespace

const char* FindNoCase(const char* text, const char* needle) {
    if (needle[0] == '\0') return text;
    const unsigned char first = Fold(needle[0]);
    for (const char* start = text; *start != '\0'; ++start) {
        if (Fold(*start) != first) continue;
        size_t i = 1;
        while (needle[i] != '\0' && start[i] != '\0' && Fold(start[i]) == Fold(needle[i]))
            ++i;
        if (needle[i] == '\0') return start;
        if (start[i] == '\0') return nullptr; // the rest of the text is shorter than the needle
    }
    return nullptr;
}

bool TextContains(const char* text, const char* needle, bool matchCase) {
    return (matchCase ? std::strstr(text, needle) : FindNoCase(text, needle)) != nullptr;
}
