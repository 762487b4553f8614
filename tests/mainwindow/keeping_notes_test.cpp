// What the user typed is never lost: a note that cannot be saved is not left, a note that cannot
// be read is never written, and leaving the program keeps unsaved text in a copy.
#include "mainwindow/main_window_kit.h"

#include "notes/book_list.h"
#include "platform/settings.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using mainkit::Do;
using mainkit::NotePath;
using testkit::DialogScript;
using testkit::ReadFileBytes;

// Holds a file open without sharing, as another program may: it can be neither read nor
// replaced meanwhile.
HANDLE HoldFile(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

// What the window shows of the open note.
struct Shown {
    std::string name, text, selected;
    bool editable = false;
};
Shown Show(MainDialog& dialog) {
    Shown shown;
    shown.name = mainkit::ControlText(dialog, IDC_NOTE_NAME);
    shown.text = mainkit::ControlText(dialog, IDC_NOTE_TEXT);
    std::vector<int> selected = mainkit::SelectedNotes(dialog);
    for (int index : selected)
        shown.selected += mainkit::ListedNotes(dialog)[index] + ";";
    HWND editor = mainkit::Control(dialog, IDC_NOTE_TEXT);
    shown.editable = (GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) == 0 &&
                     IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NAME));
    return shown;
}

void ChooseBook(MainDialog& dialog, const char* name) {
    HWND books = mainkit::Control(dialog, IDC_BOOK_LIST);
    SendMessageA(books, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    mainkit::SendCommand(dialog, IDC_BOOK_LIST, CBN_SELCHANGE);
}

int SaveNoteMessages(const DialogScript& answers) {
    int count = 0;
    for (const testkit::SeenDialog& seen : answers.seen())
        count += seen.caption == "Save Note";
    return count;
}

TEST(KeepingNotes, ANoteThatCannotBeSavedIsNotLeftForAnotherNote) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "a"}, {"Beta", "b"}});
    SetSettingString("Settings", "CurrentNote", "Alpha");
    std::unique_ptr<DialogScript> answers;
    HANDLE held = INVALID_HANDLE_VALUE;
    std::vector<Shown> shown;
    std::vector<std::string> listedAfterNew;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK), DialogScript::Press(IDOK),
                                  DialogScript::Press(IDOK), DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            held = HoldFile(NotePath(book, "Alpha"));
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }), // fails and says so
        Do([](MainDialog& dialog) { mainkit::SelectOnly(dialog, 1); }),
        Do([&](MainDialog& dialog) { shown.push_back(Show(dialog)); }),
        mainkit::PressKey(IDC_NOTE_TEXT, VK_NEXT),
        Do([&](MainDialog& dialog) { shown.push_back(Show(dialog)); }),
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_NOTE_NEW); }),
        Do([&](MainDialog& dialog) {
            shown.push_back(Show(dialog));
            listedAfterNew = mainkit::ListedNotes(dialog);
            CloseHandle(held);
            mainkit::SelectOnly(dialog, 1); // now the note is saved on the way
        }),
        Do([&](MainDialog& dialog) { shown.push_back(Show(dialog)); }),
    }));
    ASSERT_EQ(4u, shown.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ("Alpha", shown[i].name) << i;
        EXPECT_EQ("Xa", shown[i].text) << i;
        EXPECT_EQ("Alpha;", shown[i].selected) << i;
    }
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), listedAfterNew);
    EXPECT_EQ("Beta", shown[3].name);
    EXPECT_EQ("Xa", ReadFileBytes(NotePath(book, "Alpha")));
    // Told once by the timer and each time the user tried to leave.
    EXPECT_EQ(4, SaveNoteMessages(*answers));
}

