// MainDialog's life cycle, window messages, timers and layout.
#include "mainwindow/main_dialog.h"

#include "dialogs/program_instance.h"
#include "mainwindow/hot_key.h"
#include "mainwindow/link_question.h"
#include "mainwindow/logon_start.h"
#include "mainwindow/main_layout.h"
#include "mainwindow/status_texts.h"
#include "mainwindow/tray_icon.h"
#include "notes/note_codec.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <string>

namespace {

const UINT kSaveDelayMs = 5000;
const UINT kFirstStatusMs = 500;
const UINT kStatusMs = 8000;
const COLORREF kNameBackground = RGB(255, 255, 195);
const COLORREF kNameTextColour = RGB(0, 0, 63);
const COLORREF kStatusBackground = RGB(0xAA, 0xAA, 0xAA);
const COLORREF kStatusTextColour = RGB(255, 255, 255);

} // namespace

MainDialog::MainDialog(int argc, const char* const* argv)
    : nameBrush_(CreateSolidBrush(kNameBackground)),
      logonStart_(argc > 1 && std::strcmp(argv[1], "/logon") == 0) {}

MainDialog::~MainDialog() {
    if (toolTips != nullptr && IsWindow(toolTips)) DestroyWindow(toolTips);
}

void MainDialog::InitDialog() {
    splash.Show(hwnd(), MAKEINTRESOURCEA(IDB_SPLASH));
    SetWindowIcons();
    AddTrayIcon(hwnd());
    RestorePlacement();
    LayoutControls();
    SetUpNoteList();
    SetNameFont();
    InitFolderList();
    SetTimer(hwnd(), kStatusTimer, kFirstStatusMs, nullptr);
    HotKeyOpen(*this);
    AddToolTips();
    if (logonStart_) PostMessageA(hwnd(), WM_COMMAND, IDM_CLOSE, 0);
}

void MainDialog::DestroyDialog() {
    SaveForGood();
    HotKeyClose(*this);
    UpdateLogonStart();
    RemoveTrayIcon(hwnd());
}

void MainDialog::SetWindowIcons() {
    const struct {
        WPARAM which;
        int size;
    } icons[] = {{ICON_BIG, 32}, {ICON_SMALL, 16}};
    for (const auto& icon : icons) {
        HANDLE image = LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                  icon.size, icon.size, 0);
        LRESULT previous =
            SendMessageA(hwnd(), WM_SETICON, icon.which, reinterpret_cast<LPARAM>(image));
        if (previous != 0) DestroyIcon(reinterpret_cast<HICON>(previous));
    }
}

void MainDialog::RestorePlacement() {
    mainlayout::WindowPlace stored = {
        ReadSetting(setting::kWindowX), ReadSetting(setting::kWindowY),
        ReadSetting(setting::kWindowWidth), ReadSetting(setting::kWindowHeight)};
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    mainlayout::WindowPlace place =
        mainlayout::ClampToDesktop(stored, desktop.right, desktop.bottom);
    MoveWindow(hwnd(), place.x, place.y, place.width, place.height, TRUE);
}

void MainDialog::SetUpNoteList() {
    SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                        LVS_EX_FULLROWSELECT);
    const char* const titles[] = {"", nullptr};
    const int percentages[] = {100};
    LVInsertColumns(IDC_NOTE_LIST, titles, percentages);
}

void MainDialog::SetNameFont() {
    nameFont_.Reset(CreateFontA(17, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                FF_MODERN | DEFAULT_PITCH, nullptr));
    if (nameFont_.get() != nullptr)
        SendDlgItemMessageA(hwnd(), IDC_NOTE_NAME, WM_SETFONT,
                            reinterpret_cast<WPARAM>(nameFont_.get()), FALSE);
}

void MainDialog::AddToolTips() {
    AddTool(toolTips, IDC_BOOK_LIST, "Current book. Pull down the list to select another book.");
    AddTool(toolTips, IDC_NOTE_LIST, "List of notes in this book. Click on a note to view it.");
    AddTool(toolTips, IDC_NOTE_NAME, "Note name. Type here to change its name.");
    AddTool(toolTips, IDC_NOTE_TEXT, kNoteTextTip);
    AddTool(toolTips, IDC_NOTE_NEW, "Add New Note (Ctrl+N)");
    AddTool(toolTips, IDC_NOTE_DELETE, "Delete Note (Ctrl+Del)");
    AddTool(toolTips, IDC_STATUS_LINK, "Click here");
}

