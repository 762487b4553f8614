// Commands, keys and shell verbs of the main window.
#include "mainwindow/main_dialog_probe.h"
#include "mainwindow/main_window_kit.h"

#include "platform/settings.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using mainkit::Do;
using mainkit::NotePath;
using mainkit::PressKey;

TEST(MainWindowKeys, CtrlTabActsAsTabAndPageDownStaysOnTheLastNote) {
    mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}});
    int afterCtrlTab = 0, afterShiftTab = 0;
    std::vector<int> afterPaging;
    std::string shown;
    EXPECT_TRUE(mainkit::RunMainWindow({
        PressKey(IDC_BOOK_LIST, VK_TAB, {VK_CONTROL}),
        Do([&](MainDialog&) { afterCtrlTab = mainkit::FocusedControl(); }),
        PressKey(IDC_NOTE_LIST, VK_TAB, {VK_SHIFT}),
        Do([&](MainDialog&) { afterShiftTab = mainkit::FocusedControl(); }),
        PressKey(IDC_NOTE_TEXT, VK_NEXT),
        PressKey(IDC_NOTE_TEXT, VK_NEXT),
        Do([&](MainDialog& dialog) {
            afterPaging = mainkit::SelectedNotes(dialog);
            shown = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        }),
        PressKey(IDC_NOTE_LIST, VK_PRIOR),
        PressKey(IDC_NOTE_LIST, VK_PRIOR),
        Do([&](MainDialog& dialog) { afterPaging.push_back(mainkit::SelectedNotes(dialog)[0]); }),
    }));
    EXPECT_EQ(IDC_NOTE_LIST, afterCtrlTab);
    EXPECT_EQ(IDC_BOOK_LIST, afterShiftTab);
    EXPECT_EQ((std::vector<int>{1, 0}), afterPaging);
    EXPECT_EQ("B", shown);
}

TEST(MainWindowKeys, LettersTypedInTheNoteListOpenTheNoteTheyBegin) {
    mainkit::AddBook("Fruit", {{"Apple", "a"}, {"banana", "b"}, {"Bark", "c"}, {"Blue", "d"}});
    std::string afterB, afterBl, afterX;
    auto type = [](const char* letters) {
        return Do([letters](MainDialog& dialog) {
            HWND list = mainkit::Control(dialog, IDC_NOTE_LIST);
            SetFocus(list);
            for (const char* letter = letters; *letter != '\0'; ++letter)
                PostMessageA(list, WM_CHAR, static_cast<unsigned char>(*letter), 1);
        });
    };
    auto shown = [](std::string& name) {
        return Do([&name](MainDialog& dialog) {
            name = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        });
    };
    auto pause = Do([](MainDialog&) { Sleep(600); }); // the next letter starts a new search
    EXPECT_TRUE(mainkit::RunMainWindow({
        type("B"), shown(afterB),
        pause, type("Bl"), shown(afterBl), // "B" goes on to Bark, "Bl" to Blue
        pause, type("x"), shown(afterX),
    }));
    EXPECT_EQ("banana", afterB);
    EXPECT_EQ("Blue", afterBl);
    EXPECT_EQ("Blue", afterX); // no note begins with it: the open note stays
}

TEST(MainWindowKeys, TabWalksTheFieldsOfADiaryEntry) {
    mainkit::AddBook("Diary", {{"2026-12-07 Monday 07 Dec", "09.00am: Dentist\n10.00am: \n"}});
    std::vector<CHARRANGE> fields;
    int focusAfterLast = 0, focusBack = 0;
    auto field = [&](MainDialog& dialog) { fields.push_back(mainkit::NoteTextSelection(dialog)); };
    EXPECT_TRUE(mainkit::RunMainWindow({
        PressKey(IDC_NOTE_NAME, VK_TAB),
        Do(field),
        PressKey(IDC_NOTE_TEXT, VK_TAB),
        Do(field),
        PressKey(IDC_NOTE_TEXT, VK_TAB),
        Do([&](MainDialog&) { focusAfterLast = mainkit::FocusedControl(); }),
        PressKey(IDC_NOTE_NEW, VK_TAB, {VK_SHIFT}), // back into the text, at its last field
        Do(field),
        PressKey(IDC_NOTE_TEXT, VK_TAB, {VK_SHIFT}),
        Do(field),
        PressKey(IDC_NOTE_TEXT, VK_TAB, {VK_SHIFT}),
        Do([&](MainDialog&) { focusBack = mainkit::FocusedControl(); }),
    }));
    ASSERT_EQ(4u, fields.size());
    EXPECT_EQ(9, fields[0].cpMin); // "Dentist", after the colon and its space
    EXPECT_EQ(16, fields[0].cpMax);
    EXPECT_EQ(26, fields[1].cpMin); // the empty field at the end of "10.00am: "
    EXPECT_EQ(26, fields[1].cpMax);
    EXPECT_EQ(IDC_NOTE_NEW, focusAfterLast);
    EXPECT_EQ(26, fields[2].cpMin);
    EXPECT_EQ(9, fields[3].cpMin);
    EXPECT_EQ(16, fields[3].cpMax);
    EXPECT_EQ(IDC_NOTE_NAME, focusBack);
}

