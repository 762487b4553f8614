// The key value that LKeyDialogBox hands to KeyDown and KeyUp: the virtual-key code in bits 0-15
// and the held modifiers above it, laid out as the hot-key modifier flags shifted left by 16.
#pragma once

namespace keyvalue {

constexpr unsigned kAlt = 0x10000;
constexpr unsigned kCtrl = 0x20000;
constexpr unsigned kShift = 0x40000;
constexpr unsigned kKeyMask = 0xFFFF;

// Composes a key value; only the low 16 bits of virtualKey are kept.
inline unsigned Compose(unsigned virtualKey, bool alt, bool ctrl, bool shift) {
    return (virtualKey & kKeyMask) | (alt ? kAlt : 0) | (ctrl ? kCtrl : 0) | (shift ? kShift : 0);
}
// The virtual-key code of a key value.
inline unsigned KeyCode(unsigned keyValue) {
    return keyValue & kKeyMask;
}
// The modifiers of a key value as hot-key modifier flags (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4).
inline unsigned HotKeyModifiers(unsigned keyValue) {
    return (keyValue >> 16) & 7;
}

} // namespace keyvalue
