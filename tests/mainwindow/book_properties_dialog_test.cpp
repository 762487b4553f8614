// The Book Properties dialog on real books: the read-only flag, the template and Browse.
#include "mainwindow/book_properties_dialog.h"
#include "notes/book_list.h"
#include "resources/resource.h"
#include "testkit/dialog_watch.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testkit::DialogScript;
using testkit::ReadFileBytes;
using testkit::ScratchPath;

const LPCSTR kTemplate = MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES);

std::string ItemText(HWND dialog, int id) {
    char text[4096];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// What the dialog shows of a book.
struct Shown {
    std::string folder, templateText;
    bool readOnly = false, templateEnabled = false;
    void Read(HWND dialog) {
        folder = ItemText(dialog, IDC_BOOK_FOLDER);
        templateText = ItemText(dialog, IDC_BOOK_TEMPLATE);
        readOnly = IsDlgButtonChecked(dialog, IDC_BOOK_READ_ONLY) == BST_CHECKED;
        templateEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BOOK_TEMPLATE)) != 0;
    }
};

std::string MakeBook(const char* name, bool diary) {
    std::string folder = ScratchPath(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    BookList::AddBook(folder.c_str(), diary);
    return folder;
}

TEST(BookPropertiesDialog, ShowsTheBookAndSavesFlagAndTemplateWithSpacesAfterLineEndColons) {
    MakeBook("Other Notes", false);
    std::string folder = MakeBook("Phones", false);
    BookList::SetReadOnly(1, true);
    testkit::WriteFileBytes(folder + "\\template._txt", "Name:\r\n");
    Shown shown;
    DialogScript script({[&](HWND dialog) {
        shown.Read(dialog);
        CheckDlgButton(dialog, IDC_BOOK_READ_ONLY, BST_UNCHECKED);
        SetDlgItemTextA(dialog, IDC_BOOK_TEMPLATE, "Name:\r\nPhone:\r\nCall at 10:30\r\n");
        testkit::PressButton(dialog, IDOK);
    }});
    BookPropertiesDialog dialog(folder.c_str());
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ(folder, shown.folder);
    EXPECT_TRUE(shown.readOnly);
    EXPECT_EQ("Name:\r\n", shown.templateText);
    EXPECT_TRUE(shown.templateEnabled);

    EXPECT_FALSE(BookList::IsReadOnly(1));
    EXPECT_FALSE(BookList::IsReadOnly(0));
    EXPECT_EQ("Name: \r\nPhone: \r\nCall at 10:30\r\n", ReadFileBytes(folder + "\\template._txt"));
}

TEST(BookPropertiesDialog, CancelChangesNothingAndAMissingTemplateShowsEmpty) {
    std::string folder = MakeBook("Recipes", false);
    Shown shown;
    DialogScript script({[&](HWND dialog) {
        shown.Read(dialog);
        CheckDlgButton(dialog, IDC_BOOK_READ_ONLY, BST_CHECKED);
        SetDlgItemTextA(dialog, IDC_BOOK_TEMPLATE, "Ingredients:");
        testkit::PressButton(dialog, IDCANCEL);
    }});
    BookPropertiesDialog dialog(folder.c_str());
    EXPECT_FALSE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ("", shown.templateText);
    EXPECT_FALSE(shown.readOnly);
    EXPECT_FALSE(BookList::IsReadOnly(0));
    EXPECT_EQ("<missing>", ReadFileBytes(folder + "\\template._txt"));
}

TEST(BookPropertiesDialog, ADiaryBookUsesNoTemplateAndOkStoresTheNotice) {
    MakeBook("Phones", false);
    std::string diary = MakeBook("Diary", true);
    Shown shown;
    DialogScript script({[&](HWND dialog) {
        shown.Read(dialog);
        CheckDlgButton(dialog, IDC_BOOK_READ_ONLY, BST_CHECKED);
        testkit::SaveScreenImage(dialog, "book-properties-diary");
        testkit::PressButton(dialog, IDOK);
    }});
    BookPropertiesDialog dialog(diary.c_str());
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ("Diary does not use templates", shown.templateText);
    EXPECT_FALSE(shown.templateEnabled);
    EXPECT_TRUE(BookList::IsReadOnly(1));
    EXPECT_FALSE(BookList::IsReadOnly(0));
    EXPECT_EQ("Diary does not use templates", ReadFileBytes(diary + "\\template._txt"));
}

// Records what the dialog shows after each Browse, then closes it.
class BrowseProbe : public BookPropertiesDialog {
  public:
    using BookPropertiesDialog::BookPropertiesDialog;
    void Command(int id, int notifyCode) override {
        BookPropertiesDialog::Command(id, notifyCode);
        if (id != IDC_BOOK_BROWSE) return;
        afterBrowse.push_back(Shown());
        afterBrowse.back().Read(hwnd);
        PostMessageA(hwnd, WM_COMMAND, afterBrowse.size() < browses ? IDC_BOOK_BROWSE : IDOK, 0);
    }
    std::vector<Shown> afterBrowse;
    size_t browses = 1;
};

TEST(BookPropertiesDialog, BrowseFromADiaryToANormalBookShowsItsTemplateEnabled) {
    std::string diary = MakeBook("Diary", true);
    std::string phones = MakeBook("Phones", false);
    BookList::SetReadOnly(1, true);
    testkit::WriteFileBytes(phones + "\\template._txt", "Phone:");
    DialogScript script({[](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDC_BOOK_BROWSE, 0); },
                         [](HWND picker) { testkit::PressButton(picker, IDCANCEL); },
                         [&](HWND picker) { testkit::ChooseFolderInPicker(picker, phones); }});
    BrowseProbe dialog(diary.c_str());
    dialog.browses = 2;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    ASSERT_EQ(2u, dialog.afterBrowse.size());
    // A cancelled picker changes nothing.
    EXPECT_EQ(diary, dialog.afterBrowse[0].folder);
    EXPECT_FALSE(dialog.afterBrowse[0].templateEnabled);

    const Shown& picked = dialog.afterBrowse[1];
    EXPECT_STRCASEEQ(phones.c_str(), picked.folder.c_str());
    EXPECT_EQ("Phone:", picked.templateText);
    EXPECT_TRUE(picked.templateEnabled);
    EXPECT_TRUE(picked.readOnly);
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_NE(std::string::npos, script.seen()[1].text.find("Locate book folder:"));

    // OK wrote the picked folder's template; the diary's own was not touched.
    EXPECT_EQ("Phone: ", ReadFileBytes(phones + "\\template._txt"));
    EXPECT_EQ("<missing>", ReadFileBytes(diary + "\\template._txt"));
    char folder[260];
    BookList::GetFolder(0, folder);
    EXPECT_EQ(diary, folder);
}

} // namespace
