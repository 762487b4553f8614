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

// Sorts names into the note list's order, ascending ignoring case as lstrcmpiA compares. Each
// name's sort key is made once, so that the sort compares bytes instead of comparing two names
// afresh at each of its 130,000 comparisons for 10,000 notes (a tenth of a second under Wine).
void SortAsListed(std::vector<NoteFile>& names) {
    std::vector<std::pair<std::string, NoteFile>> keyed;
    keyed.reserve(names.size());
    for (NoteFile& note : names) {
        const char* name = note.name.c_str();
        int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1,
                                nullptr, 0);
        std::string key(size > 0 ? static_cast<size_t>(size) : 0, '\0');
        if (size > 0)
            LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1,
                         reinterpret_cast<char*>(&key[0]), size);
        keyed.emplace_back(std::move(key), std::move(note));
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

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
    std::vector<NoteFile> names = ListNoteFiles(folder);
    // The list sorts the notes added later. A book's notes come in already in its order and are
    // appended with the sorting off: a sorted list that walks down from the top to find an
    // item's place (as Wine's does) compares every note with all before it (minutes for 10,000
    // notes), and one put at the top moves all others down (7 s for 100,000 notes). Nothing is
    // drawn until the list is full: a visible list redraws on every insertion.
    SortAsListed(names);
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SetWindowLongA(list, GWL_STYLE, style & ~LVS_SORTASCENDING);
    unspellableNames_.clear();
    int index = 0;
    for (NoteFile& note : names) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index++;
        item.pszText = const_cast<char*>(note.name.c_str());
        if (!note.fileName.empty()) {
            unspellableNames_.push_back(std::move(note.fileName));
            item.lParam = static_cast<LPARAM>(unspellableNames_.size());
        }
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SetWindowLongA(list, GWL_STYLE, style);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    FitNoteColumn();
    char book[LFile::kPathSize];
    GetControlText(IDC_BOOK_LIST, book);
    BookList::SetCurrent(book);

    char note[LFile::kPathSize];
    ReadSetting(setting::kCurrentNote, note);
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = note;
    LRESULT found =
        SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    LVSetSelection(IDC_NOTE_LIST, found >= 0 ? static_cast<int>(found) : 0);
    ItemSelectionChanged();
    // An open note with unsaved edits stays open and listed, even before its file exists.
    if (openNote.Edited()) SelectOpenNote();
}

int MainDialog::FirstSelectedNote() {
    return static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void MainDialog::NoteNameAt(int index, char* name) {
    name[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = name;
    item.cchTextMax = LFile::kPathSize;
    SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETITEMTEXTA, index,
                        reinterpret_cast<LPARAM>(&item));
}

std::wstring MainDialog::NoteFileNameAt(int index) {
    if (unspellableNames_.empty()) return std::wstring(); // the usual book: no item to ask
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETITEMA, 0,
                             reinterpret_cast<LPARAM>(&item)) ||
        item.lParam <= 0 || static_cast<size_t>(item.lParam) > unspellableNames_.size())
        return std::wstring();
    return unspellableNames_[static_cast<size_t>(item.lParam) - 1];
}

std::vector<std::string> MainDialog::NoteNames(bool selectedOnly,
                                               std::vector<std::wstring>* fileNames) {
    std::vector<std::string> names;
    const UINT which = selectedOnly ? LVNI_SELECTED : LVNI_ALL;
    int index = -1;
    while ((index = static_cast<int>(
                SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETNEXTITEM, index, which))) >= 0) {
        char name[LFile::kPathSize];
        NoteNameAt(index, name);
        names.emplace_back(name);
        if (fileNames != nullptr) fileNames->push_back(NoteFileNameAt(index));
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
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 0x7FFFFFFF;
    item.pszText = name;
    LRESULT index = SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_INSERTITEMA, 0,
                                        reinterpret_cast<LPARAM>(&item));
    LVSetSelection(IDC_NOTE_LIST, static_cast<int>(index));
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
