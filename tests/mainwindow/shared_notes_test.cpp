// The open note against its file when others use the book too: conflict copies, notes changed,
// removed or renamed elsewhere, a removed book folder and a read-only note file.
#include "mainwindow/main_window_kit.h"

#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

namespace {

using mainkit::ConflictCopies;
using mainkit::Do;
using mainkit::NotePath;
using testkit::DialogScript;
using testkit::ReadFileBytes;
using testkit::WriteFileBytes;

std::string NoteText(MainDialog& dialog) {
    return mainkit::ControlText(dialog, IDC_NOTE_TEXT);
}

TEST(SharedNotes, EditedNoteSavedElsewhereKeepsTheirsAndOursGoesToAConflictCopy) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}, {"Zeta", "z"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    std::unique_ptr<DialogScript> answers;
    std::string nameAfter, selectedAfter;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "mine "); }),
        Do([&](MainDialog& dialog) {
            WriteFileBytes(NotePath(book, "Plan"), "theirs, saved elsewhere");
            mainkit::FireTimer(dialog, 2);
        }),
        Do([&](MainDialog& dialog) {
            nameAfter = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            std::vector<int> selected = mainkit::SelectedNotes(dialog);
            if (selected.size() == 1) selectedAfter = mainkit::ListedNotes(dialog)[selected[0]];
            // Later saves go on into the copy, without another message.
            mainkit::TypeIntoNote(dialog, "more ");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    EXPECT_EQ("theirs, saved elsewhere", ReadFileBytes(NotePath(book, "Plan")));
    std::vector<std::string> copies = ConflictCopies(book, "Plan");
    ASSERT_EQ(1u, copies.size());
    EXPECT_EQ("more mine v1", ReadFileBytes(book + "\\" + copies[0]));
    const std::string copyName = copies[0].substr(0, copies[0].size() - 4);
    EXPECT_EQ(copyName, nameAfter);
    EXPECT_EQ(copyName, selectedAfter);
    ASSERT_EQ(1u, answers->seen().size());
    EXPECT_EQ("Note Changed", answers->seen()[0].caption);
    EXPECT_NE(std::string::npos, answers->seen()[0].text.find("\"" + copyName + "\""));
}

TEST(SharedNotes, SwitchingAwayFromAnEditedNoteSavedElsewhereLeavesTheOtherNoteSelected) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}, {"Zeta", "z"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    std::unique_ptr<DialogScript> answers;
    std::string nameAfter;
    std::vector<std::string> selectedAfter;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {DialogScript::Press(IDOK)}),
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "mine "); }),
        Do([&](MainDialog& dialog) {
            WriteFileBytes(NotePath(book, "Plan"), "theirs");
            mainkit::SelectOnly(dialog, 1);
        }),
        Do([&](MainDialog& dialog) {
            nameAfter = mainkit::ControlText(dialog, IDC_NOTE_NAME);
            // The copy is listed between Plan and Zeta: the selection moves down with Zeta.
            for (int item : mainkit::SelectedNotes(dialog))
                selectedAfter.push_back(mainkit::ListedNotes(dialog)[item]);
        }),
    }));
    EXPECT_EQ("Zeta", nameAfter);
    EXPECT_EQ((std::vector<std::string>{"Zeta"}), selectedAfter);
    EXPECT_EQ("theirs", ReadFileBytes(NotePath(book, "Plan")));
    std::vector<std::string> copies = ConflictCopies(book, "Plan");
    ASSERT_EQ(1u, copies.size());
    EXPECT_EQ("mine v1", ReadFileBytes(book + "\\" + copies[0]));
    EXPECT_EQ(1u, answers->seen().size());
}