void MainDialog::LayoutControls() {
    RECT client;
    GetClientRect(hwnd(), &client);
    mainlayout::Layout layout =
        mainlayout::ComputeLayout(client.right, client.bottom, MapDialogHeight(10));
    for (const mainlayout::ControlPlace& place : layout.controls)
        MoveControl(place.id, place.x, place.y, place.width, place.height);
    FitNoteColumn();
}

// The note list's one column fills the list's client width, which the vertical scroll bar
// narrows once the list is longer than it is high.
void MainDialog::FitNoteColumn() {
    RECT list;
    GetClientRect(GetDlgItem(hwnd(), IDC_NOTE_LIST), &list);
    LVSetColumnWidth(IDC_NOTE_LIST, 0, list.right - 1);
}

// The outer rectangle as GetWindowRect gives it: a move stores the position only, a size change
// the size only. A minimized or maximized window keeps the rectangle it had before, which is the
// one it comes back to and the one the next start should open with.
void MainDialog::StoreWindowRect(bool position) {
    RECT rect;
    if (IsIconic(hwnd()) || IsZoomed(hwnd()) || !GetWindowRect(hwnd(), &rect)) return;
    if (position) {
        WriteSetting(setting::kWindowX, rect.left);
        WriteSetting(setting::kWindowY, rect.top);
    } else {
        WriteSetting(setting::kWindowWidth, rect.right - rect.left);
        WriteSetting(setting::kWindowHeight, rect.bottom - rect.top);
    }
}

void MainDialog::StartSaveTimer() {
    SetTimer(hwnd(), kSaveTimer, kSaveDelayMs, nullptr);
}

void MainDialog::OnTimer(UINT_PTR id) {
    KillTimer(hwnd(), id);
    if (id == kStatusTimer) {
        SetDlgItemTextA(hwnd(), IDC_STATUS_LINK, statustexts::NextStatusText(&statusIndex));
        SetTimer(hwnd(), kStatusTimer, kStatusMs, nullptr);
    } else if (id == kSaveTimer) {
        SaveData();
    }
}

INT_PTR MainDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOVE:
        StoreWindowRect(true);
        break;
    case WM_SIZE:
        StoreWindowRect(false);
        LayoutControls();
        InvalidateRect(hwnd(), nullptr, FALSE);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
        EnableMenuItems(reinterpret_cast<HMENU>(wParam));
        return TRUE;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == GetDlgItem(hwnd(), IDC_NOTE_LIST))
            TrackContextMenu(IDR_NOTE_LIST_MENU);
        else if (reinterpret_cast<HWND>(wParam) == GetDlgItem(hwnd(), IDC_STATUS_LINK))
            TrackContextMenu(IDR_WEB_LINKS_MENU);
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(hwnd(), IDC_NOTE_NAME)) break;
        SetBkColor(reinterpret_cast<HDC>(wParam), kNameBackground);
        SetBkMode(reinterpret_cast<HDC>(wParam), OPAQUE);
        SetTextColor(reinterpret_cast<HDC>(wParam), kNameTextColour);
        return reinterpret_cast<INT_PTR>(nameBrush_.get());
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(hwnd(), IDC_STATUS_LINK)) break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        SetBkColor(reinterpret_cast<HDC>(wParam), kStatusBackground);
        SetTextColor(reinterpret_cast<HDC>(wParam), kStatusTextColour);
        return reinterpret_cast<INT_PTR>(GetStockObject(DKGRAY_BRUSH));
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) ReloadIfChangedOnDisk();
        break;
    case WM_HOTKEY:
        CmOpen();
        return TRUE;
    case kTrayCallbackMessage:
        TrayIconCallback(hwnd(), lParam);
        return TRUE;
    default:
        if (RestoreTrayIconOnTaskbarCreated(hwnd(), message)) return TRUE;
        break;
    }
    return LKeyDialogBox::DialogProc(message, wParam, lParam);
}

