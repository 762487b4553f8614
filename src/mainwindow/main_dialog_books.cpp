// MainDialog: the book list, the note list of the current book, and New, Delete and Print Note.
#include "mainwindow/main_dialog.h"

#include "notes/book_list.h"
#include "notes/diary_files.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <utility>

namespace {

const char kTemplateFile[] = "template._txt";

} // namespace

void MainDialog::InitFolderList() {
    HWND books = GetDlgItem(hwnd(), IDC_BOOK_LIST);
    SendMessageA(books, CB_RESETCONTENT, 0, 0);
    if (BookList::Count() == 0) {
        BookList::WriteDefaultBooks();
        int answer = ShowMessage(
            hwnd(),
            "Do you want to create a diary as one of the Quillmark Books?\r\n\r\n"
            "If in doubt click Yes now to create a diary. You can remove it later if you "
            "do not need it.",
            "Create Diary", MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDYES && AskDiaryProperties()) {
            char diary[LFile::kPathSize];
            BookList::WriteDefaultDiaryBook(diary);
            WriteDiaryEntries(diary, std::time(nullptr));
        }
    }
    const int count = BookList::Count();
    for (int i = 0; i < count; ++i) {
        char name[LFile::kPathSize];
        BookList::GetName(i, name);
        LRESULT item = SendMessageA(books, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (item >= 0) SendMessageA(books, CB_SETITEMDATA, item, i);
    }
    char current[LFile::kPathSize];
    BookList::GetCurrent(current);
    SendMessageA(books, CB_SETCURSEL, 0, 0);
    SendMessageA(books, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(current));
    RefreshReadOnly();
    InitItemsList();
}

void MainDialog::GetCurrentBookFolder(char* folder) {
    folder[0] = '\0';
    LRESULT selected = SendDlgItemMessageA(hwnd(), IDC_BOOK_LIST, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    LRESULT index = SendDlgItemMessageA(hwnd(), IDC_BOOK_LIST, CB_GETITEMDATA, selected, 0);
    BookList::GetFolder(static_cast<int>(index), folder);
}

void MainDialog::RefreshReadOnly() {
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    readOnly = BookList::IsReadOnly(BookList::FindCurrentBookIndex(folder));
}

void MainDialog::InitItemsList() {
    HWND list = GetDlgItem(hwnd(), IDC_NOTE_LIST);
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    // The open note is saved (a pending rename too) while the list still shows its book. One
    // that cannot be saved keeps its book shown: the choice of another book is undone.
    if (!SaveData(true) && !OpenNoteInShownBook() && SelectOpenNoteBook()) return;
    noteList_.Assign(ListNoteFiles(folder));
    // The list holds no items of its own, only their count: it asks noteList_ for the names it
    // draws. Deleting all items first takes the selection and scrolling back to the top.
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(noteList_.Count()), 0);
    FitNoteColumn();
    char book[LFile::kPathSize];
    GetControlText(IDC_BOOK_LIST, book);
    BookList::SetCurrent(book);

    char note[LFile::kPathSize];
    ReadSetting(setting::kCurrentNote, note);
    const int found = noteList_.Find(note);
    LVSetSelection(IDC_NOTE_LIST, found >= 0 ? found : 0);
    ItemSelectionChanged();
    // An open note with unsaved edits stays open and listed, even before its file exists.
    if (openNote.Edited()) SelectOpenNote();
}

int MainDialog::FirstSelectedNote() {
    return static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The list control keeps the selection as ranges of positions, and a note inserted above moves
// the notes below it down one: their selection and the focus move with them.
int MainDialog::AddListedNote(const char* name) {
    HWND list = GetDlgItem(hwnd(), IDC_NOTE_LIST);
    const int index = noteList_.Insert(name);
    std::vector<int> moved;
    int item = index - 1;
    while ((item = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, item, LVNI_SELECTED))) >= 0)
        moved.push_back(item);
    const int focused = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    shiftingSelection_ = true;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    for (int i : moved) SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(noteList_.Count()), LVSICF_NOSCROLL);
    state.state = LVIS_SELECTED;
    for (int i : moved)
        SendMessageA(list, LVM_SETITEMSTATE, i + 1, reinterpret_cast<LPARAM>(&state));
    if (focused >= index) {
        state.state = state.stateMask = LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, focused + 1, reinterpret_cast<LPARAM>(&state));
    }
    shiftingSelection_ = false;
    return index;
}

void MainDialog::NoteNameAt(int index, char* name) {
    lstrcpynA(name, noteList_.NameAt(index), LFile::kPathSize);
}

std::wstring MainDialog::NoteFileNameAt(int index) {
    return noteList_.FileNameAt(index);
}

