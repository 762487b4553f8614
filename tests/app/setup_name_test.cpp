// Which file names start-up takes for an installer's.
#include "app/setup_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SetupFileName, SetupAnywhereInTheNameWithoutExtensionInAnyCase) {
    EXPECT_TRUE(IsSetupFileName("C:\\Downloads\\Setup.exe"));
    EXPECT_TRUE(IsSetupFileName("C:\\Downloads\\mysetupfile.exe"));
    EXPECT_TRUE(IsSetupFileName("C:/Downloads/QUILLMARK-SETUP"));
    EXPECT_TRUE(IsSetupFileName("C:\\Downloads\\my.setup.exe")); // cut at the last "." only
    EXPECT_FALSE(IsSetupFileName("C:\\Setup\\qmark.exe"));       // the folder does not count
    EXPECT_FALSE(IsSetupFileName("C:\\Downloads\\qmark.setup")); // nor the extension
    EXPECT_FALSE(IsSetupFileName("C:\\Downloads\\set-up.exe"));
    EXPECT_FALSE(IsSetupFileName(""));
}

TEST(SetupFileName, OverlongPathsAreReadWithinTheirBuffer) {
    const std::string longName(1000, 'q');
    EXPECT_FALSE(IsSetupFileName(("C:\\" + longName + ".exe").c_str()));
    EXPECT_TRUE(IsSetupFileName(("C:\\setup" + longName).c_str()));
}

} // namespace
