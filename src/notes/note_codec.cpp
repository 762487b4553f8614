#include "notes/note_codec.h"

#include <windows.h>

#include <algorithm>

namespace {

std::u16string AsUtf16(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

} // namespace

NoteEncoding DecodeNoteText(const std::string& bytes, std::wstring* text) {
    const NoteEncoding encoding = DetectNoteEncoding(bytes);
    text->clear();
    if (encoding == NoteEncoding::Ansi) {
        if (!bytes.empty()) {
            const int length = static_cast<int>(bytes.size());
            const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
            text->resize(static_cast<size_t>(units));
            MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, &(*text)[0], units);
        }
    } else {
        const std::u16string unicode = DecodeUnicodeNote(bytes, encoding);
        text->assign(reinterpret_cast<const wchar_t*>(unicode.data()), unicode.size());
    }
    std::replace(text->begin(), text->end(), L'\0', L' ');
    return encoding;
}

std::string EncodeNoteText(const std::wstring& text, NoteEncoding* encoding) {
    if (*encoding != NoteEncoding::Ansi) return EncodeUnicodeNote(AsUtf16(text), *encoding);
    std::string bytes;
    if (text.empty()) return bytes;
    const int length = static_cast<int>(text.size());
    // No best fit: "\u0141" written as "L" would be as lost as "?".
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (!usedDefault) {
        bytes.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_ACP, flags, text.data(), length, &bytes[0], size, nullptr,
                            &usedDefault);
    }
    if (!usedDefault) return bytes;
    *encoding = NoteEncoding::Utf8Bom;
    return EncodeUnicodeNote(AsUtf16(text), *encoding);
}

std::wstring WideFromAnsi(const char* text) {
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], units);
    wide.resize(static_cast<size_t>(units - 1));
    return wide;
}
