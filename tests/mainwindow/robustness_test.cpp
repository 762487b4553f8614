// The main window over damaged settings and at the path length bound: it starts, lists and
// saves sensibly, and refuses what cannot be stored with a message instead of cutting a path.
#include "mainwindow/main_dialog_probe.h"
#include "mainwindow/main_window_kit.h"

#include "notes/book_list.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using mainkit::Do;
using mainkit::NotePath;
using testkit::DialogScript;
using testkit::ReadFileBytes;

void StoreRaw(const char* section, const char* name, DWORD type, const std::string& bytes) {
    const std::string key = std::string("Software\\Velmora\\Quillmark\\") + section;
    ASSERT_TRUE(testkit::WriteMachineValue(key.c_str(), name, type, bytes));
}

TEST(DamagedSettings, StartUpListsTheBooksOpensTheNoteAndPlacesTheWindow) {
    mainkit::AddBook("Work", {{"Alpha", "a"}, {"Beta", "b"}});
    const std::string home = testkit::ScratchPath("Home");
    CreateDirectoryA(home.c_str(), nullptr);
    StoreRaw("Books", "Book2", REG_MULTI_SZ, home + std::string("\0\0", 2));
    StoreRaw("Books", "Book2ReadOnly", REG_DWORD, std::string("\x01\0\0\0", 4));
    SetSettingString("Books", "Count", "2000000000");
    SetSettingString("Books", "Current", "Work");
    StoreRaw("Settings", "CurrentNote", REG_BINARY, "Beta"); // no terminator
    StoreRaw("Settings", "WindowX", REG_DWORD, std::string("\x3C\0\0\0", 4));
    StoreRaw("Settings", "WindowY", REG_BINARY, "\xFF\xFF");
    SetSettingString("Settings", "WindowWidth", std::string(300, '7').c_str());
    StoreRaw("Settings", "WindowHeight", REG_MULTI_SZ, std::string("400\0\0", 5));
    StoreRaw("Settings", "HotKeyOn", REG_DWORD, std::string("\x01\0\0\0", 4));
    StoreRaw("Settings", "HotKey", REG_BINARY, "\xFF\xFF\xFF");
    SetSettingString("Settings", "HotKeyModifier", std::string(1000, '4').c_str());

    std::unique_ptr<DialogScript> answers;
    RECT placed = {};
    std::string book, note, homeBook;
    bool homeReadOnly = false;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            GetWindowRect(dialog.hwnd(), &placed);
            book = mainkit::ControlText(dialog, IDC_BOOK_LIST);
            note = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            SendDlgItemMessageA(dialog.hwnd(), IDC_BOOK_LIST, CB_SELECTSTRING, -1,
                                reinterpret_cast<LPARAM>("Home"));
            mainkit::SendCommand(dialog, IDC_BOOK_LIST, CBN_SELCHANGE);
            homeBook = mainkit::ControlText(dialog, IDC_BOOK_LIST);
            homeReadOnly = MainDialogProbe::ReadOnly(dialog);
        }),
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_BOOK_REMOVE); }),
    }));
    EXPECT_EQ(60, placed.left);
    EXPECT_EQ(0, placed.top);                   // no number: 0
    EXPECT_EQ(532, placed.right - placed.left); // too long: the default
    EXPECT_EQ(400, placed.bottom - placed.top);
    EXPECT_EQ("Work", book);
    EXPECT_EQ("Beta", note);
    EXPECT_EQ("Home", homeBook);
    EXPECT_TRUE(homeReadOnly);
    ASSERT_NE(nullptr, answers);
    EXPECT_EQ(1u, answers->seen().size());
    EXPECT_EQ(1, BookList::Count()); // Home removed, Work kept
    char folder[LFile::kPathSize];
    BookList::GetFolder(0, folder);
    EXPECT_EQ(testkit::ScratchPath("Work"), folder);
}

// A name that makes a note path of 259 characters is taken; one more character is refused with
// a message and the note keeps its name and text. A book too deep for any note file lists no
// note beyond the bound, and New Note there says so instead of saving under a cut name.
TEST(PathBound, NotePathsUpTo259CharactersAndNoMore) {
    const std::string book = mainkit::AddBook("B", {{"A", "a"}});
    const size_t room = 259 - book.size() - 1 - 4;
    const std::string longest(room, 'n'), tooLong(room + 1, 'n');
    const std::string deep =
        testkit::ScratchPath(std::string(250 - testkit::Scratch().size() - 1, 'd'));
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    // Made by another program: a note the program could only reach through a cut path.
    const std::string beyond = "\\\\?\\" + deep + "\\A note beyond the bound.txt";
    HANDLE file = CreateFileW(std::wstring(beyond.begin(), beyond.end()).c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    BookList::AddBook(deep.c_str(), false);
    BookList::SetCurrent("B");

    std::unique_ptr<DialogScript> answers;
    std::string nameAfterRefusal;
    std::vector<std::string> deepNotes = {"?"};
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK), DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), longest.c_str());
            mainkit::FireTimer(dialog, 2);
            mainkit::TypeIntoNote(dialog, "1");
        }),
        Do([&](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), tooLong.c_str());
            mainkit::FireTimer(dialog, 2);
            nameAfterRefusal = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            SendDlgItemMessageA(dialog.hwnd(), IDC_BOOK_LIST, CB_SETCURSEL, 1, 0);
            mainkit::SendCommand(dialog, IDC_BOOK_LIST, CBN_SELCHANGE);
            mainkit::SendCommand(dialog, IDM_NOTE_NEW);
            deepNotes = mainkit::ListedNotes(dialog);
        }),
    }));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(book, "A")));
    EXPECT_EQ(259u, NotePath(book, longest).size());
    EXPECT_EQ("1a", ReadFileBytes(NotePath(book, longest)));
    EXPECT_EQ(longest, nameAfterRefusal);
    ASSERT_NE(nullptr, answers);
    ASSERT_EQ(2u, answers->seen().size());
    EXPECT_EQ("Rename Note", answers->seen()[0].caption);
    EXPECT_EQ("New Note", answers->seen()[1].caption);
    EXPECT_TRUE(deepNotes.empty());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((deep + "\\*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            entries += found.cFileName[0] != '.';
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(1, entries); // only the note beyond the bound
}

} // namespace