TEST(SharedNotes, UneditedNoteShowsTheNewTextOnActivationAndOnReselection) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    HWND other = CreateWindowA("STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
    std::string beforeActivation, afterActivation, afterClick;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            SetActiveWindow(other);
            WriteFileBytes(NotePath(book, "Plan"), "v2 from elsewhere");
            beforeActivation = NoteText(dialog);
            SetActiveWindow(dialog.hwnd());
            afterActivation = NoteText(dialog);
            WriteFileBytes(NotePath(book, "Plan"), "v3");
            NMHDR click = {mainkit::Control(dialog, IDC_NOTE_LIST), IDC_NOTE_LIST,
                           static_cast<UINT>(NM_CLICK)};
            SendMessageA(dialog.hwnd(), WM_NOTIFY, IDC_NOTE_LIST, reinterpret_cast<LPARAM>(&click));
            afterClick = NoteText(dialog);
            mainkit::FireTimer(dialog, 2);
        }),
    }));
    DestroyWindow(other);
    EXPECT_EQ("v1", beforeActivation);
    EXPECT_EQ("v2 from elsewhere", afterActivation);
    EXPECT_EQ("v3", afterClick);
    EXPECT_EQ("v3", ReadFileBytes(NotePath(book, "Plan")));
    EXPECT_TRUE(ConflictCopies(book, "Plan").empty());
}

TEST(SharedNotes, NoteRemovedOrRenamedElsewhereIsWrittenAgainByTheNextSave) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    std::unique_ptr<DialogScript> answers;
    std::string shownAfterRemoval;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {}),
        Do([&](MainDialog& dialog) {
            MoveFileA(NotePath(book, "Plan").c_str(), NotePath(book, "Renamed").c_str());
            mainkit::TypeIntoNote(dialog, "a");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            DeleteFileA(NotePath(book, "Plan").c_str());
            SendMessageA(dialog.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
            shownAfterRemoval = NoteText(dialog);
            mainkit::TypeIntoNote(dialog, "b");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    EXPECT_EQ("v1", ReadFileBytes(NotePath(book, "Renamed")));
    EXPECT_EQ("av1", shownAfterRemoval);
    EXPECT_EQ("bav1", ReadFileBytes(NotePath(book, "Plan")));
    EXPECT_TRUE(answers->seen().empty());
}

TEST(SharedNotes, BookFolderRemovedWhileOpenIsMadeAgainForTheNote) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}, {"Zeta", "z"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            testkit::RemoveTree(book);
            mainkit::TypeIntoNote(dialog, "kept ");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    EXPECT_EQ("kept v1", ReadFileBytes(NotePath(book, "Plan")));
}

TEST(SharedNotes, RenameAloneTakesTheTextSavedElsewhereAlong) {
    const std::string book = mainkit::AddBook("Team", {{"Plan", "v1"}});
    SetSettingString("Settings", "CurrentNote", "Plan");
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "Plan B");
            WriteFileBytes(NotePath(book, "Plan"), "theirs");
            mainkit::FireTimer(dialog, 2);
        }),
    }));
    EXPECT_EQ("<missing>", ReadFileBytes(NotePath(book, "Plan")));
    EXPECT_EQ("theirs", ReadFileBytes(NotePath(book, "Plan B")));
    EXPECT_TRUE(ConflictCopies(book, "Plan").empty());
}

TEST(SharedNotes, ReadOnlyNoteFileIsLockedInAWritableBook) {
    const std::string book = mainkit::AddBook("Team", {{"Fixed", "keep"}, {"Free", "f"}});
    SetFileAttributesA(NotePath(book, "Fixed").c_str(), FILE_ATTRIBUTE_READONLY);
    SetSettingString("Settings", "CurrentNote", "Fixed");
    auto locked = [](MainDialog& dialog) {
        return (SendMessageA(mainkit::Control(dialog, IDC_NOTE_TEXT), EM_GETOPTIONS, 0, 0) &
                ECO_READONLY) != 0;
    };
    bool fixedLocked = false, nameEnabled = true, newEnabled = false, freeLocked = true;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            fixedLocked = locked(dialog);
            nameEnabled = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NAME)) != 0;
            newEnabled = IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NEW)) != 0;
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            mainkit::SelectOnly(dialog, 1);
        }),
        Do([&](MainDialog& dialog) { freeLocked = locked(dialog); }),
    }));
    SetFileAttributesA(NotePath(book, "Fixed").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(fixedLocked);
    EXPECT_FALSE(nameEnabled);
    EXPECT_TRUE(newEnabled);
    EXPECT_FALSE(freeLocked);
    EXPECT_EQ("keep", ReadFileBytes(NotePath(book, "Fixed")));
}

} // namespace
