// Writing the book print document "print.rtf" into a book folder.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// "PrintBookNotePerPage" of the "Settings" section (default set): page breaks between notes.
bool ReadPrintNotePerPage();

// Called before each note is read with its list index and the note count.
using PrintProgress = std::function<void(size_t index, size_t count)>;

// Replaces "print.rtf" in folder with the notes of names (list order), each read whole and
// printed in its own encoding; notes without text are left out. The file's path goes into path
// (260 bytes). True when the whole document was written; false when the file could not be
// created or a write failed (the print request may then still be made, as before).
// fileNames: see ReadListedNote.
bool WritePrintDocument(const char* folder, const std::vector<std::string>& names, bool perPage,
                        const PrintProgress& progress, char* path,
                        const std::vector<std::wstring>& fileNames = {});
