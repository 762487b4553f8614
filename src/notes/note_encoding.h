// How a note's bytes hold its text. Notes come from many editors: ANSI text in the machine's
// code page, UTF-8 with or without a byte-order mark, and UTF-16 little-endian with its mark
// (Notepad's "Unicode"). The encoding is decided from the bytes when a note is read, and the note
// is saved back in it, mark and all, so an edit changes only what was typed.
#pragma once

#include <cstddef>
#include <string>

enum class NoteEncoding {
    Ansi,    // the machine's ANSI code page, byte for byte
    Utf8,    // UTF-8 without a mark
    Utf8Bom, // UTF-8 after the mark EF BB BF
    Utf16Le, // UTF-16 little-endian after the mark FF FE
};

// A UTF-8 mark means UTF-8 with the mark, a UTF-16 little-endian mark UTF-16; otherwise text that
// is valid UTF-8 and holds at least one byte above 127 is UTF-8 without a mark; anything else is
// ANSI.
NoteEncoding DetectNoteEncoding(const std::string& bytes);

// The byte-order mark a note in encoding starts with ("" for none).
std::string EncodingMark(NoteEncoding encoding);

// Strictly valid UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(const char* bytes, size_t length);

// UTF-8 to UTF-16. A byte that starts no valid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const char* bytes, size_t length);
// UTF-16 to UTF-8. A surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

// The UTF-16 of a note's bytes after its mark, for encodings other than ANSI (which needs the
// machine's code page). An odd last byte of UTF-16 becomes U+FFFD.
std::u16string DecodeUnicodeNote(const std::string& bytes, NoteEncoding encoding);
// The bytes of a note in an encoding other than ANSI, its mark first.
std::string EncodeUnicodeNote(const std::u16string& text, NoteEncoding encoding);
