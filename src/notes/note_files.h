// The note files of a book folder: listing, writing, deleting and renaming them.
#pragma once

#include "notes/note_store.h"
#include "platform/lfile.h"

#include <string>
#include <vector>

// A note file of a book folder as listed. name is the note's name as the ANSI functions show
// it. fileName is empty, unless the ANSI code page cannot spell the file's name: then it holds
// that name, name has "?" for each character it cannot spell, and the note can be reached only
// through fileName: a path made of name names no file, or another one.
struct NoteFile {
    std::string name;
    std::wstring fileName;
};

// The notes in folder (its "*.txt" files, cut at the last "."), in the order the file system
// lists them; a file whose path is longer than 259 characters is left out. A missing folder has
// no notes.
std::vector<NoteFile> ListNoteFiles(const char* folder);
// Their names only.
std::vector<std::string> ListNotes(const char* folder);

// Deletes the files of the named notes of folder; failures are ignored.
void DeleteNotes(const char* folder, const std::vector<std::string>& names);

// Creates or replaces the file at path and lets write fill it. True only when a disk file was
// created and write reported success; a path naming a device is not written to.
bool WriteNoteFile(const char* path, const NoteTextWriter& write);
bool SaveNoteText(const char* path, const char* text, size_t length);
// Writes all of bytes into an open file (a HANDLE); true when every byte was written.
bool WriteNoteBytes(void* file, const std::string& bytes);

NoteStamp ReadNoteStamp(const char* path);

// Writes the text of the note at path into a new conflict copy beside it (see ConflictCopyName),
// never replacing a file. True with the copy's path in copyPath (260 bytes).
bool WriteConflictCopy(const char* path, const NoteTextWriter& write, char* copyPath);

// Renames the open note at oldPath to the typed name and writes its text with write. The name
// is cleaned of the characters a file name cannot hold; renaming to the same name in other
// letter case works. Whatever happens, the note's text ends up in a file: in the new one when
// the rename succeeds, otherwise back in the old one.
RenameOutcome RenameNote(const char* oldPath, const char* typedName, const NoteTextWriter& write);

// The full text of the file at path, read whole with every kind of sharing, so that a file
// another program holds open still reads. False, with bytes empty, when it cannot be read.
bool ReadNoteBytes(const char* path, std::string* bytes);
// The same for the note at path as listed: when fileName is not empty (a name the ANSI code page
// cannot spell), the file of that name in path's folder is read through the wide functions.
bool ReadNoteFileBytes(const char* path, const std::wstring& fileName, std::string* bytes);
// Note i of a book as listed in folder: names[i], read through fileNames[i] when fileNames has
// one for it and it is not empty (see NoteFile). False when the note cannot be read or its path
// would be cut.
bool ReadListedNote(const char* folder, const std::vector<std::string>& names,
                    const std::vector<std::wstring>& fileNames, size_t i, std::string* bytes);
// The full path of that file: path's folder and fileName (path itself when fileName is empty).
std::wstring WideNotePath(const char* path, const std::wstring& fileName);

// The store of the program's notes: the files on disk. Recovery copies go into the
// "Recovered Notes" folder of the user's application data.
class DiskNoteStore : public NoteStore {
  public:
    NoteStamp ReadStamp(const char* path) override { return ReadNoteStamp(path); }
    bool Write(const char* path, const NoteTextWriter& write) override {
        return WriteNoteFile(path, write);
    }
    RenameOutcome Rename(const char* oldPath, const char* typedName,
                         const NoteTextWriter& write) override {
        return RenameNote(oldPath, typedName, write);
    }
    bool WriteConflictCopy(const char* path, const NoteTextWriter& write,
                           char* copyPath) override {
        return ::WriteConflictCopy(path, write, copyPath);
    }
    bool WriteRecoveryCopy(const char* path, const NoteTextWriter& write,
                           char* copyPath) override;
    NoteTextWriter FileText(const char* path) override;
};