TEST(KeepingNotes, ANoteThatCannotBeSavedKeepsItsBookAndExitKeepsTheTextInACopy) {
    mainkit::AddBook("Home", {{"Zed", "z"}});
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "a"}});
    SetSettingString("Settings", "CurrentNote", "Alpha");
    std::unique_ptr<DialogScript> answers;
    HANDLE held = INVALID_HANDLE_VALUE;
    std::string bookShown;
    Shown afterChoice;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK), DialogScript::Press(IDOK),
                                  DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            held = HoldFile(NotePath(book, "Alpha"));
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
        Do([](MainDialog& dialog) { ChooseBook(dialog, "Home"); }),
        Do([&](MainDialog& dialog) {
            bookShown = mainkit::ControlText(dialog, IDC_BOOK_LIST);
            afterChoice = Show(dialog);
        }),
    }));
    CloseHandle(held);
    EXPECT_EQ("Work", bookShown);
    EXPECT_EQ("Alpha;", afterChoice.selected);
    EXPECT_EQ("Xa", afterChoice.text);
    EXPECT_EQ("a", ReadFileBytes(NotePath(book, "Alpha")));
    std::vector<std::string> copies = mainkit::ConflictCopies(book, "Alpha");
    ASSERT_EQ(1u, copies.size());
    EXPECT_EQ("Xa", ReadFileBytes(book + "\\" + copies[0]));
    ASSERT_EQ(3, SaveNoteMessages(*answers));
    EXPECT_NE(std::string::npos, answers->seen().back().text.find(book + "\\" + copies[0]));
}

TEST(KeepingNotes, AnUnreadableNoteIsShownReadOnlyNeverSavedAndReadWhenItCanBe) {
    const std::string book = mainkit::AddBook("Work", {{"Held", "their text"}, {"Other", "o"}});
    SetSettingString("Settings", "CurrentNote", "Held");
    HANDLE held = HoldFile(NotePath(book, "Held"));
    std::unique_ptr<DialogScript> answers(new DialogScript({DialogScript::Press(IDOK)}));
    answers->IgnoreCaption(PRODUCT_NAME);
    std::vector<Shown> shown;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            shown.push_back(Show(dialog));
            mainkit::TypeIntoNote(dialog, "X");
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "Renamed");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            SendMessageA(dialog.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0); // still held: not told again
            shown.push_back(Show(dialog));
            CloseHandle(held);
            SendMessageA(dialog.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
            shown.push_back(Show(dialog));
        }),
    }));
    ASSERT_EQ(3u, shown.size());
    EXPECT_EQ("", shown[0].text);
    EXPECT_FALSE(shown[0].editable);
    EXPECT_FALSE(shown[1].editable);
    EXPECT_EQ("their text", shown[2].text);
    EXPECT_TRUE(shown[2].editable);
    EXPECT_EQ("their text", ReadFileBytes(NotePath(book, "Held")));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(book, "Renamed")));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Open Note", answers->seen()[0].caption);
}

TEST(KeepingNotes, AClickBesideTheNotesKeepsTheOpenNoteAndItsText) {
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}});
    SetSettingString("Settings", "CurrentNote", "A");
    Shown after;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "X"); }),
        Do([](MainDialog& dialog) {
            HWND list = mainkit::Control(dialog, IDC_NOTE_LIST);
            RECT client;
            GetClientRect(list, &client);
            const LPARAM below = MAKELPARAM(5, client.bottom - 3);
            PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, below);
            PostMessageA(list, WM_LBUTTONUP, 0, below);
        }),
        Do([&](MainDialog& dialog) {
            after = Show(dialog);
            mainkit::FireTimer(dialog, 2);
        }),
    }));
    EXPECT_EQ("", after.selected); // the click did deselect
    EXPECT_EQ("A", after.name);
    EXPECT_EQ("Xa", after.text);
    EXPECT_EQ("Xa", ReadFileBytes(NotePath(book, "A")));
}

TEST(KeepingNotes, APendingRenameIsMadeInTheOldBookBeforeTheNewOneIsListed) {
    const std::string home = mainkit::AddBook("Home", {{"Plan", "home plan"}});
    const std::string work = mainkit::AddBook("Work", {{"Plan", "work plan"}, {"Other", "o"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    std::vector<std::string> listed;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "Renamed");
            ChooseBook(dialog, "Home");
        }),
        Do([&](MainDialog& dialog) { listed = mainkit::ListedNotes(dialog); }),
    }));
    EXPECT_EQ("work plan", ReadFileBytes(NotePath(work, "Renamed")));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(work, "Plan")));
    EXPECT_EQ("home plan", ReadFileBytes(NotePath(home, "Plan")));
    EXPECT_EQ((std::vector<std::string>{"Plan"}), listed);
}