TEST(MainWindowKeys, NoteWithoutFieldsIsLeftForTheNewButtonAndEnterDoesNothing) {
    const std::string book = mainkit::AddBook("Work", {{"Plain", "no fields here"}});
    int afterTab = 0, afterShiftTab = 0;
    CHARRANGE caret = {-1, -1};
    bool alive = false;
    EXPECT_TRUE(mainkit::RunMainWindow({
        PressKey(IDC_NOTE_NAME, VK_TAB),
        Do([&](MainDialog& dialog) { caret = mainkit::NoteTextSelection(dialog); }),
        PressKey(IDC_NOTE_TEXT, VK_TAB),
        Do([&](MainDialog&) { afterTab = mainkit::FocusedControl(); }),
        PressKey(IDC_NOTE_TEXT, VK_TAB, {VK_SHIFT}),
        Do([&](MainDialog&) { afterShiftTab = mainkit::FocusedControl(); }),
        PressKey(IDC_NOTE_NAME, VK_RETURN),
        Do([&](MainDialog& dialog) { alive = IsWindowVisible(dialog.hwnd()) != 0; }),
    }));
    EXPECT_EQ(0, caret.cpMin); // Tab from the name leaves the caret at the start
    EXPECT_EQ(0, caret.cpMax);
    EXPECT_EQ(IDC_NOTE_NEW, afterTab);
    EXPECT_EQ(IDC_NOTE_NAME, afterShiftTab);
    EXPECT_TRUE(alive);
    EXPECT_EQ("no fields here", testkit::ReadFileBytes(NotePath(book, "Plain")));
}

TEST(NoteCommands, NewNoteTakesTheFirstFreeNameAndTheBooksTemplate) {
    const std::string book = mainkit::AddBook("Work", {{"New 1", ""}, {"New 3", ""}});
    testkit::WriteFileBytes(book + "\\template._txt", "To do:\r\n");
    std::string name;
    std::vector<std::string> listed;
    int focus = 0;
    EXPECT_TRUE(mainkit::RunMainWindow({
        PressKey(IDC_NOTE_LIST, 'N', {VK_CONTROL}),
        Do([&](MainDialog& dialog) {
            name = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            listed = mainkit::ListedNotes(dialog);
            focus = mainkit::FocusedControl();
        }),
    }));
    EXPECT_EQ("New 2", name);
    // The list, filled in order, still sorts the notes added afterwards.
    EXPECT_EQ((std::vector<std::string>{"New 1", "New 2", "New 3"}), listed);
    EXPECT_EQ(IDC_NOTE_NAME, focus);
    EXPECT_EQ("To do:\r\n", testkit::ReadFileBytes(NotePath(book, "New 2")));
}

TEST(NoteCommands, DeleteRemovesEverySelectedNoteAfterAskingAndThenShowsTheFirst) {
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}, {"C", "c"}});
    SetSettingString("Settings", "CurrentNote", "B");
    std::unique_ptr<testkit::DialogScript> answers;
    const std::vector<testkit::DialogScript::Step> replies = {testkit::DialogScript::Press(IDOK)};
    std::vector<std::string> listed;
    std::string shown;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, replies),
        Do([](MainDialog& dialog) { mainkit::SelectNotes(dialog, {2}); }),
        PressKey(IDC_NOTE_LIST, VK_DELETE, {VK_CONTROL}),
        Do([&](MainDialog& dialog) {
            listed = mainkit::ListedNotes(dialog);
            shown = mainkit::ControlText(dialog, IDC_NOTE_NAME);
        }),
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Confirm Delete", answers->seen()[0].caption);
    EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL}), answers->seen()[0].buttons);
    EXPECT_EQ((std::vector<std::string>{"A"}), listed);
    EXPECT_EQ("A", shown);
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(NotePath(book, "B")));
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(NotePath(book, "C")));
}

TEST(MainWindowMenus, CutCopyAndClearFollowTheSelectionAndAboutOpens) {
    mainkit::AddBook("Work", {{"A", "some text"}});
    std::unique_ptr<testkit::DialogScript> answers;
    bool cutAtStart = true, copyWithSelection = false, clearAfter = true;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {testkit::DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            cutAtStart = mainkit::MenuItemEnabled(dialog, IDM_CUT);
            mainkit::SendCommand(dialog, IDM_SELECT_ALL);
            copyWithSelection = mainkit::MenuItemEnabled(dialog, IDM_COPY);
            SendMessageA(mainkit::Control(dialog, IDC_NOTE_TEXT), EM_SETSEL, 2, 2);
            clearAfter = mainkit::MenuItemEnabled(dialog, IDM_CLEAR);
            mainkit::SendCommand(dialog, IDM_HELP_ABOUT);
        }),
    }));
    EXPECT_FALSE(cutAtStart);
    EXPECT_TRUE(copyWithSelection);
    EXPECT_FALSE(clearAfter);
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("About Quillmark", answers->seen()[0].caption);
}

