// An installation started while Quillmark runs tells the running window to exit first, and the
// window saves its open note as it goes.
#include "app/run_modes.h"
#include "installer/payload.h"
#include "main_window_kit.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using mainkit::Do;

TEST(SetupRoad, RunningCopyIsToldToExitAndSavesItsOpenNote) {
    const std::string book = mainkit::AddBook("Work", {{"Alpha", "text"}});
    std::unique_ptr<testkit::DialogScript> script;
    bool windowGone = false;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { mainkit::TypeIntoNote(dialog, "Edited "); }),
        Do([&](MainDialog& dialog) {
            // The installer's terms page is cancelled; the exit command reached the window.
            script.reset(new testkit::DialogScript({testkit::DialogScript::Press(IDCANCEL)}));
            script->IgnoreCaption("Installing Quillmark v 1.01");
            HWND window = dialog.hwnd();
            EXPECT_TRUE(RunSetupRoad(INSTALL_MAGIC, window));
            windowGone = !IsWindow(window);
        }),
    }));
    EXPECT_TRUE(windowGone);
    EXPECT_EQ("Edited text", testkit::ReadFileBytes(mainkit::NotePath(book, "Alpha")));
    ASSERT_TRUE(script);
    ASSERT_EQ(1u, script->seen().size());
    EXPECT_EQ("Quillmark Software Licence Terms", script->seen()[0].caption);
    EXPECT_FALSE(RunSetupRoad(0, nullptr)); // the program's own mark: no setup road
}

// A running copy that does not end in time is reported, and nothing is installed over it.
TEST(SetupRoad, RunningCopyThatDoesNotEndIsReported) {
    HWND stuck = CreateWindowExA(0, "STATIC", "Quillmark", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, stuck);
    testkit::DialogScript script({testkit::DialogScript::Press(IDOK)});
    EXPECT_TRUE(RunSetupRoad(INSTALL_MAGIC, stuck, 500));
    ASSERT_EQ(1u, script.seen().size());
    EXPECT_EQ("Install Error", script.seen()[0].caption);
    EXPECT_EQ("Quillmark is still running and did not close.\n\nClose Quillmark and try again; "
              "nothing was changed.",
              script.seen()[0].text);
    EXPECT_EQ(0, script.unexpected());
    DestroyWindow(stuck);
}

} // namespace
