// The steps of installing and removing Quillmark that need no window of their own.
#pragma once

#include "platform/handles.h"

// The four default book folders below the program folder, recorded in "Folders".
void CreateDefaultBookFolders(const char* programFolder);
// After a good extraction: the uninstaller copy and the run-mode marks, then the shortcuts, the
// uninstall entry, the help shortcut, and the start of the installed program. False, with
// failedFile (260 bytes) naming it, when the uninstaller copy or a mark could not be written;
// nothing else is then made.
bool FinalizeInstallation(const char* programFolder, char* failedFile);
// Copies the running uninstaller to "<temp>\uninst.exe" and starts it as "\"<copy>\" /uninstall",
// so the program folder can be removed. False when the copy could not be made or started.
bool StartUninstallerCopy(const char* ownPath);
// The temporary copy's path, "<temp>\uninst.exe", into out (260 bytes); false without a temp folder.
bool TemporaryUninstallerPath(char* out);
// Lets one uninstaller at a time ask and remove (a named mutex, held while the object lives).
// The first uninstaller holds it while it hands over to its temporary copy, which waits for it.
class UninstallTurn {
  public:
    // Waits up to waitMs for the turn; held() tells whether it was had.
    explicit UninstallTurn(unsigned long waitMs);
    ~UninstallTurn();
    UninstallTurn(const UninstallTurn&) = delete;
    UninstallTurn& operator=(const UninstallTurn&) = delete;
    bool held() const { return held_; }

  private:
    CHandle mutex_;
    bool held_ = false;
};

// Removes shortcuts, the uninstall entry, the default books with their notes and the program
// folder, and empties the book list. Every step is independent of the others' success. Files
// are deleted only in recorded folders that lie inside programFolder.
void RemoveInstallation(const char* programFolder);
// When ownPath is the temporary copy "<temp>\uninst.exe", deletes it now, or when Windows next
// starts if it cannot go while it runs. Any other path is left alone.
void RemoveTemporaryUninstaller(const char* ownPath);