// Every notification is answered 0, so that the controls carry on as usual (the rich edit still
// takes the clicks and right clicks it reports). Returning FALSE leaves the answer to the dialog
// manager, which gives 0; setting DWLP_MSGRESULT instead would cost a round trip to the window
// server under Wine for each of the thousands of notifications a long note list sends while it
// fills.
INT_PTR MainDialog::AnswerNotification() {
    return FALSE;
}

INT_PTR MainDialog::OnNotify(NMHDR& header) {
    if (header.idFrom == IDC_NOTE_LIST) return OnNoteListNotify(header);
    if (header.idFrom == IDC_NOTE_TEXT) OnNoteTextNotify(header);
    return AnswerNotification();
}

INT_PTR MainDialog::OnNoteListNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
        GiveNoteName(header);
        break;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
        // The one notification whose answer is not 0: the item found.
        SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, FindTypedNote(header));
        return TRUE;
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!shiftingSelection_ && (change.uChanged & LVIF_STATE) &&
            (change.uNewState & LVIS_SELECTED)) {
            ItemSelectionChanged();
            UpdateControls();
        }
        break;
    }
    case LVN_ODSTATECHANGED: // a range selected with Shift
        if (!shiftingSelection_ &&
            (reinterpret_cast<const NMLVODSTATECHANGE&>(header).uNewState & LVIS_SELECTED)) {
            ItemSelectionChanged();
            UpdateControls();
        }
        break;
    case NM_CLICK:
        ItemSelectionChanged(); // a click on the open note shows a change made elsewhere
        break;
    default:
        break;
    }
    return AnswerNotification();
}

void MainDialog::GiveNoteName(NMHDR& header) {
    if (header.code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
            lstrcpynA(item.pszText, noteList_.NameAt(item.iItem), item.cchTextMax);
        return;
    }
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
        lstrcpynW(item.pszText, WideFromAnsi(noteList_.NameAt(item.iItem)).c_str(),
                  item.cchTextMax);
}

// Wine asks in UTF-16 even of a window that takes ANSI notifications; Windows asks as the
// window takes them.
int MainDialog::FindTypedNote(const NMHDR& header) {
    char typed[LFile::kPathSize] = "";
    LVFINDINFOA find = {};
    int start = 0;
    if (header.code == LVN_ODFINDITEMA) {
        const auto& request = reinterpret_cast<const NMLVFINDITEMA&>(header);
        find = request.lvfi;
        start = request.iStart;
        if (find.psz != nullptr) lstrcpynA(typed, find.psz, sizeof typed);
    } else {
        const auto& request = reinterpret_cast<const NMLVFINDITEMW&>(header);
        find.flags = request.lvfi.flags;
        start = request.iStart;
        if (request.lvfi.psz != nullptr &&
            WideCharToMultiByte(CP_ACP, 0, request.lvfi.psz, -1, typed, sizeof typed, nullptr,
                                nullptr) == 0)
            return -1;
    }
    if (find.flags & LVFI_PARTIAL) return noteList_.FindPrefix(typed, start);
    if (find.flags & LVFI_STRING) return noteList_.Find(typed);
    return -1;
}

void MainDialog::OnNoteTextNotify(const NMHDR& header) {
    switch (header.code) {
    case EN_LINK: {
        const auto& link = reinterpret_cast<const ENLINK&>(header);
        if (link.msg == WM_LBUTTONDOWN) OpenClickedLink(link.chrg.cpMin, link.chrg.cpMax);
        break;
    }
    case EN_MSGFILTER:
        if (reinterpret_cast<const MSGFILTER&>(header).msg == WM_RBUTTONDOWN)
            TrackContextMenu(IDR_NOTE_TEXT_MENU);
        break;
    default:
        break;
    }
}

// The link is read whole, however long, so that the address opened is the one clicked.
void MainDialog::OpenClickedLink(long first, long last) {
    if (last <= first) return;
    CHARRANGE range = {first, last};
    SendMessageA(NoteText(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // Two bytes a character leave room for double-byte code pages.
    std::string text(2 * static_cast<size_t>(last - first) + 1, '\0');
    TEXTRANGEA textRange = {range, &text[0]};
    SendMessageA(NoteText(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&textRange));
    OpenNoteLink(hwnd(), text.c_str());
}
