// The main window's book commands, Find, Print Book and hot key, through its own commands.
#include "mainwindow/main_window_kit.h"

#include "notes/book_list.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

using mainkit::Do;
using testkit::DialogScript;

// Types the search text, chooses the scope and presses Find.
DialogScript::Step FindText(const char* text, bool allNotes) {
    return [text, allNotes](HWND find) {
        SetDlgItemTextA(find, IDC_FIND_TEXT, text);
        CheckRadioButton(find, IDC_FIND_SCOPE_NOTE, IDC_FIND_SCOPE_BOOK,
                         allNotes ? IDC_FIND_SCOPE_BOOK : IDC_FIND_SCOPE_NOTE);
        testkit::PressButton(find, IDOK);
    };
}

TEST(MainWindowFind, AllNotesStartsAtTheFirstNoteAndFindNextMovesOnWithoutWrapping) {
    mainkit::AddBook("Work", {{"A", "none"}, {"B", "aaa"}, {"C", "xaa"}});
    SetSettingString("Settings", "CurrentNote", "C"); // the open note does not matter
    std::unique_ptr<DialogScript> answers;
    std::vector<std::string> where;
    auto note = [&](MainDialog& dialog) {
        CHARRANGE at = mainkit::NoteTextSelection(dialog);
        where.push_back(mainkit::ControlText(dialog, IDC_NOTE_NAME) + ":" +
                        std::to_string(at.cpMin) + "-" + std::to_string(at.cpMax));
    };
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {FindText("aa", true), DialogScript::Press(IDOK)}),
        Do([&](MainDialog&) { answers->IgnoreCaption("Finding"); }), // the scan's progress
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_FIND); }),
        Do(note),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_FIND_NEXT); }),
        Do(note),
        mainkit::PressKey(IDC_NOTE_TEXT, VK_F3),
        Do(note),
        mainkit::PressKey(IDC_NOTE_TEXT, VK_F3),
        Do([](MainDialog&) {}),
    }));
    EXPECT_EQ((std::vector<std::string>{"B:0-2", "B:1-3", "C:1-3"}), where);
    ASSERT_EQ(2u, answers->seen().size());
    EXPECT_EQ("No item found", answers->seen()[1].text);
}

TEST(MainWindowFind, AllNotesOpensTheOnlyMatchInTheFirstNoteOfLongNames) {
    // Names longer than 15 characters are kept on the heap, where a list read after it was freed
    // shows whatever was written there since.
    const std::string first = "Alpha note with a long name";
    mainkit::AddBook("Work", {{first, "hay and a needle"},
                              {"Beta note with a long name", "hay"},
                              {"Gamma note with a long name", "hay"}});
    SetSettingString("Settings", "CurrentNote", "Gamma note with a long name");
    std::unique_ptr<DialogScript> answers;
    std::string name;
    CHARRANGE at = {-1, -1};
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {FindText("needle", true)}),
        Do([&](MainDialog&) { answers->IgnoreCaption("Finding"); }),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_FIND); }),
        Do([&](MainDialog& dialog) {
            name = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            at = mainkit::NoteTextSelection(dialog);
        }),
    }));
    EXPECT_EQ(first, name);
    EXPECT_EQ(10, at.cpMin);
    EXPECT_EQ(16, at.cpMax);
    EXPECT_EQ(1u, answers->seen().size()); // the Find dialog, and no "No item found"
}

TEST(MainWindowFind, FindNextWithoutATextAsksForOne) {
    mainkit::AddBook("Work", {{"A", "abc"}});
    std::unique_ptr<DialogScript> answers;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDCANCEL)}),
        mainkit::PressKey(IDC_NOTE_TEXT, VK_F3),
        Do([](MainDialog&) {}),
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Find", answers->seen()[0].caption);
}

TEST(MainWindowBooks, FirstUseYesMakesTheDiaryBookWithItsEntries) {
    std::string diary = testkit::ScratchPath("Diary");
    CreateDirectoryA(diary.c_str(), nullptr);
    SetSettingString("Folders", "Diary", diary.c_str());
    DialogScript script({DialogScript::Press(IDYES), DialogScript::Press(IDOK)});
    script.IgnoreCaption("Quillmark");
    std::vector<std::string> books;
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        HWND list = mainkit::Control(dialog, IDC_BOOK_LIST);
        for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char name[260] = "";
            SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            books.emplace_back(name);
        }
    })}));
    EXPECT_EQ((std::vector<std::string>{"Diary", "Other Notes", "PhoneBook", "Useful Web Links"}),
              books);
    EXPECT_EQ(4, BookList::Count());
    EXPECT_TRUE(BookList::IsDiary(3));
    WIN32_FIND_DATAA found;
    HANDLE entries = FindFirstFileA((diary + "\\*.txt").c_str(), &found);
    EXPECT_NE(INVALID_HANDLE_VALUE, entries) << "no diary entries were written";
    if (entries != INVALID_HANDLE_VALUE) FindClose(entries);
}

