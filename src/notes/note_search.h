// The note-file scan of the search across all notes of a book.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Called before each note is read with its list index and the note count; returning false
// cancels the scan. The "Finding" window pumps its messages and shows the progress here.
using NoteScanStep = std::function<bool(size_t index, size_t count)>;

// Whether a note's text holds needle, compared as the editor's own search compares: character
// for character when matchCase, otherwise by their capitals.
bool NoteTextContains(const std::wstring& text, const std::wstring& needle, bool matchCase);

// Reads the notes of folder from *index on, in list order (names), each whole and decoded as the
// editor shows it, and stops at the first that holds text (in the ANSI code page, as typed in
// the Find dialog), compared as NoteTextContains does. True when one was found; *index is then
// its list index. False when none was or the scan was cancelled; *index then is where the scan
// stopped.
// Missing, empty and unreadable note files are passed over. fileNames: see ReadListedNote.
bool FindNoteContaining(const char* folder, const std::vector<std::string>& names, int* index,
                        const char* text, bool matchCase, const NoteScanStep& step,
                        const std::vector<std::wstring>& fileNames = {});
