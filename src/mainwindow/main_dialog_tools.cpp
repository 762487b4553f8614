// MainDialog's book commands, book and diary properties, Find and Print Book: each asks through
// its own dialog and then changes the book list, the notes or the editor.
#include "mainwindow/main_dialog.h"

#include "mainwindow/book_commands.h"
#include "mainwindow/book_properties_dialog.h"
#include "mainwindow/diary_properties_dialog.h"
#include "mainwindow/find_dialog.h"
#include "mainwindow/print_book_dialog.h"
#include "notes/book_list.h"
#include "notes/diary_files.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <ctime>

bool MainDialog::AskDiaryProperties() {
    DiaryPropertiesDialog dialog;
    return dialog.Open(hwnd(), MAKEINTRESOURCEA(IDD_DIARY_PROPERTIES));
}

void MainDialog::CmDiaryNewEntries(const char* folder) {
    if (WriteDiaryEntries(folder, std::time(nullptr))) InitItemsList();
}

void MainDialog::CmBookNewLocal(bool diary) {
    char folder[LFile::kPathSize];
    if (!AskNewLocalBook(hwnd(), diary, folder)) return;
    BookList::AddBook(folder, diary);
    InitFolderList();
    if (diary) CmDiaryNewEntries(folder);
}

void MainDialog::CmBookNew() {
    char folder[LFile::kPathSize];
    if (!AskSharedBookFolder(hwnd(), folder)) return;
    BookList::AddBook(folder, false);
    InitFolderList();
}

void MainDialog::CmBookRemove() {
    char name[LFile::kPathSize];
    GetControlText(IDC_BOOK_LIST, name);
    if (!ConfirmRemoveBook(hwnd(), name)) return;
    // The book of a note whose edits could not be saved stays, so that the note stays open.
    if (!SaveData(true)) return;
    LRESULT selected = SendDlgItemMessageA(hwnd(), IDC_BOOK_LIST, CB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    int index = static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_BOOK_LIST, CB_GETITEMDATA,
                                                     static_cast<WPARAM>(selected), 0));
    BookList::RemoveBook(index);
    InitFolderList();
}

void MainDialog::CmBookProperties() {
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    BookPropertiesDialog dialog(folder);
    if (dialog.Open(hwnd(), MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES))) RefreshReadOnly();
}

void MainDialog::CmBookPrint() {
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    SaveData(); // the printout holds what the screen shows
    std::vector<std::wstring> fileNames;
    const std::vector<std::string> names = NoteNames(false, &fileNames);
    RunBookPrint(hwnd(), folder, names, fileNames);
}

// Scans the note files from findState.findNoteIndex on under the "Finding" window and opens the
// first note that holds the text; false when none does or the user cancelled.
bool MainDialog::OpenNextNoteWithText() {
    char folder[LFile::kPathSize];
    GetCurrentBookFolder(folder);
    std::vector<std::wstring> fileNames;
    std::vector<std::string> names = NoteNames(false, &fileNames);
    NoteSearchProgress search(folder, std::move(names), findState, std::move(fileNames));
    if (!search.Run(hwnd())) return false;
    LVSetSelection(IDC_NOTE_LIST, findState.findNoteIndex);
    ItemSelectionChanged();
    return FirstSelectedNote() == findState.findNoteIndex; // not when the open note stayed
}

void MainDialog::CmFind() {
    if (!AskSearchText(hwnd(), findState)) return;
    // A search through the book opens other notes: the open one must be saved first.
    if (findState.findNoteIndex >= 0 && !SaveData(true)) return;
    if (findState.findNoteIndex >= 0 && !OpenNextNoteWithText()) return;
    CmFindNext();
}

void MainDialog::CmFindNext() {
    // Find Next before anything was searched for asks for the text, as Find does.
    if (findState.findText[0] == '\0') {
        CmFind();
        return;
    }
    for (;;) {
        FINDTEXTA find = {};
        find.chrg.cpMin = findState.findPosition;
        find.chrg.cpMax = -1;
        find.lpstrText = findState.findText;
        WPARAM flags = FR_DOWN | (findState.findMatchCase ? FR_MATCHCASE : 0);
        LRESULT at = SendMessageA(NoteText(), EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find));
        if (at >= 0) {
            CHARRANGE match = {static_cast<LONG>(at),
                               static_cast<LONG>(at + std::strlen(findState.findText))};
            SendMessageA(NoteText(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&match));
            SendMessageA(NoteText(), EM_HIDESELECTION, FALSE, 0);
            findState.findPosition = static_cast<int>(at) + 1;
            return;
        }
        if (findState.findNoteIndex < 0) {
            ReportNothingFound(hwnd());
            return;
        }
        if (!SaveData(true)) return;
        findState.findNoteIndex = FirstSelectedNote() + 1;
        if (!OpenNextNoteWithText()) {
            ReportNothingFound(hwnd());
            return;
        }
        findState.findPosition = 0;
    }
}
