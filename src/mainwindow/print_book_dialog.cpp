#include "mainwindow/print_book_dialog.h"

#include "notes/book_print.h"
#include "platform/lfile.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <shellapi.h>

#include <utility>

void BookPrintDialog::InitDialog() {
    CheckRadioButton(hwnd(), IDC_PRINT_PAGE_BREAKS, IDC_PRINT_NO_PAGE_BREAKS,
                     ReadPrintNotePerPage() ? IDC_PRINT_PAGE_BREAKS : IDC_PRINT_NO_PAGE_BREAKS);
}

bool BookPrintDialog::CmOk() {
    WriteSetting(setting::kPrintBookNotePerPage,
                 IsDlgButtonChecked(hwnd(), IDC_PRINT_PAGE_BREAKS) == BST_CHECKED);
    return true;
}

BookPrintProgress::BookPrintProgress(HWND owner, const char* folder,
                                     std::vector<std::string> names,
                                     std::vector<std::wstring> fileNames)
    : LProgressDialog("Printing book"), owner_(owner), folder_(folder), names_(std::move(names)),
      fileNames_(std::move(fileNames)) {}

bool BookPrintProgress::PrintBook() {
    char path[LFile::kPathSize] = "";
    WritePrintDocument(
        folder_.c_str(), names_, ReadPrintNotePerPage(),
        [this](size_t index, size_t count) {
            SetProgress(static_cast<double>(index) / static_cast<double>(count));
        },
        path, fileNames_);
    // Even a document that could not be written is asked for: an older one may be there.
    ShellExecuteA(owner_, "print", path, nullptr, nullptr, SW_HIDE);
    return true;
}

void RunBookPrint(HWND owner, const char* folder, const std::vector<std::string>& names,
                  const std::vector<std::wstring>& fileNames) {
    BookPrintDialog dialog;
    if (!dialog.Open(owner, MAKEINTRESOURCEA(IDD_PRINT_BOOK))) return;
    if (names.empty()) return;
    BookPrintProgress progress(owner, folder, names, fileNames);
    progress.Run(owner);
}
