// The questions of New Book and Remove Book, answered as a user would.
#include "mainwindow/book_commands.h"
#include "notes/book_list.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::DialogScript;
using testkit::ScratchPath;

// New local books go below the data folder, here the scratch folder.
class BookCommands : public ::testing::Test {
  protected:
    void SetUp() override { SetSettingString("Folders", "DataFiles", testkit::Scratch().c_str()); }

    static bool IsFolder(const std::string& path) {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
};

// Types a name into the entry box and presses a button, OK unless told; records what the box
// held when it came.
DialogScript::Step Name(const char* typed, std::vector<std::string>* shown = nullptr,
                        int button = IDOK) {
    std::string text = typed;
    return [text, shown, button](HWND dialog) {
        char held[260];
        GetDlgItemTextA(dialog, IDC_TEXT_EDIT, held, sizeof held);
        if (shown != nullptr) shown->push_back(held);
        SetDlgItemTextA(dialog, IDC_TEXT_EDIT, text.c_str());
        SendDlgItemMessageA(dialog, IDC_TEXT_EDIT, EM_SETMODIFY, TRUE, 0);
        testkit::PressButton(dialog, button);
    };
}

TEST_F(BookCommands, AnEmptyNameIsAskedAgainWithTheTextKeptAndAnExistingFolderIsAdopted) {
    CreateDirectoryA(ScratchPath("MyNotes").c_str(), nullptr);
    testkit::WriteFileBytes(ScratchPath("MyNotes\\Kept.txt"), "kept");
    std::vector<std::string> shown;
    DialogScript script(
        {Name("...", &shown), DialogScript::Press(IDOK), Name("My:Notes.", &shown)});
    char folder[260] = "";
    EXPECT_TRUE(AskNewLocalBook(nullptr, false, folder));
    EXPECT_EQ(ScratchPath("MyNotes"), folder);
    EXPECT_EQ("kept", testkit::ReadFileBytes(ScratchPath("MyNotes\\Kept.txt")));
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("Enter Book Name", script.seen()[0].caption);
    EXPECT_EQ("Name Invalid", script.seen()[1].caption);
    EXPECT_EQ("The name must contain text.", script.seen()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), script.seen()[1].icon);
    EXPECT_EQ((std::vector<std::string>{"", "..."}), shown);
    EXPECT_EQ(0, BookList::Count()); // adding the book is the caller's
}

TEST_F(BookCommands, SpacesAtTheEndOfANameAreDroppedAndANameOfSpacesIsRefused) {
    // Windows drops them from a folder's name: every save into such a book would fail.
    DialogScript script({Name(" . . "), DialogScript::Press(IDOK), Name("Ideas  ")});
    char folder[260] = "";
    EXPECT_TRUE(AskNewLocalBook(nullptr, false, folder));
    EXPECT_EQ(ScratchPath("Ideas"), folder);
    EXPECT_TRUE(IsFolder(ScratchPath("Ideas")));
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("The name must contain text.", script.seen()[1].text);
}

TEST_F(BookCommands, AFolderPathOver259CharactersIsRefusedNotCut) {
    const size_t room = 259 - testkit::Scratch().size() - 1;
    const std::string longest(room, 'b');
    DialogScript script(
        {Name((longest + "b").c_str()), DialogScript::Press(IDOK), Name(longest.c_str())});
    char folder[260] = "";
    EXPECT_TRUE(AskNewLocalBook(nullptr, false, folder));
    EXPECT_EQ(ScratchPath(longest), folder);
    EXPECT_EQ(259u, std::string(folder).size());
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("Name Invalid", script.seen()[1].caption);
    EXPECT_NE(std::string::npos, script.seen()[1].text.find("longer than 259 characters"));
}

TEST_F(BookCommands, ANameTakenInOtherLetterCaseIsRefusedAndCancelCreatesNothing) {
    CreateDirectoryA(ScratchPath("Recipes").c_str(), nullptr);
    BookList::AddBook(ScratchPath("Recipes").c_str(), false);
    std::vector<std::string> shown;
    DialogScript script(
        {Name("RECIPES", &shown), DialogScript::Press(IDOK), Name("Cakes", &shown, IDCANCEL)});
    char folder[260] = "unchanged";
    EXPECT_FALSE(AskNewLocalBook(nullptr, false, folder));
    EXPECT_STREQ("unchanged", folder);
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("Book Name Exists", script.seen()[1].caption);
    EXPECT_EQ("The book cannot be created because another book with the same name already "
              "exists. Please try another name.",
              script.seen()[1].text);
    EXPECT_EQ("RECIPES", shown[1]);
    EXPECT_FALSE(IsFolder(ScratchPath("Cakes")));
}

