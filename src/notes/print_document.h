// The bytes of the book print document "print.rtf": every non-empty note under its name in bold,
// in list order, separated by page breaks or by empty lines.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

constexpr char kPrintDocumentName[] = "print.rtf";

// Appends note text as RTF: a line feed becomes "\par" and a line feed, carriage returns are
// dropped, and "\", "{" and "}" are escaped with a backslash. Other bytes pass unchanged.
void AppendRtfText(std::string& out, const char* text, size_t length);

// The bytes of a character in the ANSI code page; false when the code page has none for it.
using AnsiBytes = std::function<bool(char16_t character, std::string* bytes)>;
// Appends UTF-16 note text as RTF: each character the ANSI code page holds as its bytes there,
// converted as AppendRtfText converts, any other as the Unicode escape "\uc1\uN?".
void AppendRtfUnicodeText(std::string& out, const std::u16string& text, const AnsiBytes& ansi);

// The document's opening: the RTF header with the font and colour tables.
void AppendPrintHeader(std::string& out);
// One note: its name in bold (escaped like the text, so any name gives a well-formed group),
// the converted text and the separator ("\n\page\n" when perPage, else "\n\par \par\n").
// A note with no text is left out entirely.
void AppendPrintNote(std::string& out, const char* name, const char* text, size_t length,
                     bool perPage);
// The same for a note whose text is already RTF (rtf empty for a note with no text).
void AppendPrintNoteRtf(std::string& out, const char* name, const std::string& rtf, bool perPage);
// The document's closing "\page }".
void AppendPrintEnd(std::string& out);
