#include "mainwindow/find_dialog.h"

#include "notes/note_search.h"
#include "resources/resource.h"

#include <utility>

void FindDialog::InitDialog() {
    // What can be typed fits the state's text.
    SendDlgItemMessageA(hwnd(), IDC_FIND_TEXT, EM_LIMITTEXT, sizeof state_.findText - 1, 0);
    SetDlgItemTextA(hwnd(), IDC_FIND_TEXT, state_.findText);
    CheckDlgButton(hwnd(), IDC_FIND_MATCH_CASE, state_.findMatchCase ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(hwnd(), IDC_FIND_SCOPE_NOTE, IDC_FIND_SCOPE_BOOK,
                     state_.findNoteIndex == -1 ? IDC_FIND_SCOPE_NOTE : IDC_FIND_SCOPE_BOOK);
}

bool FindDialog::CmOk() {
    GetControlText(IDC_FIND_TEXT, state_.findText);
    state_.findMatchCase = IsDlgButtonChecked(hwnd(), IDC_FIND_MATCH_CASE) == BST_CHECKED;
    state_.findNoteIndex = IsDlgButtonChecked(hwnd(), IDC_FIND_SCOPE_NOTE) == BST_CHECKED ? -1 : 0;
    state_.findPosition = 0;
    return true;
}

bool AskSearchText(HWND owner, FindState& state) {
    FindDialog dialog(state);
    if (!dialog.Open(owner, MAKEINTRESOURCEA(IDD_FIND))) return false;
    if (state.findText[0] != '\0') return true;
    ShowMessage(owner, "Enter search item.", "Error", MB_OK | MB_ICONERROR);
    return false;
}

void ReportNothingFound(HWND owner) {
    ShowMessage(owner, "No item found", "Error", MB_OK | MB_ICONERROR);
}

NoteSearchProgress::NoteSearchProgress(const char* folder, std::vector<std::string> names,
                                       FindState& state, std::vector<std::wstring> fileNames)
    : LProgressDialog("Finding"), folder_(folder), names_(std::move(names)),
      fileNames_(std::move(fileNames)), state_(state) {}

bool NoteSearchProgress::SearchNotes() {
    return FindNoteContaining(
        folder_.c_str(), names_, &state_.findNoteIndex, state_.findText, state_.findMatchCase,
        [this](size_t index, size_t count) {
            if (PumpMessages()) return false; // cancelled
            SetProgress(static_cast<double>(index) / static_cast<double>(count));
            return true;
        },
        fileNames_);
}