TEST_F(BookCommands, AFolderThatCannotBeMadeIsReportedAndTheNameAskedAgain) {
    testkit::WriteFileBytes(ScratchPath("Taken"), "a file, not a folder");
    DialogScript script({Name("What?"), DialogScript::Press(IDOK), Name("Taken"),
                         DialogScript::Press(IDOK), DialogScript::Press(IDCANCEL)});
    char folder[260] = "";
    EXPECT_FALSE(AskNewLocalBook(nullptr, false, folder));
    ASSERT_EQ(5u, script.seen().size());
    for (int i : {1, 3}) {
        EXPECT_EQ("Name Invalid", script.seen()[i].caption);
        EXPECT_EQ("The book cannot be created because its folder cannot be created. Please try "
                  "another name.",
                  script.seen()[i].text);
    }
}

TEST_F(BookCommands, ADiaryAsksForItsPropertiesAndCancellingThemCreatesNothing) {
    DialogScript script(
        {Name("Work"), DialogScript::Press(IDCANCEL), Name("Work"), DialogScript::Press(IDOK)});
    char folder[260] = "";
    EXPECT_FALSE(AskNewLocalBook(nullptr, true, folder));
    EXPECT_FALSE(IsFolder(ScratchPath("Work")));
    EXPECT_TRUE(AskNewLocalBook(nullptr, true, folder));
    EXPECT_EQ(ScratchPath("Work"), folder);
    EXPECT_TRUE(IsFolder(folder));
    ASSERT_EQ(4u, script.seen().size());
    EXPECT_EQ("Enter Diary Name", script.seen()[0].caption);
    EXPECT_EQ("Diary Properties", script.seen()[1].caption);
    // The diary's OK stored its settings.
    char stored[260];
    GetSettingString("Settings", "NoOfWeeks", "<absent>", stored);
    EXPECT_STREQ("52", stored);
}

TEST_F(BookCommands, ASharedFolderNamedLikeABookIsRefusedOnceWithTheLongerMessage) {
    std::string shared = ScratchPath("Share");
    CreateDirectoryA(shared.c_str(), nullptr);
    CreateDirectoryA((shared + "\\PhoneBook").c_str(), nullptr);
    CreateDirectoryA((shared + "\\Team").c_str(), nullptr);
    BookList::AddBook(ScratchPath("PhoneBook").c_str(), false);
    DialogScript script(
        {[&](HWND picker) { testkit::ChooseFolderInPicker(picker, shared + "\\PhoneBook"); },
         DialogScript::Press(IDOK),
         [&](HWND picker) { testkit::ChooseFolderInPicker(picker, shared + "\\Team"); },
         DialogScript::Press(IDCANCEL)});
    char folder[260] = "";
    EXPECT_FALSE(AskSharedBookFolder(nullptr, folder));
    EXPECT_TRUE(AskSharedBookFolder(nullptr, folder));
    EXPECT_STRCASEEQ((shared + "\\Team").c_str(), folder);
    EXPECT_FALSE(AskSharedBookFolder(nullptr, folder));
    ASSERT_EQ(4u, script.seen().size());
    EXPECT_NE(std::string::npos, script.seen()[0].text.find("Locate new book folder:"));
    EXPECT_EQ("Book Name Exists", script.seen()[1].caption);
    EXPECT_EQ("The book cannot be created because another book with the same name already "
              "exists. To replace the other book, delete it first then rename this book.",
              script.seen()[1].text);
}

TEST_F(BookCommands, RemovingABookIsConfirmedByOk) {
    DialogScript script({DialogScript::Press(IDOK), DialogScript::Press(IDCANCEL)});
    EXPECT_TRUE(ConfirmRemoveBook(nullptr, "PhoneBook"));
    EXPECT_FALSE(ConfirmRemoveBook(nullptr, std::string(300, 'n').c_str()));
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Confirm Remove Book", script.seen()[0].caption);
    EXPECT_EQ("Are you sure you want to remove the book \"PhoneBook\" from your list?",
              script.seen()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), script.seen()[0].icon);
    EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL}), script.seen()[0].buttons);
}

} // namespace
