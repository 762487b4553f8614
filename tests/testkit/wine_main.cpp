// main() of every Wine test program: GoogleTest with per-test isolation.
#include "dialogs/program_instance.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace testkit {
void MakeScratch();
void DropScratch();
} // namespace testkit

namespace {

class Isolation : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        testkit::ResetProgramSettings();
        testkit::MakeScratch();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        testkit::DropScratch();
        testkit::ResetProgramSettings();
    }
};

} // namespace

int main(int argc, char** argv) {
    // The test program carries the program's resources itself.
    SetProgramInstance(GetModuleHandleA(nullptr));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Isolation);
    return RUN_ALL_TESTS();
}
