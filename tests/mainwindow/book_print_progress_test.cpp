// Print Book: the options dialog, the "Printing book" window and the document handed to the
// shell's print verb.
#include "mainwindow/book_print_progress.h"
#include "notes/book_print.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/dialog_watch.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

const std::string kHeader = "{\\rtf1\\ansi {\\fonttbl {\\f0\\fswiss Verdana;} } {\\colortbl; "
                            "\\red000\\green000\\blue000; }\n";

// Notes A ("x", CR LF, "y") and B (empty) in the scratch folder.
std::vector<std::string> WriteBook() {
    testkit::WriteFileBytes(testkit::ScratchPath("A.txt"), "x\r\ny");
    testkit::WriteFileBytes(testkit::ScratchPath("B.txt"), "");
    return {"A", "B"};
}

TEST(RunBookPrint, PrintsTheDocumentOfTheNotesWithTheChosenBreaks) {
    std::vector<std::string> names = WriteBook();
    std::string folder = testkit::Scratch();
    testkit::VerbRecorder recorder;
    bool breaksShown = false;
    DialogScript script({[&](HWND dialog) {
        breaksShown = IsDlgButtonChecked(dialog, IDC_PRINT_PAGE_BREAKS) == BST_CHECKED;
        testkit::PressButton(dialog, IDOK);
    }});
    RunBookPrint(nullptr, folder.c_str(), names);
    EXPECT_TRUE(breaksShown);
    std::string document = folder + "\\print.rtf";
    EXPECT_EQ((std::vector<std::string>{"print " + document}), recorder.Calls(1));
    EXPECT_EQ(kHeader + "{\\b A}\\par \\par\nx\\par\ny\n\\page\n\\page }",
              testkit::ReadFileBytes(document));
    EXPECT_EQ("1", [] {
        char text[8];
        GetSettingString("Settings", "PrintBookNotePerPage", "", text);
        return std::string(text);
    }());
}

TEST(RunBookPrint, TheChoiceWithoutBreaksIsStoredAndUsed) {
    std::vector<std::string> names = WriteBook();
    std::string folder = testkit::Scratch();
    testkit::VerbRecorder recorder;
    DialogScript script(
        {[](HWND dialog) {
             SendMessageA(GetDlgItem(dialog, IDC_PRINT_NO_PAGE_BREAKS), BM_CLICK, 0, 0);
             testkit::PressButton(dialog, IDOK);
         },
         [](HWND dialog) {
             // The choice is shown at the next Print Book; Cancel prints nothing.
             EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_PRINT_NO_PAGE_BREAKS));
             testkit::PressButton(dialog, IDCANCEL);
         }});
    RunBookPrint(nullptr, folder.c_str(), names);
    EXPECT_FALSE(ReadPrintNotePerPage());
    EXPECT_EQ(1u, recorder.Calls(1).size());
    EXPECT_EQ(kHeader + "{\\b A}\\par \\par\nx\\par\ny\n\\par \\par\n\\page }",
              testkit::ReadFileBytes(folder + "\\print.rtf"));

    DeleteFileA((folder + "\\print.rtf").c_str());
    RunBookPrint(nullptr, folder.c_str(), names);
    EXPECT_EQ(1u, recorder.Calls(2, 2000).size());
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(folder + "\\print.rtf"));
}

TEST(RunBookPrint, AnEmptyBookPrintsNothingAfterTheDialog) {
    std::string folder = testkit::Scratch();
    testkit::VerbRecorder recorder;
    DialogScript script({DialogScript::Press(IDOK)});
    RunBookPrint(nullptr, folder.c_str(), {});
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(recorder.Calls(1, 2000).empty());
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(folder + "\\print.rtf"));
}

} // namespace
