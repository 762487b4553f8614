#include "mainwindow/book_commands.h"

#include "dialogs/ltext_edit_dlg.h"
#include "installer/folders.h"
#include "mainwindow/diary_properties_dialog.h"
#include "notes/book_list.h"
#include "notes/note_names.h"
#include "platform/lfile.h"
#include "resources/resource.h"

#include <cstdio>

namespace {

enum class NameCheck { Usable, Empty, Cancelled, Taken, TooLong, NoFolder };

// One try of the new local book's name: the entry box, then the checks, in the order the user
// meets them. On Usable, folder holds the created (or existing) book folder.
NameCheck TryLocalBookName(HWND owner, bool diary, char* text, char* folder) {
    LTextEditDlg entry(text, diary ? "Enter Diary Name" : "Enter Book Name");
    if (!entry.Open(owner, "LTextEditDlg")) return NameCheck::Cancelled;
    char name[LFile::kPathSize];
    if (!CleanBookName(text, name)) return NameCheck::Empty;
    if (diary) {
        DiaryPropertiesDialog properties;
        if (!properties.Open(owner, MAKEINTRESOURCEA(IDD_DIARY_PROPERTIES)))
            return NameCheck::Cancelled;
    }
    char dataFolder[LFile::kPathSize];
    GetDataFolderPath(nullptr, dataFolder);
    // A cut path would make a book of another name than the one typed.
    if (!BuildBookFolderPath(dataFolder, name, folder)) return NameCheck::TooLong;
    char bookName[LFile::kPathSize];
    BookNameFromFolder(folder, bookName);
    if (BookList::BookNameExists(bookName)) return NameCheck::Taken;
    // An existing folder of that name becomes the book, with the notes it holds. A folder that
    // cannot be made would lose every note written into the book.
    CreateDirectoryA(folder, nullptr);
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return NameCheck::NoFolder;
    return NameCheck::Usable;
}

} // namespace

bool AskNewLocalBook(HWND owner, bool diary, char* folderOut) {
    char text[LFile::kPathSize] = "";
    for (;;) {
        char folder[LFile::kPathSize];
        switch (TryLocalBookName(owner, diary, text, folder)) {
        case NameCheck::Usable:
            lstrcpynA(folderOut, folder, LFile::kPathSize);
            return true;
        case NameCheck::Cancelled:
            return false;
        case NameCheck::Empty:
            ShowMessage(owner, "The name must contain text.", "Name Invalid",
                        MB_OK | MB_ICONINFORMATION);
            break;
        case NameCheck::Taken:
            ShowMessage(
                owner,
                "The book cannot be created because another book with the same name already "
                "exists. Please try another name.",
                "Book Name Exists", MB_OK | MB_ICONINFORMATION);
            break;
        case NameCheck::TooLong:
            ShowMessage(owner,
                        "The book cannot be created because the path of its folder would be longer "
                        "than 259 characters. Please try a shorter name.",
                        "Name Invalid", MB_OK | MB_ICONINFORMATION);
            break;
        case NameCheck::NoFolder:
            ShowMessage(
                owner,
                "The book cannot be created because its folder cannot be created. Please try "
                "another name.",
                "Name Invalid", MB_OK | MB_ICONINFORMATION);
            break;
        }
    }
}

bool AskSharedBookFolder(HWND owner, char* folderOut) {
    char folder[LFile::kPathSize] = "";
    if (!LFile::BrowseForFolder(folder, "Locate new book folder:")) return false;
    char bookName[LFile::kPathSize];
    BookNameFromFolder(folder, bookName);
    if (BookList::BookNameExists(bookName)) {
        ShowMessage(owner,
                    "The book cannot be created because another book with the same name already "
                    "exists. To replace the other book, delete it first then rename this book.",
                    "Book Name Exists", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    lstrcpynA(folderOut, folder, LFile::kPathSize);
    return true;
}

bool ConfirmRemoveBook(HWND owner, const char* name) {
    char question[LFile::kPathSize + 64];
    std::snprintf(question, sizeof question,
                  "Are you sure you want to remove the book \"%s\" from your list?", name);
    return ShowMessage(owner, question, "Confirm Remove Book", MB_OKCANCEL | MB_ICONQUESTION) ==
           IDOK;
}
