// The Find dialog over the find state, the question for a search text, and the "Finding" scan.
#include "mainwindow/find_dialog.h"
#include "mainwindow/note_search_progress.h"
#include "resources/resource.h"
#include "testkit/dialog_watch.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

std::string ItemText(HWND dialog, int id) {
    char text[1024];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

TEST(FindDialog, ShowsTheStateAndOkTakesTheNewSearchFromTheTop) {
    FindState state;
    state.findNoteIndex = 3;
    state.findPosition = 9;
    std::strcpy(state.findText, "needle");
    state.findMatchCase = true;
    std::string shownText;
    bool shownCase = false, shownNote = true, shownBook = false;
    DialogScript script({[&](HWND dialog) {
        shownText = ItemText(dialog, IDC_FIND_TEXT);
        shownCase = Checked(dialog, IDC_FIND_MATCH_CASE);
        shownNote = Checked(dialog, IDC_FIND_SCOPE_NOTE);
        shownBook = Checked(dialog, IDC_FIND_SCOPE_BOOK);
        SetDlgItemTextA(dialog, IDC_FIND_TEXT, "haystack");
        CheckDlgButton(dialog, IDC_FIND_MATCH_CASE, BST_UNCHECKED);
        SendMessageA(GetDlgItem(dialog, IDC_FIND_SCOPE_NOTE), BM_CLICK, 0, 0);
        testkit::SaveScreenImage(dialog, "find");
        testkit::PressButton(dialog, IDOK);
    }});
    FindDialog dialog(state);
    EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_FIND)));
    EXPECT_EQ("needle", shownText);
    EXPECT_TRUE(shownCase);
    EXPECT_FALSE(shownNote);
    EXPECT_TRUE(shownBook);
    EXPECT_STREQ("haystack", state.findText);
    EXPECT_FALSE(state.findMatchCase);
    EXPECT_EQ(-1, state.findNoteIndex);
    EXPECT_EQ(0, state.findPosition);

    // Scope all notes starts at the first note; the current-note scope is shown as chosen.
    bool noteShown = false;
    DialogScript again({[&](HWND dialog) {
        noteShown = Checked(dialog, IDC_FIND_SCOPE_NOTE);
        SendMessageA(GetDlgItem(dialog, IDC_FIND_SCOPE_BOOK), BM_CLICK, 0, 0);
        testkit::PressButton(dialog, IDOK);
    }});
    FindDialog second(state);
    EXPECT_TRUE(second.Open(nullptr, MAKEINTRESOURCEA(IDD_FIND)));
    EXPECT_TRUE(noteShown);
    EXPECT_EQ(0, state.findNoteIndex);
}

TEST(FindDialog, TypedTextFitsTheStateAndCancelKeepsIt) {
    FindState state;
    std::strcpy(state.findText, "kept");
    DialogScript script({[](HWND dialog) {
                             HWND edit = GetDlgItem(dialog, IDC_FIND_TEXT);
                             testkit::PostText(edit, "changed");
                             testkit::PressButton(dialog, IDCANCEL);
                         },
                         [](HWND dialog) {
                             HWND edit = GetDlgItem(dialog, IDC_FIND_TEXT);
                             SendMessageA(edit, EM_SETSEL, 0, -1);
                             testkit::PostText(edit, std::string(300, 'q').c_str());
                             testkit::PressButton(dialog, IDOK);
                         }});
    FindDialog cancelled(state);
    EXPECT_FALSE(cancelled.Open(nullptr, MAKEINTRESOURCEA(IDD_FIND)));
    EXPECT_STREQ("kept", state.findText);
    FindDialog typed(state);
    EXPECT_TRUE(typed.Open(nullptr, MAKEINTRESOURCEA(IDD_FIND)));
    EXPECT_EQ(std::string(259, 'q'), state.findText);
}

