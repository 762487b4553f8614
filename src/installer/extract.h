// Copies the installed files out of a self-installing file into the program folder.
#pragma once

#include "installer/payload.h"

// What the extraction shows and asks while it copies; the installer's progress window.
class ExtractProgress {
  public:
    virtual void ShowFileName(const char* name) = 0;
    virtual void ShowProgress(double fraction) = 0;
    // Lets the window handle its messages; true once the user has cancelled.
    virtual bool Cancelled() = 0;

  protected:
    ~ExtractProgress() = default;
};

// Only Done replaces installed files; every other result leaves them as they were.
enum class ExtractResult {
    Done,        // every file copied and the checksum adds up
    Cancelled,   // the user cancelled
    Unreadable,  // the self-installing file could not be opened
    Corrupt,     // the trailer does not fit the file, or the checksum does not add up
    WriteFailed, // a file could not be written or replaced; its destination is reported
};

constexpr unsigned kExtractChunk = 4096;

// Extracts the rows of table from the file at ownPath into programFolder, in row order, checking
// the checksum as it goes. Each row is written beside its destination under a temporary name
// ("<destination>.new"); only when every row is written and the checksum adds up do the new files
// replace the installed ones. A destination that exists but cannot be written (read-only, in
// use) is found before anything is written. On WriteFailed, failedFile (260 bytes, may be null)
// receives the destination; no temporary file is left behind.
ExtractResult ExtractPayload(const char* ownPath, const char* programFolder,
                             const InstalledFile* table, ExtractProgress& progress,
                             char* failedFile = nullptr);
