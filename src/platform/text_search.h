// Text search over zero-terminated 8-bit texts, shared by the note search and the dialogs.
#pragma once

// The first occurrence of needle in text, comparing bytes as equal when they are equal after
// setting bit 0x20 in both (ASCII capitals match small letters; some punctuation and control
// bytes pair up the same way). Returns a pointer into text, or nullptr.
// An empty needle matches at the start of the text.
const char* FindNoCase(const char* text, const char* needle);

// Whether text holds needle: byte for byte when matchCase, otherwise as FindNoCase compares.
bool TextContains(const char* text, const char* needle, bool matchCase);
