// The note files of a book folder: listing, writing, deleting and renaming them.
#pragma once

#include "platform/lfile.h"

#include <functional>
#include <string>
#include <vector>

// The names of the notes in folder (its "*.txt" files, cut at the last "."), in the order the
// file system lists them; a file whose path is longer than 259 characters is left out. A
// missing folder has no notes.
std::vector<std::string> ListNotes(const char* folder);

// Deletes the files of the named notes of folder; failures are ignored.
void DeleteNotes(const char* folder, const std::vector<std::string>& names);

// Writes a note's text into an open file (a Windows HANDLE); true when all of it was written.
// The main window's writer streams the editor out; SaveNoteText writes a buffer.
using NoteTextWriter = std::function<bool(void* file)>;

// Creates or replaces the file at path and lets write fill it. True only when a disk file was
// created and write reported success; a path naming a device is not written to.
bool WriteNoteFile(const char* path, const NoteTextWriter& write);
bool SaveNoteText(const char* path, const char* text, size_t length);

// What a note file looked like on disk, to tell whether someone else has written it since:
// its size and last write time (exists false when there is no such file).
struct NoteStamp {
    bool exists = false;
    unsigned long long size = 0;
    unsigned long long written = 0;
    bool readOnly = false;
};
bool operator==(const NoteStamp& a, const NoteStamp& b);
inline bool operator!=(const NoteStamp& a, const NoteStamp& b) {
    return !(a == b);
}
NoteStamp ReadNoteStamp(const char* path);

// Writes the text of the note at path into a new conflict copy beside it (see ConflictCopyName),
// never replacing a file. True with the copy's path in copyPath (260 bytes).
bool WriteConflictCopy(const char* path, const NoteTextWriter& write, char* copyPath);

enum class RenameResult {
    NotRenamed, // no name left after cleaning: nothing done, nothing written
    Renamed,    // the text is in the file of the new name; the old file is gone
    NameExists, // another note has that name: the text was written back to the old file
    Failed,     // the file system refused the new name: the text was written back to the old file
};

struct RenameOutcome {
    RenameResult result = RenameResult::NotRenamed;
    bool textSaved = false; // the text is on disk (false only if even the old file failed)
    char path[LFile::kPathSize] = ""; // the note's file afterwards (new path only when Renamed)
    char name[LFile::kPathSize] = ""; // the cleaned name (valid unless NotRenamed)
};

// Renames the open note at oldPath to the typed name and writes its text with write. The name
// is cleaned of the characters a file name cannot hold; renaming to the same name in other
// letter case works. Whatever happens, the note's text ends up in a file: in the new one when
// the rename succeeds, otherwise back in the old one.
RenameOutcome RenameNote(const char* oldPath, const char* typedName, const NoteTextWriter& write);
