// What the last search looked for and where it stands; kept by the main window for its life and
// edited by the Find dialog.
#pragma once

struct FindState {
    int findNoteIndex = 0;   // -1: the open note only; else the list index where the scan is
    int findPosition = 0;    // where the next search in the open note starts
    char findText[260] = ""; // at most 259 characters
    bool findMatchCase = false;
};
