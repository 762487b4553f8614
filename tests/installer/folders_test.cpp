// The program folder, its access list, and the "Folders" data folders.
#include "installer/folders.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

std::string ExpectedProgramFolder() {
    std::string programFiles;
    if (!testkit::ReadMachineValue(kCurrentVersion, "ProgramFilesDir", &programFiles))
        return "C:\\Quillmark";
    programFiles.resize(strlen(programFiles.c_str()));
    return programFiles + "\\Velmora\\Quillmark";
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramFolder() {
    char out[260];
    GetInstallProgramFilesPath(out);
    return out;
}

// Checks that acl holds exactly the inherited full-access grant to Everyone.
// Wine 8 does not keep a folder's security descriptor (it derives one from the Unix mode when
// asked), so the descriptor is checked as built, before CreateDirectoryA receives it.
void ExpectEveryoneFullAccess(PACL acl, ACCESS_MASK expectedMask) {
    ASSERT_NE(nullptr, acl);
    ACL_SIZE_INFORMATION size = {};
    ASSERT_TRUE(GetAclInformation(acl, &size, sizeof size, AclSizeInformation));
    ASSERT_EQ(1u, size.AceCount);
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(acl, 0, reinterpret_cast<void**>(&ace)));
    EXPECT_EQ(ACCESS_ALLOWED_ACE_TYPE, ace->Header.AceType);
    EXPECT_EQ(OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE,
              ace->Header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE));
    EXPECT_EQ(expectedMask, ace->Mask);
    SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
    PSID everyone = nullptr;
    ASSERT_TRUE(
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
    EXPECT_TRUE(EqualSid(everyone, &ace->SidStart));
    FreeSid(everyone);
}

class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { testkit::RemoveTree(ExpectedProgramFolder()); }
    void TearDown() override { testkit::RemoveTree(ExpectedProgramFolder()); }
};

TEST_F(ProgramFolderTest, IsMadeBelowProgramFiles) {
    EXPECT_EQ(ExpectedProgramFolder(), ProgramFolder());
    EXPECT_TRUE(IsFolder(ExpectedProgramFolder()));
    // A second call finds it there and changes nothing.
    EXPECT_EQ(ExpectedProgramFolder(), ProgramFolder());
}

TEST(EveryoneFullAccessTest, DescriptorGrantsEveryoneEverythingInherited) {
    EveryoneFullAccess access;
    ASSERT_TRUE(access.valid());
    auto* descriptor = static_cast<PSECURITY_DESCRIPTOR>(access.descriptor());
    EXPECT_TRUE(IsValidSecurityDescriptor(descriptor));
    BOOL present = FALSE, defaulted = TRUE;
    PACL acl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted));
    EXPECT_TRUE(present);
    EXPECT_FALSE(defaulted);
    ExpectEveryoneFullAccess(acl, GENERIC_ALL);
}

TEST_F(ProgramFolderTest, DataFolderFallsBackToTheProgramFolderWithoutCreatingIt) {
    char out[260];
    GetDataFolderPath("Diary", out);
    EXPECT_EQ(ExpectedProgramFolder() + "\\Diary", out);
    EXPECT_TRUE(IsFolder(ExpectedProgramFolder()));
    EXPECT_FALSE(IsFolder(ExpectedProgramFolder() + "\\Diary"));

    GetDataFolderPath(nullptr, out);
    EXPECT_EQ(ExpectedProgramFolder(), out);

    SetSettingString("Folders", "Diary", "D:\\Elsewhere\\Diary");
    SetSettingString("Folders", "DataFiles", "D:\\Data");
    GetDataFolderPath("Diary", out);
    EXPECT_STREQ("D:\\Elsewhere\\Diary", out);
    GetDataFolderPath(nullptr, out);
    EXPECT_STREQ("D:\\Data", out);
}

