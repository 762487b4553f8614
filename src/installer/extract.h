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

enum class ExtractResult {
    Done,       // every file copied and the checksum adds up
    Cancelled,  // the user cancelled; the files copied so far stay
    Unreadable, // the self-installing file could not be opened
    Corrupt,    // the trailer does not fit the file, or the checksum does not add up
};

constexpr unsigned kExtractChunk = 4096;

// Extracts the rows of table from the file at ownPath into programFolder, in row order through
// one 4,096-byte buffer, checking the checksum as it goes. A trailer whose sizes do not fit the
// file gives Corrupt before anything is written.
ExtractResult ExtractPayload(const char* ownPath, const char* programFolder,
                             const InstalledFile* table, ExtractProgress& progress);
