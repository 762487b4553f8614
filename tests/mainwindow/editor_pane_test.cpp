// The editor pane: opening, saving and renaming notes, and the state of the note controls.
#include "mainwindow/main_dialog_probe.h"
#include "mainwindow/main_window_kit.h"

#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <richedit.h>

#include <gtest/gtest.h>

namespace {

using mainkit::Do;
using mainkit::NotePath;
using mainkit::WaitFor;
using testkit::ReadFileBytes;

TEST(NoteSaving, TypingIsSavedByTheTimerAndAnUneditedNoteIsNeverWritten) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "one\ntwo"}, {"Beta", "b\nb"}});
    SetSettingString("Settings", "CurrentNote", "Beta");
    std::string beforeTimer;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { mainkit::SelectNotes(dialog, {0}); }), // Beta: not edited
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "X"); }),
        Do([&](MainDialog& dialog) {
            beforeTimer = ReadFileBytes(NotePath(book, "Alpha"));
            mainkit::FireTimer(dialog, 2);
        }),
    }));
    EXPECT_EQ("one\ntwo", beforeTimer);
    EXPECT_EQ("Xone\r\ntwo", ReadFileBytes(NotePath(book, "Alpha")));
    EXPECT_EQ("b\nb", ReadFileBytes(NotePath(book, "Beta"))); // line ends as they were
}

TEST(NoteSaving, EditedNameRenamesTheFileWhenAnotherNoteIsSelected) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "a text"}, {"Beta", "b"}});
    SetSettingString("Settings", "CurrentNote", "Alpha");
    std::vector<std::string> listed;
    std::string nameAfter;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "Gamma");
            mainkit::SelectOnly(dialog, 1);
        }),
        Do([&](MainDialog& dialog) {
            listed = mainkit::ListedNotes(dialog);
            nameAfter = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        }),
    }));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(book, "Alpha")));
    EXPECT_EQ("a text", ReadFileBytes(NotePath(book, "Gamma")));
    EXPECT_EQ((std::vector<std::string>{"Gamma", "Beta"}), listed);
    EXPECT_EQ("Beta", nameAfter);
}

TEST(NoteSaving, RefusedRenameKeepsTheNoteUnderItsRealNameAndSaysSo) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "a"}, {"Beta", "b"}});
    SetSettingString("Settings", "CurrentNote", "Alpha");
    std::unique_ptr<testkit::DialogScript> answers;
    std::string fieldAfterExists, fieldAfterFailed;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers,
                        {testkit::DialogScript::Press(IDOK), testkit::DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "1"); }),
        Do([&](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "beta");
            mainkit::FireTimer(dialog, 2);
            fieldAfterExists = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            mainkit::TypeIntoNote(dialog, "2");
        }),
        Do([&](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "CON");
            mainkit::FireTimer(dialog, 2);
            fieldAfterFailed = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        }),
    }));
    ASSERT_EQ(2u, answers->seen().size());
    EXPECT_EQ("File Exists", answers->seen()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONASTERISK), answers->seen()[0].icon);
    EXPECT_EQ("Rename Note", answers->seen()[1].caption);
    EXPECT_NE(std::string::npos, answers->seen()[1].text.find("keeps its name \"Alpha\""));
    EXPECT_EQ("Alpha", fieldAfterExists);
    EXPECT_EQ("Alpha", fieldAfterFailed);
    EXPECT_EQ("21a", ReadFileBytes(NotePath(book, "Alpha")));
    EXPECT_EQ("b", ReadFileBytes(NotePath(book, "Beta")));
}

TEST(NoteSaving, FailedSaveIsReportedOnceAndRetriedUntilItWorks) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "a"}});
    const std::string path = NotePath(book, "Alpha");
    std::unique_ptr<testkit::DialogScript> answers;
    const std::vector<testkit::DialogScript::Step> replies = {testkit::DialogScript::Press(IDOK)};
    HANDLE lock = INVALID_HANDLE_VALUE;
    std::string whileLocked;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, replies),
        Do([&](MainDialog& dialog) {
            lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2); // fails and says so
            mainkit::FireTimer(dialog, 2); // fails again, quietly
            mainkit::TypeIntoNote(dialog, "Y");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            CloseHandle(lock);
            whileLocked = ReadFileBytes(path);
            mainkit::FireTimer(dialog, 2); // the retry writes the note
        }),
    }));
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Save Note", answers->seen()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), answers->seen()[0].icon);
    EXPECT_NE(std::string::npos, answers->seen()[0].text.find("\"Alpha\" could not be saved"));
    EXPECT_EQ("a", whileLocked);
    EXPECT_EQ("YXa", ReadFileBytes(path));
}

