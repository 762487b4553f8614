// A note's bytes as the text the editor shows (UTF-16), and back, in the note's own encoding.
#pragma once

#include "notes/note_encoding.h"

#include <string>

// Decides the encoding of a note's bytes and decodes them; an ANSI note goes through the
// machine's ANSI code page, as the editor itself reads plain text. A NUL character has no place
// in a note's text (an editor ends its text there, and the next save would cut the note): it
// becomes a blank, so the rest of the note is always kept.
NoteEncoding DecodeNoteText(const std::string& bytes, std::wstring* text);

// The bytes of text for a note in *encoding, its mark first. An ANSI note whose text holds a
// character the ANSI code page cannot hold is written as UTF-8 with a mark instead, so nothing
// turns into "?"; *encoding then says so.
std::string EncodeNoteText(const std::wstring& text, NoteEncoding* encoding);

// Text in the machine's ANSI code page (a path, a search text) as UTF-16.
std::wstring WideFromAnsi(const char* text);
