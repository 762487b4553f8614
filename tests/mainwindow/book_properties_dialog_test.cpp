// The Book Properties dialog on real books: the read-only flag, the template and Browse.
#include "mainwindow/book_properties_dialog.h"
#include "notes/book_list.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::DialogScript;
using testkit::ReadFileBytes;

// What the dialog shows of a book.
struct Shown {
    explicit Shown(HWND dialog) {
        char text[1024];
        GetDlgItemTextA(dialog, IDC_BOOK_FOLDER, text, sizeof text);
        folder = text;
        GetDlgItemTextA(dialog, IDC_BOOK_TEMPLATE, text, sizeof text);
        templateText = text;
        readOnly = IsDlgButtonChecked(dialog, IDC_BOOK_READ_ONLY) == BST_CHECKED;
        templateEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BOOK_TEMPLATE)) != 0;
    }
    std::string folder, templateText;
    bool readOnly, templateEnabled;
};

std::string MakeBook(const char* name, bool diary) {
    std::string folder = testkit::ScratchPath(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    BookList::AddBook(folder.c_str(), diary);
    return folder;
}

TEST(BookPropertiesDialog, ShowsTheBookAndSavesFlagAndTemplateWithSpacesAfterLineEndColons) {
    MakeBook("Other Notes", false);
    std::string folder = MakeBook("Phones", false);
    BookList::SetReadOnly(1, true);
    testkit::WriteFileBytes(folder + "\\template._txt", "Name:\r\n");
    std::vector<Shown> shown;
    DialogScript script({[&](HWND dialog) {
        shown.emplace_back(dialog);
        CheckDlgButton(dialog, IDC_BOOK_READ_ONLY, BST_UNCHECKED);
        SetDlgItemTextA(dialog, IDC_BOOK_TEMPLATE, "Name:\r\nPhone:\r\nCall at 10:30\r\n");
        testkit::PressButton(dialog, IDOK);
    }});
    BookPropertiesDialog dialog(folder.c_str());
    EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES)));
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(folder, shown[0].folder);
    EXPECT_TRUE(shown[0].readOnly);
    EXPECT_EQ("Name:\r\n", shown[0].templateText);
    EXPECT_FALSE(BookList::IsReadOnly(1));
    EXPECT_EQ("Name: \r\nPhone: \r\nCall at 10:30\r\n", ReadFileBytes(folder + "\\template._txt"));
}

TEST(BookPropertiesDialog, ALongTemplateIsKeptWholeUnchangedAndWrittenWholeWhenChanged) {
    std::string folder = MakeBook("Long", false);
    const std::string path = folder + "\\template._txt";
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    ASSERT_GT(text.size(), 40000u);
    testkit::WriteFileBytes(path, text);
    for (bool change : {false, true}) {
        DialogScript script({[change](HWND dialog) {
            if (change) {
                const int length = GetWindowTextLengthA(GetDlgItem(dialog, IDC_BOOK_TEMPLATE));
                SendDlgItemMessageA(dialog, IDC_BOOK_TEMPLATE, EM_SETSEL, length, length);
                SendDlgItemMessageA(dialog, IDC_BOOK_TEMPLATE, EM_REPLACESEL, FALSE,
                                    reinterpret_cast<LPARAM>("end"));
            }
            testkit::PressButton(dialog, IDOK);
        }});
        BookPropertiesDialog dialog(folder.c_str());
        EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES)));
        EXPECT_EQ(change ? text + "end" : text, ReadFileBytes(path)) << change;
    }
}

// Records what the dialog shows after each Browse; the second one ends the dialog with OK.
class BrowseProbe : public BookPropertiesDialog {
  public:
    using BookPropertiesDialog::BookPropertiesDialog;
    void Command(int id, int notifyCode) override {
        BookPropertiesDialog::Command(id, notifyCode);
        if (id != IDC_BOOK_BROWSE) return;
        afterBrowse.emplace_back(hwnd());
        PostMessageA(hwnd(), WM_COMMAND, afterBrowse.size() < 2 ? IDC_BOOK_BROWSE : IDOK, 0);
    }
    std::vector<Shown> afterBrowse;
};

TEST(BookPropertiesDialog, BrowseFromADiaryToANormalBookShowsItsTemplateEnabled) {
    std::string diary = MakeBook("Diary", true);
    std::string phones = MakeBook("Phones", false);
    BookList::SetReadOnly(1, true);
    testkit::WriteFileBytes(phones + "\\template._txt", "Phone:");
    DialogScript script({[](HWND dialog) {
                             testkit::SaveScreenImage(dialog, "book-properties-diary");
                             PostMessageA(dialog, WM_COMMAND, IDC_BOOK_BROWSE, 0);
                         },
                         DialogScript::Press(IDCANCEL),
                         [&](HWND picker) { testkit::ChooseFolderInPicker(picker, phones); }});
    BrowseProbe dialog(diary.c_str());
    EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES)));
    ASSERT_EQ(2u, dialog.afterBrowse.size());
    // A diary uses no template; a cancelled picker changes nothing.
    EXPECT_EQ(diary, dialog.afterBrowse[0].folder);
    EXPECT_EQ("Diary does not use templates", dialog.afterBrowse[0].templateText);
    EXPECT_FALSE(dialog.afterBrowse[0].templateEnabled);
    EXPECT_NE(std::string::npos, script.seen().at(1).text.find("Locate book folder:"));

    const Shown& picked = dialog.afterBrowse[1];
    EXPECT_STRCASEEQ(phones.c_str(), picked.folder.c_str());
    EXPECT_EQ("Phone:", picked.templateText);
    EXPECT_TRUE(picked.templateEnabled);
    EXPECT_TRUE(picked.readOnly);
    // OK wrote the picked folder's template; the diary's book record was not touched.
    EXPECT_EQ("Phone: ", ReadFileBytes(phones + "\\template._txt"));
    EXPECT_EQ("<missing>", ReadFileBytes(diary + "\\template._txt"));
    char folder[260];
    BookList::GetFolder(0, folder);
    EXPECT_EQ(diary, folder);
}

} // namespace
