// The "Finding" window: the scan of a book's note files for the search text, from the note where
// the find state stands, under a progress window with Cancel.
#pragma once

#include "dialogs/lprogress_dialog.h"
#include "mainwindow/find_state.h"

#include <string>
#include <vector>

class NoteSearchProgress : public LProgressDialog {
  public:
    // folder: the book's folder; names: the note list's texts in list order and fileNames their
    // file names (see ReadListedNote), kept by the window for its run. state must outlive the run.
    NoteSearchProgress(const char* folder, std::vector<std::string> names, FindState& state,
                       std::vector<std::wstring> fileNames = {});

    int MainFunction() override { return SearchNotes() ? 1 : 0; }
    // True when a note from state.findNoteIndex on holds the text; state.findNoteIndex is then
    // that note's list index. False when none does or the user cancelled.
    bool SearchNotes();

  private:
    std::string folder_;
    std::vector<std::string> names_;
    std::vector<std::wstring> fileNames_;
    FindState& state_;
};
