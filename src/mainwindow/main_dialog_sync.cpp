// MainDialog: the open note against its file on disk, for books that several people share.
// A save first checks that nobody else wrote the file since it was loaded or last saved; if
// someone did, their file stays as it is and the user's text goes into a conflict copy beside
// it. An unedited note that changed on disk is shown afresh when the window is activated or
// the note selected again. A note someone else deleted or renamed keeps its text on screen, and
// the next save writes it again.
#include "mainwindow/main_dialog.h"

#include "notes/note_names.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>

bool MainDialog::HasOpenNote() const {
    return currentNote[0] != '\0' && currentNote[0] != '-';
}

bool MainDialog::NoteLocked() const {
    return readOnly || noteStamp_.readOnly;
}

void MainDialog::RememberNoteOnDisk() {
    noteStamp_ = ReadNoteStamp(currentNote);
}

bool MainDialog::ChangedOnDisk() {
    NoteStamp now = ReadNoteStamp(currentNote);
    return now.exists && now != noteStamp_;
}

bool MainDialog::SaveConflictCopy() {
    char copyPath[LFile::kPathSize];
    if (!WriteConflictCopy(currentNote, EditorWriter(), copyPath)) {
        ReportSaveFailure();
        return false;
    }
    char theirs[LFile::kPathSize];
    char ours[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(theirs, currentNote);
    LFile::_GetFileTitleFromPath(ours, copyPath);
    lstrcpynA(currentNote, copyPath, sizeof currentNote);
    RememberNoteOnDisk();
    textChanged = false;
    ShowNoteName(ours);
    reportedSaveFailure_[0] = '\0';
    ShowConflictCopy(theirs, ours);

    char message[3 * LFile::kPathSize + 200];
    std::snprintf(message, sizeof message,
                  "Someone else saved the note \"%s\" while you were editing it.\r\n\r\n"
                  "Their text is kept in \"%s\". Your text is saved beside it as the note "
                  "\"%s\".",
                  theirs, theirs, ours);
    MessageBoxA(MessageOwner(), message, "Note Changed", MB_OK | MB_ICONINFORMATION);
    return true;
}

// Adds the conflict copy to the note list; it becomes the selected note unless the user has
// already selected another one.
void MainDialog::ShowConflictCopy(const char* theirs, const char* ours) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 0x7FFFFFFF;
    item.pszText = const_cast<char*>(ours);
    LRESULT index = SendDlgItemMessageA(hwnd, IDC_NOTE_LIST, LVM_INSERTITEMA, 0,
                                        reinterpret_cast<LPARAM>(&item));
    const int selected = FirstSelectedNote();
    char selectedName[LFile::kPathSize] = "";
    if (selected >= 0) NoteNameAt(selected, selectedName);
    if (index < 0 || lstrcmpiA(selectedName, theirs) != 0) return;
    LVSetSelection(IDC_NOTE_LIST, static_cast<int>(index));
    SendDlgItemMessageA(hwnd, IDC_NOTE_LIST, LVM_ENSUREVISIBLE, index, FALSE);
    SetSettingString(kSettings, "CurrentNote", ours);
}

void MainDialog::ReloadIfChangedOnDisk() {
    if (!HasOpenNote() || textChanged || nameChanged) return;
    NoteStamp now = ReadNoteStamp(currentNote);
    // A note removed by someone else keeps its text on screen: it may be the only copy left.
    if (!now.exists) return;
    if (now == noteStamp_) {
        if (now.readOnly != noteStamp_.readOnly) {
            noteStamp_.readOnly = now.readOnly;
            UpdateControls();
        }
        return;
    }
    CHARRANGE selection;
    SendMessageA(NoteText(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    LRESULT firstLine = SendMessageA(NoteText(), EM_GETFIRSTVISIBLELINE, 0, 0);
    noteStamp_ = now;
    LoadRichEditText(currentNote);
    HWND text = NoteText();
    SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(text, EM_LINESCROLL, 0,
                 firstLine - SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    textChanged = false;
    UpdateControls();
}
