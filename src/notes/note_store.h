// What the open note needs of the files behind it: a note's stamp, writing, renaming and the
// copies that keep text nobody could save. The program's store is the disk (DiskNoteStore in
// note_files.h); tests give a store of their own.
#pragma once

#include "platform/lfile.h"

#include <functional>

// Writes a note's text into an open file that the store hands over (a Windows HANDLE for the
// disk); true when all of it was written.
using NoteTextWriter = std::function<bool(void* file)>;

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

class NoteStore {
  public:
    virtual ~NoteStore() = default;
    virtual NoteStamp ReadStamp(const char* path) = 0;
    // Creates or replaces the note file at path with what write writes; true when it is whole.
    virtual bool Write(const char* path, const NoteTextWriter& write) = 0;
    // Renames the note at oldPath to the typed name, writing its text with write; whatever
    // happens, the text ends up in a file (see RenameNote).
    virtual RenameOutcome Rename(const char* oldPath, const char* typedName,
                                 const NoteTextWriter& write) = 0;
    // A new conflict copy beside the note at path, never replacing a file; true with its path
    // in copyPath (260 bytes).
    virtual bool WriteConflictCopy(const char* path, const NoteTextWriter& write,
                                   char* copyPath) = 0;
    // A new file for the text of the note at path in a folder of the user's own, for when the
    // note's folder takes no file at all; true with its path in copyPath (260 bytes).
    virtual bool WriteRecoveryCopy(const char* path, const NoteTextWriter& write,
                                   char* copyPath) = 0;
    // A writer of the bytes the note file at path holds now.
    virtual NoteTextWriter FileText(const char* path) = 0;
};
