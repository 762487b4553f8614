#include "mainwindow/book_properties_dialog.h"

#include "mainwindow/properties_input.h"
#include "notes/book_list.h"
#include "notes/note_codec.h"
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

// The whole text of a control, whatever its length and whatever characters it holds.
std::wstring WholeText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int length = GetWindowTextW(control, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

std::u16string AsUtf16(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

} // namespace

BookPropertiesDialog::BookPropertiesDialog(const char* bookFolder) {
    lstrcpynA(folder_, bookFolder, sizeof folder_);
}

void BookPropertiesDialog::InitDialog() {
    // A template of any length is shown and kept whole.
    SendDlgItemMessageA(hwnd(), IDC_BOOK_TEMPLATE, EM_SETLIMITTEXT, 0, 0);
    SetDlgItemTextA(hwnd(), IDC_BOOK_FOLDER, folder_);
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
    lstrcpynA(chosen, folder_, sizeof chosen);
    if (!LFile::BrowseForFolder(chosen, "Locate book folder:")) return;
    lstrcpynA(folder_, chosen, sizeof folder_);
    SetDlgItemTextA(hwnd(), IDC_BOOK_FOLDER, folder_);
    LoadBookProperties();
}

void BookPropertiesDialog::LoadBookProperties() {
    const int book = BookList::FindBookIndexByFolder(folder_);
    CheckDlgButton(hwnd(), IDC_BOOK_READ_ONLY,
                   BookList::IsReadOnly(book) ? BST_CHECKED : BST_UNCHECKED);
    if (BookList::IsDiary(book)) {
        shownTemplate_.assign(kDiaryNotice, kDiaryNotice + sizeof kDiaryNotice - 1);
        SetDlgItemTextA(hwnd(), IDC_BOOK_TEMPLATE, kDiaryNotice);
        EnableControl(IDC_BOOK_TEMPLATE, false);
        return;
    }
    char path[LFile::kPathSize];
    TemplatePath(folder_, path);
    // The template is read whole and shown in its own encoding, which its next save keeps.
    std::string bytes;
    ReadNoteBytes(path, &bytes);
    templateEncoding = DecodeNoteText(bytes, &shownTemplate_);
    // The box shows text up to a NUL character, and so would the template written back.
    shownTemplate_.resize(std::char_traits<wchar_t>::length(shownTemplate_.c_str()));
    SetDlgItemTextW(hwnd(), IDC_BOOK_TEMPLATE, shownTemplate_.c_str());
    // Browse may have come from a diary book, whose notice disabled the box.
    EnableControl(IDC_BOOK_TEMPLATE, true);
}

void BookPropertiesDialog::SaveBookProperties() {
    const int book = BookList::FindBookIndexByFolder(folder_);
    BookList::SetReadOnly(book, IsDlgButtonChecked(hwnd(), IDC_BOOK_READ_ONLY) == BST_CHECKED);
    const std::wstring shown = WholeText(GetDlgItem(hwnd(), IDC_BOOK_TEMPLATE));
    // The colons are found in UTF-8, where ':' and line ends are never part of another character.
    const std::string utf8 = SpaceAfterLineEndColons(Utf16ToUtf8(AsUtf16(shown)));
    const std::u16string spaced16 = Utf8ToUtf16(utf8.data(), utf8.size());
    const std::wstring spaced(reinterpret_cast<const wchar_t*>(spaced16.data()), spaced16.size());
    // An unchanged template (or one that could not be read, or a diary's notice) stays as it is.
    if (shown == shownTemplate_ && spaced == shown) return;
    const std::string bytes = EncodeNoteText(spaced, &templateEncoding);
    char path[LFile::kPathSize];
    TemplatePath(folder_, path);
    SaveNoteText(path, bytes.data(), bytes.size());
}