TEST(KeepingNotes, DeletingOtherNotesKeepsTheOpenNotesEdits) {
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}});
    SetSettingString("Settings", "CurrentNote", "A");
    std::unique_ptr<DialogScript> answers;
    Shown after;
    std::vector<std::string> listed;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "X"); }),
        Do([](MainDialog& dialog) {
            // B joins the selection and A leaves it, as Ctrl+clicks do: A stays open.
            mainkit::SelectNotes(dialog, {1});
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED;
            SendMessageA(mainkit::Control(dialog, IDC_NOTE_LIST), LVM_SETITEMSTATE, 0,
                         reinterpret_cast<LPARAM>(&state));
            mainkit::SendCommand(dialog, IDM_NOTE_DELETE);
        }),
        Do([&](MainDialog& dialog) {
            after = Show(dialog);
            listed = mainkit::ListedNotes(dialog);
        }),
    }));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(book, "B")));
    EXPECT_EQ("Xa", ReadFileBytes(NotePath(book, "A")));
    EXPECT_EQ((std::vector<std::string>{"A"}), listed);
    EXPECT_EQ("A", after.name);
    EXPECT_EQ("Xa", after.text);
}

TEST(KeepingNotes, TheSaveTimerWaitsWhileASavesOwnMessageIsUp) {
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}});
    SetSettingString("Settings", "CurrentNote", "A");
    MainDialog* window = nullptr;
    std::unique_ptr<DialogScript> answers;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) { window = &dialog; }),
        mainkit::Answer(answers, {[&](HWND box) {
                            mainkit::FireTimer(*window, 2); // the timer fires in the box's loop
                            testkit::PressButton(box, IDOK);
                        }}),
        Do([](MainDialog& dialog) {
            mainkit::TypeIntoNote(dialog, "X");
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "B");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("File Exists", answers->seen()[0].caption);
    EXPECT_EQ(0, answers->unexpected());
    EXPECT_TRUE(mainkit::ConflictCopies(book, "A").empty());
    EXPECT_EQ("Xa", ReadFileBytes(NotePath(book, "A")));
    EXPECT_EQ("b", ReadFileBytes(NotePath(book, "B")));
}

TEST(KeepingNotes, PrintNoteAndPrintBookPrintWhatTheScreenShows) {
    testkit::VerbRecorder
        recorder; // not the prefix's own printing programs, which wait for a click
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}});
    SetSettingString("Settings", "CurrentNote", "A");
    std::unique_ptr<DialogScript> answers;
    std::string atNotePrint, atBookPrint;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK), DialogScript::Press(IDOK)}),
        Do([&](MainDialog&) { answers->IgnoreCaption("Printing book"); }),
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "X"); }),
        Do([&](MainDialog& dialog) {
            mainkit::SendCommand(dialog, IDM_NOTE_PRINT);
            atNotePrint = ReadFileBytes(NotePath(book, "A"));
            mainkit::TypeIntoNote(dialog, "Y");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::SendCommand(dialog, IDM_BOOK_PRINT);
            atBookPrint = ReadFileBytes(NotePath(book, "A"));
        }),
    }));
    EXPECT_EQ("Xa", atNotePrint);
    EXPECT_EQ("YXa", atBookPrint);
    std::vector<std::string> calls = recorder.Calls(2);
    std::sort(calls.begin(), calls.end()); // separate handler processes: any order
    EXPECT_EQ(
        (std::vector<std::string>{"print " + NotePath(book, "A"), "print " + book + "\\print.rtf"}),
        calls);
}

TEST(KeepingNotes, LeavingMinimizedOrMaximizedKeepsTheNormalPlace) {
    mainkit::AddBook("Work", {});
    for (int show : {SW_MINIMIZE, SW_MAXIMIZE}) {
        EXPECT_TRUE(mainkit::RunMainWindow({
            Do([show](MainDialog& dialog) {
                SetWindowPos(dialog.hwnd(), nullptr, 70, 80, 600, 400, SWP_NOZORDER);
                ShowWindow(dialog.hwnd(), show);
            }),
        }));
        EXPECT_EQ(70, GetSettingInt("Settings", "WindowX", 0)) << show;
        EXPECT_EQ(80, GetSettingInt("Settings", "WindowY", 0)) << show;
        EXPECT_EQ(600, GetSettingInt("Settings", "WindowWidth", 0)) << show;
        EXPECT_EQ(400, GetSettingInt("Settings", "WindowHeight", 0)) << show;
    }
}

} // namespace
