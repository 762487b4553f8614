// The bytes of the book print document "print.rtf": every non-empty note under its name in bold,
// in list order, separated by page breaks or by empty lines.
#pragma once

#include <cstddef>
#include <string>

constexpr char kPrintDocumentName[] = "print.rtf";

// Appends note text as RTF: a line feed becomes "\par" and a line feed, carriage returns are
// dropped, and "\", "{" and "}" are escaped with a backslash. Other bytes pass unchanged.
void AppendRtfText(std::string& out, const char* text, size_t length);

// The document's opening: the RTF header with the font and colour tables.
void AppendPrintHeader(std::string& out);
// One note: its name in bold (escaped like the text, so any name gives a well-formed group),
// the converted text and the separator ("\n\page\n" when perPage, else "\n\par \par\n").
// A note with no text is left out entirely.
void AppendPrintNote(std::string& out, const char* name, const char* text, size_t length,
                     bool perPage);
// The document's closing "\page }".
void AppendPrintEnd(std::string& out);
