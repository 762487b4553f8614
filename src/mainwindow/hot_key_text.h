// The texts that show the hot key: "Ctrl+Alt+K" and the menu item "Enable Hot Key (Ctrl+Alt+K)".
#pragma once

#include <cstddef>

// Hot-key modifier bits as the settings store them (MOD_ALT, MOD_CONTROL, MOD_SHIFT).
constexpr unsigned kHotKeyAlt = 1;
constexpr unsigned kHotKeyCtrl = 2;
constexpr unsigned kHotKeyShift = 4;

// The size of the buffers below: 259 characters and the terminator.
constexpr size_t kHotKeyTextSize = 260;

// "Ctrl+" / "Alt+" / "Shift+" for the modifiers held, in that order, then keyName, cut to fit
// 259 characters. out holds kHotKeyTextSize bytes.
void ComposeHotKeyText(unsigned modifiers, const char* keyName, char* out);
// "Enable Hot Key (<keyText>)", cut to fit 259 characters. out holds kHotKeyTextSize bytes.
void FormatHotKeyMenuText(const char* keyText, char* out);