TEST(AskSearchText, AnEmptyTextIsReportedAndTheOptionsStay) {
    FindState state;
    std::strcpy(state.findText, "old");
    DialogScript script({[](HWND dialog) {
                             SetDlgItemTextA(dialog, IDC_FIND_TEXT, "");
                             CheckDlgButton(dialog, IDC_FIND_MATCH_CASE, BST_CHECKED);
                             testkit::PressButton(dialog, IDOK);
                         },
                         DialogScript::Press(IDOK),
                         [](HWND dialog) {
                             SetDlgItemTextA(dialog, IDC_FIND_TEXT, "new");
                             testkit::PressButton(dialog, IDOK);
                         },
                         DialogScript::Press(IDCANCEL)});
    EXPECT_FALSE(AskSearchText(nullptr, state));
    EXPECT_TRUE(state.findMatchCase);
    EXPECT_TRUE(AskSearchText(nullptr, state));
    EXPECT_STREQ("new", state.findText);
    EXPECT_FALSE(AskSearchText(nullptr, state));
    EXPECT_STREQ("new", state.findText);
    ASSERT_EQ(4u, script.seen().size());
    EXPECT_EQ("Error", script.seen()[1].caption);
    EXPECT_EQ("Enter search item.", script.seen()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), script.seen()[1].icon);
}

// A book folder with notes a, b, c, d; only c holds "Needle".
class ScanBook {
  public:
    ScanBook() {
        for (const char* name : {"a", "b", "c", "d"})
            testkit::WriteFileBytes(testkit::ScratchPath(std::string(name) + ".txt"),
                                    std::string(name) == "c" ? "a Needle here" : "nothing");
    }
    const std::vector<std::string> names{"a", "b", "c", "d"};
    const std::string folder = testkit::Scratch();
};

TEST(NoteSearchProgress, FindsTheFirstNoteHoldingTheTextFromWhereTheStateStands) {
    ScanBook book;
    FindState state;
    std::strcpy(state.findText, "needle");
    NoteSearchProgress search(book.folder.c_str(), book.names, state);
    EXPECT_EQ(1, search.Run(nullptr));
    EXPECT_EQ(2, state.findNoteIndex);

    state.findNoteIndex = 3;
    EXPECT_EQ(0, search.Run(nullptr));
    EXPECT_EQ(4, state.findNoteIndex);

    state.findNoteIndex = 0;
    state.findMatchCase = true;
    EXPECT_EQ(0, search.Run(nullptr));
    std::strcpy(state.findText, "Needle");
    state.findNoteIndex = 0;
    EXPECT_EQ(1, search.Run(nullptr));
    EXPECT_EQ(2, state.findNoteIndex);
}

// Presses Cancel on the "Finding" window as soon as the scan lets messages through.
LRESULT CALLBACK CancelFinding(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        HWND finding = FindWindowA(nullptr, "Finding");
        auto* ownerDisabled = reinterpret_cast<bool*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        *ownerDisabled = finding != nullptr && !IsWindowEnabled(GetWindow(finding, GW_OWNER));
        if (finding != nullptr) testkit::PressButton(finding, IDCANCEL);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(NoteSearchProgress, CancelEndsTheScanSilently) {
    ScanBook book;
    HWND owner = CreateWindowExA(0, "STATIC", "Quillmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    bool ownerDisabled = false;
    SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&ownerDisabled));
    SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CancelFinding));
    PostMessageA(owner, WM_APP, 0, 0);
    FindState state;
    std::strcpy(state.findText, "needle");
    DialogScript none({});
    NoteSearchProgress search(book.folder.c_str(), book.names, state);
    EXPECT_EQ(0, search.Run(owner));
    EXPECT_TRUE(ownerDisabled);
    EXPECT_LT(state.findNoteIndex, 2);
    EXPECT_TRUE(IsWindowEnabled(owner));
    testkit::PumpPending();
    EXPECT_EQ(0, none.unexpected());
    DestroyWindow(owner);
}

} // namespace