std::vector<std::string> MainDialog::NoteNames(bool selectedOnly,
                                               std::vector<std::wstring>* fileNames) {
    if (!selectedOnly) {
        // A usual book has no such names: the readers take a missing file name as none.
        if (fileNames != nullptr && noteList_.HasUnspellableNames())
            for (int i = 0; i < noteList_.Count(); ++i)
                fileNames->push_back(noteList_.FileNameAt(i));
        return noteList_.Names();
    }
    std::vector<std::string> names;
    int index = -1;
    while ((index = static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETNEXTITEM,
                                                         index, LVNI_SELECTED))) >= 0) {
        names.emplace_back(noteList_.NameAt(index));
        if (fileNames != nullptr) fileNames->push_back(noteList_.FileNameAt(index));
    }
    return names;
}

void MainDialog::CmNoteNew() {
    if (readOnly) return;
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    // A book without a folder takes no notes (they would land in the current folder).
    if (folder[0] == '\0') return;
    // The template must not take the place of edits that could not be saved.
    if (!SaveData(true)) return;
    if (BookList::IsDiary(BookList::FindCurrentBookIndex(folder))) {
        if (AskDiaryProperties())
            CmDiaryNewEntries(folder);
        else
            InitItemsList();
        return;
    }
    char name[LFile::kPathSize];
    if (!FirstFreeNewNoteName(NoteNames(false), name)) return;
    // A note whose path would be cut would be saved under another name than the one listed.
    char path[LFile::kPathSize];
    if (!BuildNotePath(folder, name, path)) {
        ShowMessage(hwnd(),
                    "The note cannot be created because the path of the book's folder is too "
                    "long for a note file.",
                    "New Note", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const int index = AddListedNote(name);
    LVSetSelection(IDC_NOTE_LIST, index);
    SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_ENSUREVISIBLE, index, FALSE);
    SetFocus(GetDlgItem(hwnd(), IDC_NOTE_NAME));
    SendDlgItemMessageA(hwnd(), IDC_NOTE_NAME, EM_SETSEL, 0, -1);
    char templatePath[LFile::kPathSize];
    lstrcpynA(templatePath, folder, sizeof templatePath);
    LFile::FilePathCat(templatePath, kTemplateFile);
    // A new note is saved in the encoding of its book's template.
    NoteEncoding encoding;
    LoadRichEditText(templatePath, &encoding);
    openNote.SetEncoding(encoding);
    openNote.TextEdited();
}

void MainDialog::CmNoteDelete() {
    if (readOnly) {
        ShowMessage(hwnd(), "You cannot delete this note because this book is read only!",
                    "Read Only", MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::vector<std::wstring> fileNames;
    const std::vector<std::string> selected = NoteNames(true, &fileNames);
    if (!CanDeleteNotes(selected, fileNames)) return;
    if (ShowMessage(hwnd(), "Are you sure you want to delete the selected note(s)?",
                    "Confirm Delete", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    DeleteNotes(folder, selected);
    // The open note's edits go only with its file; a note that is kept is saved as usual.
    if (openNote.HasNote() && !LFile::FileExists(openNote.CurrentNote()) && OpenNoteInShownBook()) {
        char name[LFile::kPathSize];
        LFile::_GetFileTitleFromPath(name, openNote.CurrentNote());
        for (const std::string& deleted : NoteNames(true))
            if (lstrcmpiA(deleted.c_str(), name) == 0) openNote.Forget();
    }
    InitItemsList();
}

bool MainDialog::CanDeleteNotes(const std::vector<std::string>& names,
                                const std::vector<std::wstring>& fileNames) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (fileNames[i].empty()) continue;
        char message[LFile::kPathSize + 300];
        wsprintfA(message,
                  "The note \"%s\" cannot be deleted: its name holds characters that the "
                  "language settings of this computer cannot show (\"?\" stands for "
                  "each).\r\n\r\nNo note was deleted.",
                  names[i].c_str());
        ShowMessage(hwnd(), message, "Delete Note", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return true;
}

void MainDialog::CmNotePrint() {
    if (ShowMessage(hwnd(), "Print the selected note(s)?", "Confirm Print",
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    SaveData(); // the printout holds what the screen shows
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    std::vector<std::wstring> fileNames;
    const std::vector<std::string> names = NoteNames(true, &fileNames);
    for (size_t i = 0; i < names.size(); ++i) {
        char path[LFile::kPathSize];
        BuildNotePath(folder, names[i].c_str(), path);
        if (fileNames[i].empty())
            ShellExecuteA(hwnd(), "print", path, nullptr, nullptr, SW_HIDE);
        else // a name the ANSI code page cannot spell is handed over as it is
            ShellExecuteW(hwnd(), L"print", WideNotePath(path, fileNames[i]).c_str(), nullptr,
                          nullptr, SW_HIDE);
    }
}