TEST(MainWindowBooks, RemoveBookTakesItOutOfTheListButKeepsItsNotes) {
    mainkit::AddBook("Home", {{"H", "h"}});
    const std::string work = mainkit::AddBook("Work", {{"W", "w"}});
    std::unique_ptr<DialogScript> answers;
    std::vector<std::string> listed;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_BOOK_REMOVE); }),
        Do([&](MainDialog& dialog) { listed = mainkit::ListedNotes(dialog); }),
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Are you sure you want to remove the book \"Work\" from your list?",
              answers->seen()[0].text);
    EXPECT_EQ(1, BookList::Count());
    EXPECT_EQ((std::vector<std::string>{"H"}), listed);
    EXPECT_EQ("w", testkit::ReadFileBytes(mainkit::NotePath(work, "W")));
}

TEST(MainWindowBooks, RemovingTheOnlyBookBringsBackTheDefaultsAfterTheDiaryQuestion) {
    const std::string only = mainkit::AddBook("Only", {{"N", "n"}});
    std::unique_ptr<DialogScript> answers;
    std::vector<std::string> books;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK), DialogScript::Press(IDNO)}),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_BOOK_REMOVE); }),
        Do([&](MainDialog& dialog) {
            HWND list = mainkit::Control(dialog, IDC_BOOK_LIST);
            for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
                char name[260] = "";
                SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
                books.emplace_back(name);
            }
        }),
    }));
    ASSERT_EQ(2u, answers->seen().size());
    EXPECT_EQ("Create Diary", answers->seen()[1].caption);
    EXPECT_EQ((std::vector<std::string>{"Other Notes", "PhoneBook", "Useful Web Links"}), books);
    EXPECT_EQ("n", testkit::ReadFileBytes(mainkit::NotePath(only, "N")));
}

TEST(MainWindowHotKey, TrayCloseWhileHiddenChangesNothing) {
    mainkit::AddBook("Work", {{"A", "a"}});
    SetSettingBool("Settings", "HotKeyOn", true);
    bool hiddenAfterFirst = false, stillThereAfterSecond = false, visibleAfterSecond = true;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            mainkit::SendCommand(dialog, IDM_CLOSE);
            hiddenAfterFirst = !IsWindowVisible(dialog.hwnd());
            mainkit::SendCommand(dialog, IDM_CLOSE); // the tray menu's "Close"
        }),
        Do([&](MainDialog& dialog) {
            stillThereAfterSecond = IsWindow(dialog.hwnd()) != FALSE;
            visibleAfterSecond = IsWindowVisible(dialog.hwnd()) != FALSE;
        }),
    }));
    EXPECT_TRUE(hiddenAfterFirst);
    EXPECT_TRUE(stillThereAfterSecond);
    EXPECT_FALSE(visibleAfterSecond);
}

TEST(MainWindowBooks, PrintBookHandsTheDocumentToThePrintVerb) {
    testkit::VerbRecorder recorder;
    const std::string book = mainkit::AddBook("Work", {{"A", "x"}});
    std::unique_ptr<DialogScript> answers;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        mainkit::PressKey(IDC_NOTE_LIST, 'P', {VK_CONTROL, VK_SHIFT}),
        Do([](MainDialog&) {}), // the dialogs the key opened have been answered
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Print Book", answers->seen()[0].caption);
    EXPECT_EQ((std::vector<std::string>{"print " + book + "\\print.rtf"}), recorder.Calls(1));
}

TEST(MainWindowHotKey, MenuShowsTheKeyAndExitWritesTheLogonValueWhileItIsOn) {
    mainkit::AddBook("Work", {{"A", "a"}});
    char label[260] = "";
    UINT checkedAtStart = 0, checkedAfterToggle = 0;
    bool changeEnabledAtStart = true;
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        HMENU menu = GetMenu(dialog.hwnd());
        GetMenuStringA(menu, IDM_HOT_KEY_TOGGLE, label, sizeof label, MF_BYCOMMAND);
        checkedAtStart = GetMenuState(menu, IDM_HOT_KEY_TOGGLE, MF_BYCOMMAND) & MF_CHECKED;
        changeEnabledAtStart = mainkit::MenuItemEnabled(dialog, IDM_HOT_KEY_CHANGE);
        mainkit::SendCommand(dialog, IDM_HOT_KEY_TOGGLE);
        checkedAfterToggle = GetMenuState(menu, IDM_HOT_KEY_TOGGLE, MF_BYCOMMAND) & MF_CHECKED;
        mainkit::SendCommand(dialog, IDM_EXIT);
    })}));
    EXPECT_STREQ("Enable Hot Key (Shift+F8)", label);
    EXPECT_EQ(0u, checkedAtStart);
    EXPECT_FALSE(changeEnabledAtStart);
    EXPECT_NE(0u, checkedAfterToggle);
    EXPECT_TRUE(GetSettingBool("Settings", "HotKeyOn", false)); // Exit leaves it on
    std::string run;
    ASSERT_TRUE(testkit::ReadMachineValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                          "QuillmarkRun", &run));
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    EXPECT_EQ("\"" + std::string(self) + "\" /logon", run.c_str());
}

} // namespace
