// The GUI test kit answers and records real message boxes, and fails a test on one it was not
// told about.
#include "testkit/gui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using testkit::DialogScript;

TEST(DialogScript, RecordsCaptionTextIconAndButtonsAndPressesTheScriptedButton) {
    DialogScript script({DialogScript::Press(IDNO), DialogScript::Press(IDOK)});
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Number of weeks must be less than or equal to 52.",
                                "Invalid number of weeks", MB_YESNO | MB_ICONINFORMATION));
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Installation file corrupt.", "Install Error",
                                MB_OK | MB_ICONWARNING));
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_TRUE(script.done());
    EXPECT_EQ("Invalid number of weeks", script.seen()[0].caption);
    EXPECT_EQ("Number of weeks must be less than or equal to 52.", script.seen()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), script.seen()[0].icon);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), script.seen()[0].buttons);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), script.seen()[1].icon);
    EXPECT_EQ((std::vector<int>{IDOK}), script.seen()[1].buttons);
}

void ShowUnscriptedMessage() {
    DialogScript script({});
    MessageBoxA(nullptr, "Nobody expects this.", "Surprise", MB_OKCANCEL | MB_ICONERROR);
}

TEST(DialogScript, AnUnscriptedDialogFailsTheTestAndIsCancelled) {
    EXPECT_NONFATAL_FAILURE(ShowUnscriptedMessage(), "unexpected dialog: \"Surprise\"");
}

} // namespace