TEST(DataFolders, CreateRecordsAndDeleteRemovesFilesAndFolder) {
    std::string program = testkit::Scratch();
    CreateDataFolder(program.c_str(), "PhoneBook");
    std::string folder = program + "\\PhoneBook";
    EXPECT_TRUE(IsFolder(folder));
    char recorded[260];
    GetSettingString("Folders", "PhoneBook", "", recorded);
    EXPECT_EQ(folder, recorded);

    testkit::WriteFileBytes(folder + "\\Contacts.txt", "x");
    DeleteDataFolder("Other Notes", program.c_str()); // no value: nothing happens
    EXPECT_TRUE(IsFolder(folder));
    DeleteDataFolder("PhoneBook", program.c_str());
    EXPECT_FALSE(IsFolder(folder));
}

// A changed or damaged "Folders" value must never empty a folder outside the program folder.
TEST(DataFolders, DeleteLeavesRecordedFoldersOutsideTheProgramFolder) {
    std::string program = testkit::ScratchPath("Program");
    CreateDirectoryA(program.c_str(), nullptr);
    std::string elsewhere = testkit::ScratchPath("Documents");
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    testkit::WriteFileBytes(elsewhere + "\\Letter.txt", "keep");
    for (const std::string& value :
         {elsewhere, program + "\\..\\Documents", testkit::ScratchPath("Program2")}) {
        SetSettingString("Folders", "Diary", value.c_str());
        DeleteDataFolder("Diary", program.c_str());
    }
    EXPECT_EQ("keep", testkit::ReadFileBytes(elsewhere + "\\Letter.txt"));
}

// What CreateDirectoryA is asked for, folder by folder: the program folder keeps the access it
// inherits, the book folders are shared with every user.
struct CreatedFolder {
    std::string path;
    bool everyone = false; // an access list granting Everyone full access was passed
    bool defaultSecurity = false;
};
std::vector<CreatedFolder> g_created;

BOOL WINAPI RecordCreateFolder(LPCSTR path, LPSECURITY_ATTRIBUTES attributes) {
    CreatedFolder created;
    created.path = path;
    created.defaultSecurity = attributes == nullptr || attributes->lpSecurityDescriptor == nullptr;
    if (!created.defaultSecurity) {
        BOOL present = FALSE, defaulted = FALSE;
        PACL acl = nullptr;
        created.everyone =
            GetSecurityDescriptorDacl(attributes->lpSecurityDescriptor, &present, &acl,
                                      &defaulted) &&
            present && acl != nullptr;
        if (created.everyone) ExpectEveryoneFullAccess(acl, GENERIC_ALL);
    }
    g_created.push_back(created);
    return CreateDirectoryA(path, attributes);
}

TEST_F(ProgramFolderTest, OnlyTheBookFoldersAreSharedWithEveryone) {
    g_created.clear();
    g_createFolder = RecordCreateFolder;
    std::string program = ProgramFolder();
    CreateDataFolder(program.c_str(), "PhoneBook");
    CreateDataFolder(program.c_str(), "Useful Web Links");
    g_createFolder = CreateDirectoryA;

    ASSERT_EQ(3u, g_created.size());
    EXPECT_EQ(ExpectedProgramFolder(), g_created[0].path);
    EXPECT_TRUE(g_created[0].defaultSecurity);
    EXPECT_FALSE(g_created[0].everyone);
    for (size_t i : {1u, 2u}) {
        EXPECT_FALSE(g_created[i].defaultSecurity) << g_created[i].path;
        EXPECT_TRUE(g_created[i].everyone) << g_created[i].path;
    }
    EXPECT_EQ(ExpectedProgramFolder() + "\\Useful Web Links", g_created[2].path);
}

// Without the system's Program Files value the program lives in C:\Quillmark.
TEST(ProgramFolderFallback, WithoutProgramFilesDirItIsCQuillmark) {
    std::string saved;
    ASSERT_TRUE(testkit::ReadMachineValue(kCurrentVersion, "ProgramFilesDir", &saved));
    CKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, kCurrentVersion, KEY_SET_VALUE));
    RegDeleteValueA(key.get(), "ProgramFilesDir");
    testkit::RemoveTree("C:\\Quillmark");
    std::string folder = ProgramFolder();
    RegSetValueExA(key.get(), "ProgramFilesDir", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(saved.data()), static_cast<DWORD>(saved.size()));
    EXPECT_EQ("C:\\Quillmark", folder);
    EXPECT_TRUE(IsFolder("C:\\Quillmark"));
    testkit::RemoveTree("C:\\Quillmark");
}

} // namespace
