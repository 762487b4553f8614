// The note-file scan of the search across all notes of a book.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Called before each note is read with its list index and the note count; returning false
// cancels the scan. The "Finding" window pumps its messages and shows the progress here.
using NoteScanStep = std::function<bool(size_t index, size_t count)>;

// Reads the notes of folder from *index on, in list order (names), each up to its first 32,766
// bytes, and stops at the first that holds text: byte for byte when matchCase, otherwise as
// FindNoCase compares. True when one was found; *index is then its list index. False when none
// was or the scan was cancelled; *index then is where the scan stopped.
// Missing, empty and unreadable note files are passed over.
bool FindNoteContaining(const char* folder, const std::vector<std::string>& names, int* index,
                        const char* text, bool matchCase, const NoteScanStep& step);
