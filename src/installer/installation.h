// The steps of installing and removing Quillmark that need no window of their own.
#pragma once

// The four default book folders below the program folder, recorded in "Folders".
void CreateDefaultBookFolders(const char* programFolder);
// After a good extraction: shortcuts, the uninstaller copy and its entry, the run-mode marks,
// the help shortcut, and the start of the installed program.
void FinalizeInstallation(const char* programFolder);
// Copies the running uninstaller to "<temp>\uninst.exe" and starts it with " /uninstall", so the
// program folder can be removed. False when the copy could not be made.
bool StartUninstallerCopy(const char* ownPath);
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
    void* mutex_;
    bool held_ = false;
};

// Removes shortcuts, the uninstall entry, the default books with their notes and the program
// folder, and empties the book list. Every step is independent of the others' success.
void RemoveInstallation();
