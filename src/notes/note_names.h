// Names of books and notes: how folder and file names become what the user sees, and back.
// Every output buffer holds LFile::kPathSize (260) bytes; results never exceed 259 characters.
#pragma once

#include <string>
#include <vector>

// A book's name: the last component of its folder, cut at its last "." (D:\Team.Notes is Team).
void BookNameFromFolder(const char* folder, char* name);

// The note name of a file found in a book folder: the file name cut at its last ".".
// False when the file is no note: its extension is not ".txt" (any case) or no name is left.
bool NoteNameFromFileName(const char* fileName, char* name);

// folder, "\" (unless folder ends in a separator), name and ".txt". The path is cut at 259
// characters; the result tells whether it fits whole.
bool BuildNotePath(const char* folder, const char* name, char* path);

// A new local book's folder: dataFolder, "\" (unless it ends in a separator) and name, cut at
// 259 characters; the result tells whether it fits whole.
bool BuildBookFolderPath(const char* dataFolder, const char* name, char* folder);

// The first of "New 1" .. "New 9999" that no existing name equals, ignoring case.
// False when all are taken.
bool FirstFreeNewNoteName(const std::vector<std::string>& existing, char* name);

// The typed name (only its first 259 characters count) without the characters a file name
// cannot hold: " * . / : < > \ |. False when nothing is left.
bool CleanNoteName(const char* typed, char* name);

// A new book's name: the typed name cleaned as a note name, without the spaces at its end, which
// Windows drops from a folder's name (a book named so could never be written to). False when
// nothing is left.
bool CleanBookName(const char* typed, char* name);

// Whether a name stands for a device rather than a file (CON, PRN, AUX, NUL, COM1..9, LPT1..9,
// in any case, also followed by spaces or an extension).
bool IsReservedDeviceName(const char* name);

// The name of the copy that keeps the user's text when someone else saved the note meanwhile:
// "<name> (conflict copy YYYY-MM-DD HH.MM)", with " 2", " 3"... added for attempt 2, 3...
// The note name is shortened so that the copy's path in folder fits 259 characters; false when
// not even one character of it would fit.
struct ConflictTime {
    int year, month, day, hour, minute;
};
bool ConflictCopyName(const char* folder, const char* name, const ConflictTime& when, int attempt,
                      char* copyName);
