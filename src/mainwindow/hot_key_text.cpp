#include "mainwindow/hot_key_text.h"

#include <cstdio>

namespace {

// Appends text at out[length], never past the terminator's place; returns the new length.
size_t Append(char* out, size_t length, const char* text) {
    while (length + 1 < kHotKeyTextSize && *text != '\0')
        out[length++] = *text++;
    out[length] = '\0';
    return length;
}

} // namespace

void ComposeHotKeyText(unsigned modifiers, const char* keyName, char* out) {
    size_t length = 0;
    out[0] = '\0';
    if (modifiers & kHotKeyCtrl) length = Append(out, length, "Ctrl+");
    if (modifiers & kHotKeyAlt) length = Append(out, length, "Alt+");
    if (modifiers & kHotKeyShift) length = Append(out, length, "Shift+");
    Append(out, length, keyName);
}

void FormatHotKeyMenuText(const char* keyText, char* out) {
    std::snprintf(out, kHotKeyTextSize, "Enable Hot Key (%s)", keyText);
}