TEST(NoteSelection, SeveralSelectedNotesShowTheFirstInListOrder) {
    mainkit::AddBook("Work", {{"A", "text a"}, {"B", "text b"}, {"C", "text c"}});
    std::string shown[3];
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        mainkit::SelectOnly(dialog, 2);
        shown[0] = mainkit::ControlText(dialog, IDC_NOTE_TEXT);
        mainkit::SelectNotes(dialog, {1});
        shown[1] = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        mainkit::SelectNotes(dialog, {0, 2});
        shown[2] = mainkit::ControlText(dialog, IDC_NOTE_NAME);
    })}));
    EXPECT_EQ("text c", shown[0]);
    EXPECT_EQ("B", shown[1]);
    EXPECT_EQ("A", shown[2]);
}

TEST(NoteControls, EmptyBookLeavesNothingToDeletePrintOrRename) {
    mainkit::AddBook("Empty", {});
    bool name = true, deleteButton = true, deleteItem = true, printItem = true, newButton = false;
    std::string text = "?";
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        name = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NAME)) != 0;
        deleteButton = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_DELETE)) != 0;
        newButton = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NEW)) != 0;
        deleteItem = mainkit::MenuItemEnabled(dialog, IDM_NOTE_DELETE);
        printItem = mainkit::MenuItemEnabled(dialog, IDM_NOTE_PRINT);
        text = mainkit::ControlText(dialog, IDC_NOTE_TEXT) +
               mainkit::ControlText(dialog, IDC_NOTE_NAME);
    })}));
    EXPECT_FALSE(name);
    EXPECT_FALSE(deleteButton);
    EXPECT_FALSE(deleteItem);
    EXPECT_FALSE(printItem);
    EXPECT_TRUE(newButton);
    EXPECT_EQ("", text);
}

TEST(NoteControls, ReadOnlyBookGreysAndLocksTheEditor) {
    const std::string book = mainkit::AddBook("Shared", {{"Rules", "no edits"}}, true);
    bool locked = false, name = true, newButton = true, deleteButton = true, printItem = false;
    COLORREF background = 0;
    size_t notesAfterCtrlN = 0;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            HWND editor = mainkit::Control(dialog, IDC_NOTE_TEXT);
            locked = (GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) != 0;
            name = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NAME)) != 0;
            newButton = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NEW)) != 0;
            deleteButton = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_DELETE)) != 0;
            printItem = mainkit::MenuItemEnabled(dialog, IDM_NOTE_PRINT);
            DestroyWindow(MainDialogProbe::Splash(dialog));
            RECT rect;
            GetWindowRect(editor, &rect);
            RedrawWindow(dialog.hwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            background = testkit::ScreenPixel({rect.right - 30, rect.bottom - 10});
            mainkit::TypeIntoNote(dialog, "X");
        }),
        mainkit::PressKey(IDC_NOTE_TEXT, 'N', {VK_CONTROL}),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            notesAfterCtrlN = mainkit::ListedNotes(dialog).size();
        }),
    }));
    EXPECT_TRUE(locked);
    EXPECT_FALSE(name);
    EXPECT_FALSE(newButton);
    EXPECT_FALSE(deleteButton);
    EXPECT_TRUE(printItem);
    EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), background);
    EXPECT_EQ(1u, notesAfterCtrlN);
    EXPECT_EQ("no edits", ReadFileBytes(NotePath(book, "Rules")));
}

// The editor is renewed for each note; every one shows the text in the window's own font.
TEST(NoteControls, EveryNoteShowsInTheWindowsFont) {
    mainkit::AddBook("Work", {{"A", "a text"}, {"B", "b text"}});
    struct Font {
        std::string face;
        bool bold = true;
    };
    auto editorFont = [](MainDialog& dialog) {
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(mainkit::Control(dialog, IDC_NOTE_TEXT), EM_GETCHARFORMAT, SCF_DEFAULT,
                     reinterpret_cast<LPARAM>(&format));
        return Font{format.szFaceName, (format.dwEffects & CFE_BOLD) != 0};
    };
    Font window, first, second;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            LOGFONTA font = {};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.hwnd(), WM_GETFONT, 0, 0)),
                       sizeof font, &font);
            window = Font{font.lfFaceName, font.lfWeight >= FW_BOLD};
            first = editorFont(dialog);
            mainkit::SelectOnly(dialog, 1);
        }),
        Do([&](MainDialog& dialog) { second = editorFont(dialog); }),
    }));
    EXPECT_EQ("Verdana", window.face); // the dialog template's font
    EXPECT_FALSE(window.bold);
    EXPECT_EQ(window.face, first.face);
    EXPECT_FALSE(first.bold);
    EXPECT_EQ(window.face, second.face);
    EXPECT_FALSE(second.bold);
}

TEST(NoteControls, LongNoteOpenedAfterAShortOneHasItsScrollBar) {
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "line\r\n";
    mainkit::AddBook("Work", {{"Long", lines}, {"Short", "s"}});
    SetSettingString("Settings", "CurrentNote", "Short");
    bool scrollBar = false;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { mainkit::SelectOnly(dialog, 0); }),
        Do([&](MainDialog& dialog) {
            scrollBar = (GetWindowLongA(mainkit::Control(dialog, IDC_NOTE_TEXT), GWL_STYLE) &
                         WS_VSCROLL) != 0;
        }),
    }));
    EXPECT_TRUE(scrollBar);
}

} // namespace
