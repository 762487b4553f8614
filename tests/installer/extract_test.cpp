// Extraction of a self-installing file built in the test, row by row into a program folder.
#include "installer/extract.h"
#include "installer/payload_builder.h"
#include "platform/handles.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const InstalledFile kRows[] = {
    {nullptr, "prog.exe"},       {nullptr, "help.hlp"}, {"PhoneBook", "template._txt"},
    {"programfiles", "top.txt"}, {nullptr, nullptr},
};

struct RecordedProgress : ExtractProgress {
    std::vector<std::string> names;
    std::vector<double> fractions;
    int cancelAfterChunks = -1;
    void ShowFileName(const char* name) override { names.push_back(name); }
    void ShowProgress(double fraction) override { fractions.push_back(fraction); }
    bool Cancelled() override {
        return cancelAfterChunks >= 0 && static_cast<int>(fractions.size()) >= cancelAfterChunks;
    }
};

class ExtractTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = testkit::ScratchPath("Program");
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\PhoneBook").c_str(), nullptr);
        setup = testkit::ScratchPath("qmark-setup.exe");
    }
    ExtractResult Extract(const std::string& payload) {
        testkit::WriteFileBytes(setup, payload);
        return ExtractPayload(setup.c_str(), folder.c_str(), kRows, progress);
    }
    std::string Installed(const std::string& name) {
        return testkit::ReadFileBytes(folder + "\\" + name);
    }
    void InstallPrevious() {
        testkit::WriteFileBytes(folder + "\\prog.exe", "old program");
        testkit::WriteFileBytes(folder + "\\help.hlp", "old help");
    }
    void ExpectPreviousInstallation() {
        EXPECT_EQ("old program", Installed("prog.exe"));
        EXPECT_EQ("old help", Installed("help.hlp"));
        EXPECT_EQ("<missing>", Installed("top.txt"));
        ExpectNoTemporaryFiles();
    }
    void ExpectNoTemporaryFiles() {
        for (const char* name : {"prog.exe.new", "help.hlp.new", "top.txt.new",
                                 "PhoneBook\\template._txt.new"})
            EXPECT_EQ("<missing>", Installed(name)) << name;
    }

    std::string folder, setup;
    RecordedProgress progress;
};

TEST_F(ExtractTest, CopiesEveryRowToItsFolderInChunksOf4096) {
    std::string program(4097, 'P');
    std::string help(4096, 'H');
    ASSERT_EQ(ExtractResult::Done, Extract(BuildPayload({program, help, "Phone: ", "top"})));
    EXPECT_EQ(program, Installed("prog.exe"));
    EXPECT_EQ(help, Installed("help.hlp"));
    EXPECT_EQ("Phone: ", Installed("PhoneBook\\template._txt"));
    EXPECT_EQ("top", Installed("top.txt"));
    EXPECT_EQ((std::vector<std::string>{"prog.exe", "help.hlp", "template._txt", "top.txt"}),
              progress.names);
    // 4,097 bytes take two reads, 4,096 one, the small files one each; the bar ends full.
    ASSERT_EQ(5u, progress.fractions.size());
    EXPECT_DOUBLE_EQ(4096.0 / 8203.0, progress.fractions[0]);
    EXPECT_DOUBLE_EQ(1.0, progress.fractions.back());
}

TEST_F(ExtractTest, EmptyRowCreatesNoFileAndLaterRowsStillLand) {
    ASSERT_EQ(ExtractResult::Done, Extract(BuildPayload({"exe", "", "tmpl", "top"})));
    EXPECT_EQ("<missing>", Installed("help.hlp"));
    EXPECT_EQ("tmpl", Installed("PhoneBook\\template._txt"));
    EXPECT_EQ("top", Installed("top.txt"));
}

