#include "mainwindow/book_properties_dialog.h"

#include "mainwindow/book_template.h"
#include "notes/book_list.h"
#include "notes/note_files.h"
#include "resources/resource.h"

#include <string>

namespace {

const char kDiaryNotice[] = "Diary does not use templates";
const int kHelpContext = 103;

void TemplatePath(const char* folder, char* path) {
    lstrcpynA(path, folder, LFile::kPathSize);
    LFile::FilePathCatExt(path, "template", "._txt");
}

// The whole text of a control, whatever its length.
std::string WholeText(HWND control) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const int length = GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

} // namespace

BookPropertiesDialog::BookPropertiesDialog(const char* bookFolder) {
    lstrcpynA(folder, bookFolder, sizeof folder);
}

void BookPropertiesDialog::InitDialog() {
    // A template of any length is shown and kept whole.
    SendDlgItemMessageA(hwnd, IDC_BOOK_TEMPLATE, EM_SETLIMITTEXT, 0, 0);
    SetDlgItemTextA(hwnd, IDC_BOOK_FOLDER, folder);
    LoadBookProperties();
}

bool BookPropertiesDialog::CmOk() {
    SaveBookProperties();
    return true;
}

void BookPropertiesDialog::CmHelp() {
    DisplayHelpContents(kHelpContext);
}

void BookPropertiesDialog::Command(int id, int) {
    if (id != IDC_BOOK_BROWSE) return;
    char chosen[LFile::kPathSize];
    lstrcpynA(chosen, folder, sizeof chosen);
    if (!LFile::BrowseForFolder(chosen, "Locate book folder:")) return;
    lstrcpynA(folder, chosen, sizeof folder);
    SetDlgItemTextA(hwnd, IDC_BOOK_FOLDER, folder);
    LoadBookProperties();
}

void BookPropertiesDialog::LoadBookProperties() {
    const int book = BookList::FindBookIndexByFolder(folder);
    CheckDlgButton(hwnd, IDC_BOOK_READ_ONLY,
                   BookList::IsReadOnly(book) ? BST_CHECKED : BST_UNCHECKED);
    if (BookList::IsDiary(book)) {
        shownTemplate_ = kDiaryNotice;
        SetDlgItemTextA(hwnd, IDC_BOOK_TEMPLATE, kDiaryNotice);
        EnableControl(IDC_BOOK_TEMPLATE, false);
        return;
    }
    char path[LFile::kPathSize];
    TemplatePath(folder, path);
    ReadNoteBytes(path, &shownTemplate_);
    // The box shows text up to a NUL byte, and so would the template written back.
    shownTemplate_.resize(std::char_traits<char>::length(shownTemplate_.c_str()));
    SetDlgItemTextA(hwnd, IDC_BOOK_TEMPLATE, shownTemplate_.c_str());
    // Browse may have come from a diary book, whose notice disabled the box.
    EnableControl(IDC_BOOK_TEMPLATE, true);
}

void BookPropertiesDialog::SaveBookProperties() {
    const int book = BookList::FindBookIndexByFolder(folder);
    BookList::SetReadOnly(book, IsDlgButtonChecked(hwnd, IDC_BOOK_READ_ONLY) == BST_CHECKED);
    const std::string shown = WholeText(GetDlgItem(hwnd, IDC_BOOK_TEMPLATE));
    const std::string text = SpaceAfterLineEndColons(shown);
    // An unchanged template (or one that could not be read, or a diary's notice) stays as it is.
    if (shown == shownTemplate_ && text == shown) return;
    char path[LFile::kPathSize];
    TemplatePath(folder, path);
    SaveNoteText(path, text.data(), text.size());
}
