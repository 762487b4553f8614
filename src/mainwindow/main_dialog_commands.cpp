// MainDialog's commands: the command table, Close, Exit, Help, About, web links and the context
// menus with their enabling.
#include "mainwindow/main_dialog.h"

#include "dialogs/program_instance.h"
#include "mainwindow/hot_key.h"
#include "mainwindow/status_texts.h"
#include "mainwindow/tray_icon.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <richedit.h>

bool MainDialog::CmOk() {
    return false;
}

bool MainDialog::CmCancel() {
    CmClose();
    return false;
}

void MainDialog::CmHelp() {
    WinHelpA(hwnd(), kHelpFile, HELP_CONTENTS, 0);
}

void MainDialog::Command(int id, int notifyCode) {
    switch (id) {
    case IDC_BOOK_LIST:
        if (notifyCode != CBN_SELCHANGE) break;
        InitItemsList();
        RefreshReadOnly();
        break;
    case IDC_NOTE_TEXT:
    case IDC_NOTE_NAME:
        if (notifyCode != EN_CHANGE || (id == IDC_NOTE_NAME && showingName_)) break;
        if (id == IDC_NOTE_TEXT)
            openNote.TextEdited();
        else
            openNote.NameEdited();
        StartSaveTimer();
        break;
    case IDC_NOTE_NEW:
    case IDM_NOTE_NEW:
        CmNoteNew();
        break;
    case IDC_NOTE_DELETE:
    case IDM_NOTE_DELETE:
        CmNoteDelete();
        break;
    case IDC_STATUS_LINK:
        if (notifyCode == STN_CLICKED) OpenWebLink(nullptr, statustexts::StatusLinkAddress());
        break;
    case IDM_BOOK_EXPLORE: {
        char folder[LFile::kPathSize];
        GetCurrentBookFolder(folder);
        ShellExecuteA(hwnd(), "explore", folder, nullptr, nullptr, SW_SHOWNORMAL);
        break;
    }
    case IDM_CLOSE:
        CmClose();
        break;
    case IDM_EXIT:
        CmExit();
        break;
    case IDM_OPEN:
        CmOpen();
        break;
    case IDM_UNDO:
        SendMessageA(NoteText(), WM_UNDO, 0, 0);
        break;
    case IDM_CUT:
        SendMessageA(NoteText(), WM_CUT, 0, 0);
        break;
    case IDM_COPY:
        SendMessageA(NoteText(), WM_COPY, 0, 0);
        break;
    case IDM_PASTE:
        SendMessageA(NoteText(), WM_PASTE, 0, 0);
        break;
    case IDM_CLEAR:
        SendMessageA(NoteText(), WM_CLEAR, 0, 0);
        break;
    case IDM_SELECT_ALL: {
        CHARRANGE all = {0, -1};
        SendMessageA(NoteText(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
        break;
    }
    case IDM_HELP_CONTENTS:
        CmHelp();
        break;
    case IDM_HELP_ABOUT:
        CmHelpAbout();
        break;
    case IDM_NOTE_PRINT:
        CmNotePrint();
        break;
    case IDM_BOOK_NEW_LOCAL:
        CmBookNewLocal(false);
        break;
    case IDM_BOOK_NEW_DIARY:
        CmBookNewLocal(true);
        break;
    case IDM_BOOK_NEW_SHARED:
        CmBookNew();
        break;
    case IDM_BOOK_REMOVE:
        CmBookRemove();
        break;
    case IDM_BOOK_PROPERTIES:
        CmBookProperties();
        break;
    case IDM_BOOK_PRINT:
        CmBookPrint();
        break;
    case IDM_FIND:
        CmFind();
        break;
    case IDM_FIND_NEXT:
        CmFindNext();
        break;
    case IDM_HOT_KEY_TOGGLE:
        ToggleHotKey(*this);
        break;
    case IDM_HOT_KEY_CHANGE:
        ChangeHotKey(*this);
        break;
    default:
        if (const char* address = statustexts::WebLinkAddress(id)) OpenWebLink(hwnd(), address);
        break;
    }
}

void MainDialog::CmClose() {
    if (ReadSetting(setting::kHotKeyOn))
        ShowWindow(hwnd(), SW_HIDE);
    else
        DestroyWindow(hwnd());
}

void MainDialog::CmExit() {
    DestroyWindow(hwnd());
}

void MainDialog::CmOpen() {
    OpenMainWindow(hwnd());
}

void MainDialog::CmHelpAbout() {
    LDialog about;
    about.Open(hwnd(), "AboutDlg");
}

void MainDialog::OpenWebLink(HWND owner, const char* address) {
    ShellExecuteA(owner, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

bool MainDialog::NoteTextHasSelection() {
    CHARRANGE selection = {0, 0};
    SendMessageA(NoteText(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection.cpMin != selection.cpMax;
}

void MainDialog::EnableMenuItems(HMENU menu) {
    auto enable = [menu](int id, bool on) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(IDM_NOTE_NEW, !readOnly);
    enable(IDM_NOTE_PRINT, CanPrintNote());
    enable(IDM_NOTE_DELETE, CanChangeNote());
    const bool selection = NoteTextHasSelection();
    enable(IDM_CUT, selection);
    enable(IDM_COPY, selection);
    enable(IDM_CLEAR, selection);
}

// Shows the first popup of a menu resource at the mouse cursor; the chosen item comes back as a
// command. The note menus gray what the main menu grays.
void MainDialog::TrackContextMenu(int menuId) {
    CMenu menu(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(menuId)));
    if (menu.get() == nullptr) return;
    HMENU popup = GetSubMenu(menu.get(), 0);
    EnableMenuItems(popup);
    POINT at = {0, 0};
    GetCursorPos(&at);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}