// An earlier installation stays whole unless every new file arrived and the checksum adds up.
TEST_F(ExtractTest, CorruptFileChangesNothingInstalled) {
    InstallPrevious();
    std::string payload = BuildPayload({"program", "help", "tmpl", "top!"});
    std::string changed = payload;
    changed[18] ^= 0x01; // the last stored byte: "!" becomes " "
    EXPECT_EQ(ExtractResult::Corrupt, Extract(changed));
    ExpectPreviousInstallation();

    std::string exchanged = payload;
    std::swap(exchanged[0], exchanged[18]);
    EXPECT_EQ(ExtractResult::Done, Extract(exchanged));
    EXPECT_EQ("!rogram", Installed("prog.exe"));
    EXPECT_EQ("topp", Installed("top.txt"));
    ExpectNoTemporaryFiles();
}

TEST_F(ExtractTest, CancelStopsAfterTheCurrentChunkAndChangesNothingInstalled) {
    InstallPrevious();
    progress.cancelAfterChunks = 1;
    EXPECT_EQ(ExtractResult::Cancelled,
              Extract(BuildPayload({std::string(20000, 'P'), "help", "tmpl", "top"})));
    EXPECT_EQ(1u, progress.fractions.size());
    ExpectPreviousInstallation();

    // Past the first of the large blocks the file is read in, the count still holds.
    progress = RecordedProgress();
    progress.cancelAfterChunks = 300;
    EXPECT_EQ(ExtractResult::Cancelled,
              Extract(BuildPayload({std::string(3 << 20, 'B'), "help", "tmpl", "top"})));
    EXPECT_EQ(300u, progress.fractions.size());
    ExpectPreviousInstallation();
}

// A file that cannot be written is reported by name; the earlier installation stays whole.
TEST_F(ExtractTest, UnwritableFileIsReportedAndChangesNothingInstalled) {
    InstallPrevious();
    const std::string payload = BuildPayload({"program", "help", "tmpl", "top"});
    char failed[260] = "";

    // An installed file in use (held open without sharing, as Windows holds a running program)
    // is found before anything is written.
    const std::string help = folder + "\\help.hlp";
    testkit::WriteFileBytes(setup, payload);
    {
        CHandle inUse(CreateFileA(help.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(inUse.valid());
        EXPECT_EQ(ExtractResult::WriteFailed,
                  ExtractPayload(setup.c_str(), folder.c_str(), kRows, progress, failed));
    }
    EXPECT_EQ(help, failed);
    EXPECT_TRUE(progress.names.empty());
    ExpectPreviousInstallation();

    // A destination that cannot be created stops the extraction at that file.
    testkit::RemoveTree(folder + "\\PhoneBook");
    failed[0] = '\0';
    EXPECT_EQ(ExtractResult::WriteFailed,
              ExtractPayload(setup.c_str(), folder.c_str(), kRows, progress, failed));
    EXPECT_EQ(folder + "\\PhoneBook\\template._txt", failed);
    ExpectPreviousInstallation();
}

TEST_F(ExtractTest, RowsLongerThanOneReadArriveWhole) {
    std::string big(2621440 + 7, 'x');
    for (size_t i = 0; i < big.size(); i += 4093)
        big[i] = static_cast<char>('a' + i % 26);
    ASSERT_EQ(ExtractResult::Done, Extract(BuildPayload({big, "help", "tmpl", "top"})));
    EXPECT_TRUE(Installed("prog.exe") == big);
    EXPECT_EQ(641u + 3u, progress.fractions.size()); // 2,621,447 bytes in chunks of 4,096
}

TEST_F(ExtractTest, TamperedTrailerWritesNothing) {
    std::string payload = BuildPayload({"program", "help", "tmpl", "top"});
    std::string negative = payload;
    negative[payload.size() - 24 + 4] = '\xFF'; // size of row 1 becomes negative
    negative[payload.size() - 24 + 7] = '\xFF';
    EXPECT_EQ(ExtractResult::Corrupt, Extract(negative));

    std::string truncated = payload.substr(3);
    EXPECT_EQ(ExtractResult::Corrupt, Extract(truncated));
    EXPECT_EQ(ExtractResult::Corrupt, Extract("short"));
    EXPECT_EQ("<missing>", Installed("prog.exe"));
    EXPECT_TRUE(progress.names.empty());

    EXPECT_EQ(ExtractResult::Unreadable, ExtractPayload(testkit::ScratchPath("none.exe").c_str(),
                                                        folder.c_str(), kRows, progress));
}

} // namespace
