#include "mainwindow/book_print_dialog.h"

#include "notes/book_print.h"
#include "platform/settings.h"
#include "resources/resource.h"

void BookPrintDialog::InitDialog() {
    CheckRadioButton(hwnd(), IDC_PRINT_PAGE_BREAKS, IDC_PRINT_NO_PAGE_BREAKS,
                     ReadPrintNotePerPage() ? IDC_PRINT_PAGE_BREAKS : IDC_PRINT_NO_PAGE_BREAKS);
}

bool BookPrintDialog::CmOk() {
    WriteSetting(setting::kPrintBookNotePerPage, IsDlgButtonChecked(hwnd(), IDC_PRINT_PAGE_BREAKS) == BST_CHECKED);
    return true;
}
