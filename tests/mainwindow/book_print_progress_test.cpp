// Print Book: the options dialog, the "Printing book" window and the document handed to the
// shell's print verb.
#include "mainwindow/print_book_dialog.h"
#include "notes/book_print.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

TEST(RunBookPrint, ThePrintVerbGetsTheDocumentOfTheNotesWithPageBreaks) {
    testkit::WriteFileBytes(testkit::ScratchPath("A.txt"), "x\r\ny");
    testkit::WriteFileBytes(testkit::ScratchPath("B.txt"), "");
    std::string folder = testkit::Scratch();
    testkit::VerbRecorder recorder;
    UINT breaksShown = 0;
    DialogScript script({[&](HWND dialog) {
        breaksShown = IsDlgButtonChecked(dialog, IDC_PRINT_PAGE_BREAKS);
        testkit::PressButton(dialog, IDOK);
    }});
    RunBookPrint(nullptr, folder.c_str(), {"A", "B"});
    EXPECT_EQ(BST_CHECKED, breaksShown);
    std::string document = folder + "\\print.rtf";
    EXPECT_EQ((std::vector<std::string>{"print " + document}), recorder.Calls(1));
    std::string bytes = testkit::ReadFileBytes(document);
    EXPECT_NE(std::string::npos, bytes.find("{\\b A}\\par \\par\nx\\par\ny\n\\page\n\\page }"));
    EXPECT_EQ(std::string::npos, bytes.find("{\\b B}"));
}

TEST(RunBookPrint, AnEmptyBookPrintsNothingAfterTheDialogWhichStoresTheChoice) {
    std::string folder = testkit::Scratch();
    testkit::VerbRecorder recorder;
    DialogScript script({[](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, IDC_PRINT_NO_PAGE_BREAKS), BM_CLICK, 0, 0);
        testkit::PressButton(dialog, IDOK);
    }});
    RunBookPrint(nullptr, folder.c_str(), {});
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(ReadPrintNotePerPage());
    EXPECT_TRUE(recorder.Calls(1, 2000).empty());
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(folder + "\\print.rtf"));
}

} // namespace
