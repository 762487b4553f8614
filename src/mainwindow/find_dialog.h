// The Find dialog (template 4) over the main window's find state, the "Finding" window that
// scans the notes, and the messages of a search.
#pragma once

#include "dialogs/ldialog.h"
#include "dialogs/lprogress_dialog.h"
#include "mainwindow/find_state.h"

#include <string>
#include <vector>

class FindDialog : public LDialog {
  public:
    explicit FindDialog(FindState& state) : state_(state) {}

    // Shows the text, the match-case option and the scope of the last search.
    void InitDialog() override;
    // Takes the text and options; the new search starts at the top of the open note and, for all
    // notes, at the first note of the list.
    bool CmOk() override;

  private:
    FindState& state_;
};

// Asks for the search text and options with the Find dialog over owner. True when the user
// pressed Find with some text; with an empty text says so ("Enter search item.") and returns
// false, keeping the options entered.
bool AskSearchText(HWND owner, FindState& state);
// The message when the search ends without a match.
void ReportNothingFound(HWND owner);

// The "Finding" window: the scan of a book's note files for the search text, from the note where
// the find state stands, under a progress window with Cancel.

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
