// Finalizing an installation and removing it again, on a program folder made in the test.
#include "installer/installation.h"
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "testkit/shell_folders.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A program folder with the installed files and default books, and private shell folders.
class InstallationTest : public ::testing::Test {
  protected:
    InstallationTest()
        : program(testkit::ScratchPath("Program")),
          programs(HKEY_CURRENT_USER, "Programs", testkit::ScratchPath("Programs")),
          commonPrograms(HKEY_LOCAL_MACHINE, "Common Programs", testkit::ScratchPath("Programs")),
          desktop(HKEY_CURRENT_USER, "Desktop", testkit::ScratchPath("Desktop")),
          commonDesktop(HKEY_LOCAL_MACHINE, "Common Desktop", testkit::ScratchPath("Desktop")) {}

    void SetUp() override {
        RemoveUninstallEntry();
        CreateDirectoryA(program.c_str(), nullptr);
        CreateDirectoryA(testkit::ScratchPath("Desktop").c_str(), nullptr);
        testkit::WriteFileBytes(program + "\\qmark.exe", "not a real program");
        testkit::WriteFileBytes(program + "\\qmark.hlp", "help");
        SetSettingString("Folders", "ProgramFiles", program.c_str());
        SetSettingString("Folders", "DataFiles", program.c_str());
        CreateDefaultBookFolders(program.c_str());
        testkit::WriteFileBytes(program + "\\PhoneBook\\Velmora.txt", "contact");
        testkit::WriteFileBytes(program + "\\Diary\\2026-12-07.txt", "09.00am: ");
    }
    void TearDown() override { RemoveUninstallEntry(); }

    std::string program;
    testkit::ShellFolderOverride programs, commonPrograms, desktop, commonDesktop;
};

TEST_F(InstallationTest, DefaultBookFoldersAreMadeAndRecorded) {
    for (const char* book : {"PhoneBook", "Diary", "Useful Web Links", "Other Notes"}) {
        EXPECT_TRUE(Exists(program + "\\" + book)) << book;
        char recorded[260];
        GetSettingString("Folders", book, "", recorded);
        EXPECT_EQ(program + "\\" + book, recorded);
    }
}

TEST_F(InstallationTest, FinalizeLeavesShortcutsEntryAndMarkedCopies) {
    char failed[260] = "";
    EXPECT_TRUE(FinalizeInstallation(program.c_str(), failed));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark.lnk")));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark Help.lnk")));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
    EXPECT_EQ(std::string("not a real program\0\0\0\0", 22),
              testkit::ReadFileBytes(program + "\\qmark.exe"));
    EXPECT_EQ(UNINSTALL_MAGIC, ReadFileMagic((program + "\\uninst.exe").c_str()));
    std::string value;
    ASSERT_TRUE(testkit::ReadMachineValue(kUninstall, "UninstallString", &value));
    // Quoted: the program folder's path has spaces on a real machine.
    EXPECT_EQ("\"" + program + "\\uninst.exe\"", value.c_str());
}

TEST_F(InstallationTest, UnwritableUninstallerIsReportedBeforeAnyShortcutOrEntry) {
    const std::string uninstaller = program + "\\uninst.exe";
    testkit::WriteFileBytes(uninstaller, "old uninstaller");
    char failed[260] = "";
    {
        CHandle inUse(CreateFileA(uninstaller.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(inUse.valid());
        EXPECT_FALSE(FinalizeInstallation(program.c_str(), failed));
    }
    EXPECT_EQ(uninstaller, failed);
    EXPECT_EQ("old uninstaller", testkit::ReadFileBytes(uninstaller));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark.lnk")));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
    std::string value;
    EXPECT_FALSE(testkit::ReadMachineValue(kUninstall, "UninstallString", &value));
}

TEST_F(InstallationTest, RemovalTakesEverythingButOtherBooks) {
    char failed[260];
    ASSERT_TRUE(FinalizeInstallation(program.c_str(), failed));
    std::string ownBook = testkit::ScratchPath("My Book");
    CreateDirectoryA(ownBook.c_str(), nullptr);
    testkit::WriteFileBytes(ownBook + "\\Keep.txt", "mine");
    SetSettingString("Books", "Book5", ownBook.c_str());
    SetSettingInt("Books", "Count", 5);

    RemoveInstallation(program.c_str());
    EXPECT_FALSE(Exists(program));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Programs\\Quillmark")));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
    std::string value;
    EXPECT_FALSE(testkit::ReadMachineValue(kUninstall, "DisplayName", &value));
    EXPECT_EQ("mine", testkit::ReadFileBytes(ownBook + "\\Keep.txt"));
    EXPECT_EQ(0, GetSettingInt("Books", "Count", -1));
    char book5[260];
    GetSettingString("Books", "Book5", "", book5);
    EXPECT_EQ(ownBook, book5);
}

TEST_F(InstallationTest, UnknownSubfolderKeepsTheProgramFolderButNotItsFiles) {
    CreateDirectoryA((program + "\\Extras").c_str(), nullptr);
    RemoveInstallation(program.c_str());
    EXPECT_TRUE(Exists(program + "\\Extras"));
    EXPECT_FALSE(Exists(program + "\\qmark.exe"));
    EXPECT_FALSE(Exists(program + "\\PhoneBook"));
}

} // namespace
