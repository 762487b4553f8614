#include "notes/note_encoding.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LeMark[] = "\xFF\xFE";
const char16_t kReplacement = 0xFFFD;

bool StartsWith(const std::string& bytes, const char* mark, size_t length) {
    return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at bytes (1 to 4) and its code point; 0 when none
// starts there.
size_t Utf8Sequence(const unsigned char* bytes, size_t length, char32_t* point) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) {
        *point = lead;
        return 1;
    }
    size_t size;
    char32_t value;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (length < size) return 0;
    for (size_t i = 1; i < size; ++i) {
        if (!IsContinuation(bytes[i])) return 0;
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    *point = value;
    return size;
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

} // namespace

bool IsValidUtf8(const char* bytes, size_t length) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes);
    const unsigned char* end = at + length;
    while (at < end) {
        if (*at < 0x80) {
            ++at;
            continue;
        }
        char32_t point;
        size_t size = Utf8Sequence(at, static_cast<size_t>(end - at), &point);
        if (size == 0) return false;
        at += size;
    }
    return true;
}

NoteEncoding DetectNoteEncoding(const std::string& bytes) {
    if (StartsWith(bytes, kUtf8Mark, 3)) return NoteEncoding::Utf8Bom;
    if (StartsWith(bytes, kUtf16LeMark, 2)) return NoteEncoding::Utf16Le;
    bool high = false;
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) > 127) {
            high = true;
            break;
        }
    }
    if (high && IsValidUtf8(bytes.data(), bytes.size())) return NoteEncoding::Utf8;
    return NoteEncoding::Ansi;
}

std::string EncodingMark(NoteEncoding encoding) {
    switch (encoding) {
    case NoteEncoding::Utf8Bom:
        return kUtf8Mark;
    case NoteEncoding::Utf16Le:
        return kUtf16LeMark;
    default:
        return "";
    }
}

std::u16string Utf8ToUtf16(const char* bytes, size_t length) {
    std::u16string text;
    text.reserve(length);
    const auto* at = reinterpret_cast<const unsigned char*>(bytes);
    const unsigned char* end = at + length;
    while (at < end) {
        char32_t point;
        size_t size = Utf8Sequence(at, static_cast<size_t>(end - at), &point);
        if (size == 0) {
            text += kReplacement;
            ++at;
            continue;
        }
        at += size;
        if (point < 0x10000) {
            text += static_cast<char16_t>(point);
        } else {
            point -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (point >> 10));
            text += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
        }
    }
    return text;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string DecodeUnicodeNote(const std::string& bytes, NoteEncoding encoding) {
    const size_t skip = EncodingMark(encoding).size();
    if (bytes.size() <= skip) return std::u16string();
    if (encoding != NoteEncoding::Utf16Le)
        return Utf8ToUtf16(bytes.data() + skip, bytes.size() - skip);
    std::u16string text;
    text.reserve((bytes.size() - skip + 1) / 2);
    for (size_t i = skip; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if ((bytes.size() - skip) % 2 != 0) text += kReplacement;
    return text;
}

std::string EncodeUnicodeNote(const std::u16string& text, NoteEncoding encoding) {
    std::string bytes = EncodingMark(encoding);
    if (encoding != NoteEncoding::Utf16Le) return bytes + Utf16ToUtf8(text);
    bytes.reserve(bytes.size() + 2 * text.size());
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
