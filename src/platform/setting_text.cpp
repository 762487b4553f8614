#include "platform/setting_text.h"

#include <cctype>
#include <climits>

int SettingTextToInt(const char* text, int def) {
    if (text[0] == '\0') return def;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    // Accumulated in 64 bits and clamped, so a long run of digits cannot overflow.
    long long value = 0;
    for (; std::isdigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

bool SettingTextToBool(const char* text, bool def) {
    if (text[0] == '\0') return def;
    return text[0] != '0';
}
