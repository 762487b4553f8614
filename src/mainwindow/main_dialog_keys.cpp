// MainDialog's keyboard: the shortcuts, paging through notes, and Tab through the controls and
// the fields of a note text.
#include "mainwindow/main_dialog.h"

#include "mainwindow/note_keys.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <string>

namespace {

// The note text as the editor counts its characters (a paragraph break is one "\r").
std::string EditorChars(HWND editor) {
    GETTEXTLENGTHEX length = {GTL_DEFAULT, CP_ACP};
    LRESULT count = SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count <= 0) return std::string();
    // Two bytes a character leave room for double-byte code pages.
    std::string text(2 * static_cast<size_t>(count) + 2, '\0');
    GETTEXTEX get = {static_cast<DWORD>(text.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    SendMessageA(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                 reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

} // namespace

bool MainDialog::FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RelayToolTipEvent(toolTips, window, message, wParam, lParam);
    if (message != WM_KEYDOWN) return false;
    const bool shift = IsHeld(VK_SHIFT);
    int command = 0;
    if (IsHeld(VK_CONTROL)) {
        switch (wParam) {
        case VK_DELETE:
            command = IDM_NOTE_DELETE;
            break;
        case 'F':
            command = IDM_FIND;
            break;
        case 'N':
            command = IDM_NOTE_NEW;
            break;
        case 'P':
            command = shift ? IDM_BOOK_PRINT : IDM_NOTE_PRINT;
            break;
        default:
            break;
        }
    }
    if (command == 0) {
        switch (wParam) {
        case VK_NEXT:
            CmNextNote();
            return true;
        case VK_PRIOR:
            CmPreviousNote();
            return true;
        case VK_TAB:
            SetSelection(shift);
            return true;
        case VK_ESCAPE:
            return true;
        case VK_F1:
            command = IDM_HELP_CONTENTS;
            break;
        case VK_F3:
            command = IDM_FIND_NEXT;
            break;
        default:
            return false;
        }
    }
    // A shortcut does what its menu item does.
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return true;
}

void MainDialog::CmNextNote() {
    int count =
        static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETITEMCOUNT, 0, 0));
    LVSetSelection(IDC_NOTE_LIST, notekeys::NextNoteIndex(FirstSelectedNote(), count));
}

void MainDialog::CmPreviousNote() {
    LVSetSelection(IDC_NOTE_LIST, notekeys::PreviousNoteIndex(FirstSelectedNote()));
}

void MainDialog::FocusControl(int id) {
    SetFocus(GetDlgItem(hwnd(), id));
}

void MainDialog::HideNoteTextSelection() {
    SendMessageA(NoteText(), EM_HIDESELECTION, TRUE, 0);
}

void MainDialog::SetSelection(bool shift) {
    HWND focus = GetFocus();
    switch (focus != nullptr ? GetDlgCtrlID(focus) : 0) {
    case IDC_BOOK_LIST:
        FocusControl(shift ? IDC_NOTE_DELETE : IDC_NOTE_LIST);
        break;
    case IDC_NOTE_LIST:
        FocusControl(shift ? IDC_BOOK_LIST : IDC_NOTE_NAME);
        break;
    case IDC_NOTE_NAME:
        if (shift) {
            FocusControl(IDC_NOTE_LIST);
        } else {
            FocusControl(IDC_NOTE_TEXT);
            CHARRANGE start = {0, 0};
            SendMessageA(NoteText(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
            FindWord(0, true);
        }
        break;
    case IDC_NOTE_TEXT: {
        CHARRANGE selection = {0, 0};
        SendMessageA(NoteText(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        const bool found =
            shift ? FindWord(selection.cpMin - 2, false)
                  : FindWord(selection.cpMax >= 0 ? selection.cpMax : selection.cpMin, true);
        if (!found) {
            HideNoteTextSelection();
            FocusControl(shift ? IDC_NOTE_NAME : IDC_NOTE_NEW);
        }
        break;
    }
    case IDC_NOTE_NEW:
        if (shift) {
            FocusControl(IDC_NOTE_TEXT);
            // The caret goes to the end of the text, however long.
            long end = static_cast<long>(EditorChars(NoteText()).size());
            CHARRANGE caret = {end, end};
            SendMessageA(NoteText(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
            FindWord(end - 2, false);
        } else {
            FocusControl(IDC_NOTE_DELETE);
        }
        break;
    case IDC_NOTE_DELETE:
        FocusControl(shift ? IDC_NOTE_NEW : IDC_BOOK_LIST);
        break;
    default:
        break;
    }
}

bool MainDialog::FindWord(long start, bool forward) {
    HWND editor = NoteText();
    const std::string text = EditorChars(editor);
    const long field =
        notekeys::FieldStart(text.c_str(), static_cast<long>(text.size()), start, forward);
    if (field < 0) return false;
    LRESULT line = SendMessageA(editor, EM_EXLINEFROMCHAR, 0, field);
    LRESULT lineStart = SendMessageA(editor, EM_LINEINDEX, line, 0);
    LRESULT lineLength = SendMessageA(editor, EM_LINELENGTH, field, 0);
    CHARRANGE selection = {field, static_cast<LONG>(lineStart + lineLength)};
    SendMessageA(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(editor, EM_HIDESELECTION, FALSE, 0);
    return true;
}
