// MainDialog: keeping the open note. A note whose edits could not be saved is not left: choosing
// another note or book is undone, and when the window goes its text is kept in a copy. For books
// that several people share, a save first checks that nobody else wrote the file since it was
// loaded or last saved; if someone did, their file stays as it is and the user's text goes into
// a conflict copy beside it. An unedited note that changed on disk is shown afresh when the
// window is activated or the note selected again. A note someone else deleted or renamed keeps
// its text on screen, and the next save writes it again.
#include "mainwindow/main_dialog.h"

#include "notes/book_list.h"
#include "notes/note_names.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>

bool MainDialog::HasOpenNote() const {
    return openNote.HasNote();
}

bool MainDialog::NoteLocked() const {
    return readOnly || openNote.Locked();
}

bool MainDialog::OpenNoteInShownBook() {
    char noteFolder[LFile::kPathSize];
    char shown[LFile::kPathSize];
    openNote.GetFolder(noteFolder);
    GetCurrentBookFolder(shown);
    return noteFolder[0] != '\0' && lstrcmpiA(noteFolder, shown) == 0;
}

void MainDialog::SelectOpenNote() {
    if (!OpenNoteInShownBook()) return;
    char name[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(name, openNote.CurrentNote());
    int index = noteList_.Find(name);
    if (index < 0) index = AddListedNote(name); // a note never saved yet has no file to be listed by
    LVSetSelection(IDC_NOTE_LIST, index);
    SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_ENSUREVISIBLE, index, FALSE);
    WriteSetting(setting::kCurrentNote, name);
}

bool MainDialog::SelectOpenNoteBook() {
    char folder[LFile::kPathSize];
    openNote.GetFolder(folder);
    HWND books = GetDlgItem(hwnd(), IDC_BOOK_LIST);
    const LRESULT count = SendMessageA(books, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char bookFolder[LFile::kPathSize];
        BookList::GetFolder(static_cast<int>(SendMessageA(books, CB_GETITEMDATA, i, 0)),
                            bookFolder);
        if (lstrcmpiA(bookFolder, folder) != 0) continue;
        SendMessageA(books, CB_SETCURSEL, i, 0);
        char book[LFile::kPathSize];
        GetControlText(IDC_BOOK_LIST, book);
        BookList::SetCurrent(book);
        RefreshReadOnly();
        return true;
    }
    return false;
}

// Adds the conflict copy to the note list; it becomes the selected note unless the user has
// already selected another one.
void MainDialog::ShowConflictCopy(const char* theirs, const char* ours) {
    if (!OpenNoteInShownBook()) return;
    const int index = AddListedNote(ours);
    const int selected = FirstSelectedNote();
    char selectedName[LFile::kPathSize] = "";
    if (selected >= 0) NoteNameAt(selected, selectedName);
    if (lstrcmpiA(selectedName, theirs) != 0) return;
    LVSetSelection(IDC_NOTE_LIST, index);
    SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_ENSUREVISIBLE, index, FALSE);
    WriteSetting(setting::kCurrentNote, ours);
}

void MainDialog::ShowFileAfresh() {
    CHARRANGE selection;
    SendMessageA(NoteText(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    LRESULT firstLine = SendMessageA(NoteText(), EM_GETFIRSTVISIBLELINE, 0, 0);
    NoteEncoding encoding;
    const bool readable =
        LoadRichEditText(openNote.CurrentNote(), &encoding, openNote.FileName());
    ReportLoaded(openNote.Loaded(readable, encoding));
    HWND text = NoteText();
    SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(text, EM_LINESCROLL, 0,
                 firstLine - SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    UpdateControls();
}

void MainDialog::ReloadIfChangedOnDisk() {
    switch (openNote.CheckDisk()) {
    case OpenNote::DiskChange::ShowAfresh:
        ShowFileAfresh();
        break;
    case OpenNote::DiskChange::ReadOnlyChanged:
        UpdateControls();
        break;
    case OpenNote::DiskChange::None:
        break;
    }
}

void MainDialog::SaveForGood() {
    char typed[LFile::kPathSize] = "";
    GetControlText(IDC_NOTE_NAME, typed);
    char name[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(name, openNote.CurrentNote());
    const FinalOutcome final = openNote.SaveForGood(typed);
    if (final.save.renameTried) ShowRenameOutcome(final.save.rename, name);
    if (final.save.result == SaveOutcome::Result::ConflictCopy) ShowSaveOutcome(final.save, false);
    if (final.result == FinalOutcome::Result::Lost)
        WarnAboutOpenNote("The note \"%s\" could not be saved, and no copy of its text could be "
                          "written: the disk may be full or the folders may refuse new files.",
                          "", "Save Note");
    else if (final.result != FinalOutcome::Result::Saved)
        WarnAboutOpenNote("The note \"%s\" could not be saved. Your text is kept in the file "
                          "\"%s\".",
                          final.copyPath, "Save Note");
}
