// The Find dialog over the find state, the question for a search text, and the "Finding" scan.
#include "mainwindow/find_dialog.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

TEST(FindDialog, ShowsTheStateAndOkTakesANewSearchFromTheTop) {
    FindState state;
    state.findNoteIndex = 3;
    state.findPosition = 9;
    std::strcpy(state.findText, "needle");
    state.findMatchCase = true;
    char shownText[260] = "";
    UINT shownCase = 0, shownBook = 0;
    DialogScript script({[&](HWND dialog) {
        GetDlgItemTextA(dialog, IDC_FIND_TEXT, shownText, sizeof shownText);
        shownCase = IsDlgButtonChecked(dialog, IDC_FIND_MATCH_CASE);
        shownBook = IsDlgButtonChecked(dialog, IDC_FIND_SCOPE_BOOK);
        testkit::SaveScreenImage(dialog, "find");
        SetDlgItemTextA(dialog, IDC_FIND_TEXT, "haystack");
        CheckDlgButton(dialog, IDC_FIND_MATCH_CASE, BST_UNCHECKED);
        SendMessageA(GetDlgItem(dialog, IDC_FIND_SCOPE_NOTE), BM_CLICK, 0, 0);
        testkit::PressButton(dialog, IDOK);
    }});
    FindDialog dialog(state);
    EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_FIND)));
    EXPECT_STREQ("needle", shownText);
    EXPECT_EQ(BST_CHECKED, shownCase);
    EXPECT_EQ(BST_CHECKED, shownBook);
    EXPECT_STREQ("haystack", state.findText);
    EXPECT_FALSE(state.findMatchCase);
    EXPECT_EQ(-1, state.findNoteIndex);
    EXPECT_EQ(0, state.findPosition);
}

TEST(AskSearchText, AnEmptyTextIsReportedAndTheOptionsStay) {
    FindState state;
    DialogScript script({[](HWND dialog) {
                             CheckDlgButton(dialog, IDC_FIND_MATCH_CASE, BST_CHECKED);
                             testkit::PressButton(dialog, IDOK);
                         },
                         DialogScript::Press(IDOK),
                         [](HWND dialog) {
                             SetDlgItemTextA(dialog, IDC_FIND_TEXT, "new");
                             testkit::PressButton(dialog, IDOK);
                         }});
    EXPECT_FALSE(AskSearchText(nullptr, state));
    EXPECT_TRUE(state.findMatchCase);
    EXPECT_TRUE(AskSearchText(nullptr, state));
    EXPECT_STREQ("new", state.findText);
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("Error", script.seen()[1].caption);
    EXPECT_EQ("Enter search item.", script.seen()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), script.seen()[1].icon);
}

// Notes a, b, c, d in the scratch folder; only c holds "Needle".
std::vector<std::string> WriteBook() {
    for (const char* name : {"a", "b", "c", "d"})
        testkit::WriteFileBytes(testkit::ScratchPath(std::string(name) + ".txt"),
                                *name == 'c' ? "a Needle here" : "nothing");
    return {"a", "b", "c", "d"};
}

TEST(NoteSearchProgress, FindsTheFirstNoteHoldingTheTextFromWhereTheStateStands) {
    std::vector<std::string> names = WriteBook();
    FindState state;
    std::strcpy(state.findText, "needle");
    NoteSearchProgress search(testkit::Scratch().c_str(), names, state);
    EXPECT_EQ(1, search.Run(nullptr));
    EXPECT_EQ(2, state.findNoteIndex);
    state.findNoteIndex = 3;
    EXPECT_EQ(0, search.Run(nullptr));
    state.findNoteIndex = 0;
    state.findMatchCase = true;
    EXPECT_EQ(0, search.Run(nullptr));
}

// Presses Cancel on the "Finding" window as soon as the scan lets messages through, and notes
// whether its owner was disabled meanwhile.
LRESULT CALLBACK CancelFinding(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcA(window, message, wParam, lParam);
    HWND finding = FindWindowA(nullptr, "Finding");
    SetWindowLongPtrA(window, GWLP_USERDATA, finding != nullptr && !IsWindowEnabled(window));
    if (finding != nullptr) testkit::PressButton(finding, IDCANCEL);
    return 0;
}

TEST(NoteSearchProgress, CancelEndsTheScanSilently) {
    std::vector<std::string> names = WriteBook();
    HWND owner = CreateWindowExA(0, "STATIC", "Quillmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CancelFinding));
    PostMessageA(owner, WM_APP, 0, 0);
    FindState state;
    std::strcpy(state.findText, "needle");
    DialogScript noMessages({});
    NoteSearchProgress search(testkit::Scratch().c_str(), names, state);
    EXPECT_EQ(0, search.Run(owner));
    EXPECT_EQ(1, GetWindowLongPtrA(owner, GWLP_USERDATA)); // cancelled while the owner waited
    EXPECT_TRUE(IsWindowEnabled(owner));
    testkit::PumpPending();
    DestroyWindow(owner);
}

} // namespace