TEST(MainWindowMenus, CutCopyAndClearAreGrayedInTheNextNoteOpenedWithNothingSelected) {
    mainkit::AddBook("Work", {{"A", "some text"}, {"B", "other text"}});
    bool copyInA = false, cutInB = true, copyInB = true, clearInB = true;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            mainkit::SendCommand(dialog, IDM_SELECT_ALL);
            copyInA = mainkit::MenuItemEnabled(dialog, IDM_COPY);
            mainkit::SelectOnly(dialog, 1);
        }),
        Do([&](MainDialog& dialog) {
            cutInB = mainkit::MenuItemEnabled(dialog, IDM_CUT);
            copyInB = mainkit::MenuItemEnabled(dialog, IDM_COPY);
            clearInB = mainkit::MenuItemEnabled(dialog, IDM_CLEAR);
        }),
    }));
    EXPECT_TRUE(copyInA);
    EXPECT_FALSE(cutInB);
    EXPECT_FALSE(copyInB);
    EXPECT_FALSE(clearInB);
}

TEST(ShellVerbs, PrintExploreAndWebLinksGoToTheShell) {
    testkit::VerbRecorder recorder;
    const std::string book = mainkit::AddBook("Work", {{"A", "a"}, {"B", "b"}, {"C", "c"}});
    std::unique_ptr<testkit::DialogScript> answers;
    const std::vector<testkit::DialogScript::Step> replies = {testkit::DialogScript::Press(IDOK)};
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, replies),
        Do([](MainDialog& dialog) {
            mainkit::SelectNotes(dialog, {0, 2});
        }),
        PressKey(IDC_NOTE_LIST, 'P', {VK_CONTROL}),
        Do([](MainDialog& dialog) {
            mainkit::SendCommand(dialog, IDM_BOOK_EXPLORE);
            mainkit::SendCommand(dialog, IDC_STATUS_LINK, STN_CLICKED);
            mainkit::SendCommand(dialog, IDM_WEB_SUPPORT);
        }),
    }));
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Confirm Print", answers->seen()[0].caption);
    std::vector<std::string> calls = recorder.Calls(5);
    std::sort(calls.begin(), calls.end()); // separate handler processes: any order
    EXPECT_EQ((std::vector<std::string>{"explore " + book, "open " PRODUCT_SUPPORT_URL,
                                        "open " MAKER_CATALOGUE_URL, "print " + NotePath(book, "A"),
                                        "print " + NotePath(book, "C")}),
              calls);
}

// A click on the open note's tenth character, as the mouse makes it.
void ClickTenthCharacterOfTheNote(MainDialog& dialog) {
        HWND editor = mainkit::Control(dialog, IDC_NOTE_TEXT);
        DestroyWindow(MainDialogProbe::Splash(dialog));
        POINTL at = {};
        SendMessageA(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 10);
        LPARAM where = MAKELPARAM(at.x + 2, at.y + 4);
        SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(editor, WM_LBUTTONUP, 0, where);
}

TEST(ShellVerbs, ClickedLinkIsOpenedWholeHoweverLong) {
    testkit::VerbRecorder recorder;
    const std::string address = "https://velmora.example/" + std::string(300, 'q');
    mainkit::AddBook("Work", {{"Links", "see " + address + " there"}});
    EXPECT_TRUE(mainkit::RunMainWindow({Do(ClickTenthCharacterOfTheNote)}));
    EXPECT_EQ((std::vector<std::string>{"open " + address}), recorder.Calls(1));
}

// A link that is not a web page or mail address may start a program: the user is asked first,
// shown the whole target, with No as the default; No opens nothing.
TEST(ShellVerbs, FileLinkIsOpenedOnlyAfterAQuestionThatDefaultsToNo) {
    testkit::VerbRecorder recorder;
    const std::string target = "file:///C:/Users/Public/" + std::string(100, 'r') + ".exe";
    mainkit::AddBook("Shared", {{"Tools", "run " + target + " now"}});
    std::unique_ptr<testkit::DialogScript> answers;
    int defaultButton = 0;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {[&](HWND box) {
                            for (int id : {IDYES, IDNO})
                                if ((GetWindowLongA(GetDlgItem(box, id), GWL_STYLE) & 0x0F) ==
                                    BS_DEFPUSHBUTTON)
                                    defaultButton = id;
                            testkit::PressButton(box, IDNO);
                        }}),
        Do(ClickTenthCharacterOfTheNote),
    }));
    ASSERT_TRUE(answers);
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Open Link", answers->seen()[0].caption);
    EXPECT_NE(std::string::npos, answers->seen()[0].text.find("\n\n" + target + "\n\n"))
        << answers->seen()[0].text;
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), answers->seen()[0].icon);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), answers->seen()[0].buttons);
    EXPECT_EQ(IDNO, defaultButton);
    EXPECT_TRUE(recorder.Calls(1, 1000).empty());
}

} // namespace
