// The control and menu helpers of LDialog. Each works on the dialog's own window and looks its
// control or menu item up at every call; a missing control makes the call a quiet no-op.
#include "dialogs/ldialog.h"

#include "dialogs/program_instance.h"
#include "dialogs/window_math.h"

#include <commctrl.h>

namespace {

const int kTextSize = 260;
// Enough for any list of columns a dialog of this program inserts.
const int kMaxColumns = 32;

} // namespace

BOOL LDialog::DisplayHelpContents(int contextId) {
    return WinHelpA(hwnd(), kHelpFile, HELP_CONTEXT, static_cast<ULONG_PTR>(contextId));
}

int LDialog::MapDialogHeight(int dialogUnits) {
    RECT rect = {0, 0, 0, dialogUnits};
    MapDialogRect(hwnd(), &rect);
    return rect.bottom;
}

void LDialog::EnableMenuCommand(int id, bool enable) {
    EnableMenuItem(GetMenu(hwnd()), id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

void LDialog::CheckMenuCommand(int id, bool check) {
    CheckMenuItem(GetMenu(hwnd()), id, MF_BYCOMMAND | (check ? MF_CHECKED : MF_UNCHECKED));
}

void LDialog::EnableControl(int id, bool enable) {
    EnableWindow(GetDlgItem(hwnd(), id), enable ? TRUE : FALSE);
}

void LDialog::MoveControl(int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(hwnd(), id), x, y, width, height, TRUE);
}

int LDialog::GetControlText(int id, char* buffer) {
    buffer[0] = '\0';
    return static_cast<int>(GetDlgItemTextA(hwnd(), id, buffer, kTextSize));
}

void LDialog::LVInsertColumns(int id, const char* const* titles, const int* percentages) {
    int count = 0;
    while (count < kMaxColumns && titles[count] != nullptr)
        ++count;
    RECT client = {0, 0, 0, 0};
    GetClientRect(GetDlgItem(hwnd(), id), &client);
    int widths[kMaxColumns];
    int columns = windowmath::ColumnWidths(client.right, percentages, count, widths);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[i];
        column.pszText = const_cast<char*>(titles[i]);
        column.iSubItem = i;
        SendDlgItemMessageA(hwnd(), id, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void LDialog::LVSetColumnWidth(int id, int column, int width) {
    LVCOLUMNA value = {};
    value.mask = LVCF_WIDTH;
    value.cx = width;
    SendDlgItemMessageA(hwnd(), id, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&value));
}

void LDialog::LVSetSelection(int id, int item) {
    // Index -1 changes every item in one message, however long the list.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(hwnd(), id, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(&state));
    const LRESULT count = SendDlgItemMessageA(hwnd(), id, LVM_GETITEMCOUNT, 0, 0);
    if (item < 0 || item >= count) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(hwnd(), id, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

void LDialog::RelayToolTipEvent(HWND toolTips, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    if (toolTips == nullptr || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
    MSG relayed = {};
    relayed.hwnd = window;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessageA(toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void LDialog::AddTool(HWND& toolTips, int id, const char* text) {
    if (toolTips == nullptr) {
        InitCommonControls();
        toolTips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                   ProgramInstance(), nullptr);
        if (toolTips == nullptr) return;
        SetWindowPos(toolTips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // The first layout of TOOLINFOA, without its later lParam member.
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    // Not subclassed: a subclassed control pays for a property look-up on every message it gets,
    // a round trip to the window server under Wine, which made filling a long note list take
    // seconds. The dialog relays the mouse messages instead (RelayToolTipEvent).
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd(), id));
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(toolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

int ShowMessage(HWND window, const char* text, const char* caption, UINT type) {
    HWND owner = window != nullptr && IsWindowVisible(window) ? window : nullptr;
    return MessageBoxA(owner, text, caption, type);
}
