#include "dialogs/ltext_edit_dlg.h"

#include "resources/resource.h"

#include <cstring>

void LTextEditDlg::InitDialog() {
    SetWindowTextA(hwnd(), title);
    SetDlgItemTextA(hwnd(), IDC_TEXT_EDIT, text);
    SendDlgItemMessageA(hwnd(), IDC_TEXT_EDIT, EM_SETSEL, 0, static_cast<LPARAM>(std::strlen(text)));
}

bool LTextEditDlg::CmOk() {
    if (SendDlgItemMessageA(hwnd(), IDC_TEXT_EDIT, EM_GETMODIFY, 0, 0) != 0)
        GetControlText(IDC_TEXT_EDIT, text);
    return true;
}
