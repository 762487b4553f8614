// The recorder sees what ShellExecuteA hands to the shell, as the program's tests rely on.
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

TEST(VerbRecorderTest, RecordsPrintOfATextFileAndOpenOfAnAddress) {
    testkit::VerbRecorder recorder;
    std::string note = testkit::ScratchPath("Shopping.txt");
    testkit::WriteFileBytes(note, "milk");
    ShellExecuteA(nullptr, "print", note.c_str(), nullptr, nullptr, SW_HIDE);
    ShellExecuteA(nullptr, "open", "https://velmora.example/", nullptr, nullptr, SW_SHOWNORMAL);
    std::vector<std::string> calls = recorder.Calls(2);
    std::sort(calls.begin(), calls.end()); // two handler processes: either may log first
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ("open https://velmora.example/", calls[0]);
    EXPECT_EQ("print " + note, calls[1]);
}
