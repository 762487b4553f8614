// The Find dialog (template 4) over the main window's find state, and the messages of a search.
#pragma once

#include "dialogs/ldialog.h"
#include "mainwindow/find_state.h"

class FindDialog : public LDialog {
  public:
    explicit FindDialog(FindState& state) : state(state) {}

    // Shows the text, the match-case option and the scope of the last search.
    void InitDialog() override;
    // Takes the text and options; the new search starts at the top of the open note and, for all
    // notes, at the first note of the list.
    bool CmOk() override;

    FindState& state;
};

// Asks for the search text and options with the Find dialog over owner. True when the user
// pressed Find with some text; with an empty text says so ("Enter search item.") and returns
// false, keeping the options entered.
bool AskSearchText(HWND owner, FindState& state);
// The message when the search ends without a match.
void ReportNothingFound(HWND owner);
