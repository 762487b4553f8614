// The file operations of LFile on the Wine file system.
#include "platform/lfile.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using testkit::ScratchPath;

namespace {

std::string Load(const std::string& path) {
    std::unique_ptr<char[]> text(LFile::LoadTextFile(path.c_str()));
    return text ? std::string(text.get()) : std::string("<none>");
}

TEST(LFileText, LoadReadsAtMost32766Bytes) {
    std::string big(40000, 'a');
    big[32765] = 'L';
    big[32766] = 'X';
    ASSERT_TRUE(testkit::WriteFileBytes(ScratchPath("big.txt"), big));
    std::string loaded = Load(ScratchPath("big.txt"));
    EXPECT_EQ(32766u, loaded.size());
    EXPECT_EQ('L', loaded.back());
}

TEST(LFileText, EmptyAndMissingFilesGiveNoText) {
    ASSERT_TRUE(testkit::WriteFileBytes(ScratchPath("empty.txt"), ""));
    EXPECT_EQ("<none>", Load(ScratchPath("empty.txt")));
    EXPECT_EQ("<none>", Load(ScratchPath("missing.txt")));
    EXPECT_EQ("<none>", Load(testkit::Scratch())); // a folder
}

TEST(LFileText, SaveReplacesTheFileWithExactlyTheText) {
    std::string path = ScratchPath("note.txt");
    ASSERT_TRUE(testkit::WriteFileBytes(path, std::string(5000, 'o')));
    LFile::SaveTextFile(path.c_str(), "line 1\nline 2\r\n");
    EXPECT_EQ("line 1\nline 2\r\n", testkit::ReadFileBytes(path));
    LFile::SaveTextFile(path.c_str(), "");
    EXPECT_EQ("", testkit::ReadFileBytes(path));
    // A folder that is not there: nothing is written and nothing breaks.
    LFile::SaveTextFile(ScratchPath("gone\\note.txt").c_str(), "x");
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(ScratchPath("gone\\note.txt")));
}

TEST(LFileExists, FilesOnlyAlsoWhenHeldWithoutSharing) {
    std::string path = ScratchPath("held.txt");
    ASSERT_TRUE(testkit::WriteFileBytes(path, "x"));
    EXPECT_TRUE(LFile::FileExists(path.c_str()));
    HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, exclusive);
    EXPECT_TRUE(LFile::FileExists(path.c_str()));
    CloseHandle(exclusive);

    EXPECT_FALSE(LFile::FileExists(ScratchPath("missing.txt").c_str()));
    EXPECT_FALSE(LFile::FileExists(testkit::Scratch().c_str()));
}

TEST(LFileDeleteFolder, RemovesFilesAndTheFolderUnlessASubfolderStays) {
    std::string plain = ScratchPath("plain");
    CreateDirectoryA(plain.c_str(), nullptr);
    testkit::WriteFileBytes(plain + "\\a.txt", "a");
    testkit::WriteFileBytes(plain + "\\.hidden", "h");
    testkit::WriteFileBytes(plain + "\\b.rtf", "b");
    // A name beginning with a full stop is passed over, so the folder stays.
    EXPECT_FALSE(LFile::DeleteFolderAndFiles(plain.c_str()));
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(plain + "\\a.txt"));
    DeleteFileA((plain + "\\.hidden").c_str());
    EXPECT_TRUE(LFile::DeleteFolderAndFiles(plain.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(plain.c_str()));

    std::string nested = ScratchPath("nested");
    CreateDirectoryA(nested.c_str(), nullptr);
    CreateDirectoryA((nested + "\\sub").c_str(), nullptr);
    testkit::WriteFileBytes(nested + "\\a.txt", "a");
    EXPECT_FALSE(LFile::DeleteFolderAndFiles(nested.c_str()));
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(nested + "\\a.txt"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((nested + "\\sub").c_str()));
}

TEST(LFileBrowse, CancelLeavesTheBufferAsItWas) {
    char path[LFile::kPathSize] = "C:\\Unchanged";
    testkit::DialogScript script({testkit::DialogScript::Press(IDCANCEL)});
    EXPECT_FALSE(LFile::BrowseForFolder(path, "Choose a book folder"));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(0, script.unexpected());
    EXPECT_STREQ("C:\\Unchanged", path);
}

TEST(LFileBrowse, ChoosingAFolderReturnsItsPath) {
    std::string folder = ScratchPath("Chosen Book");
    CreateDirectoryA(folder.c_str(), nullptr);
    char path[LFile::kPathSize] = "";
    testkit::DialogScript script(
        {[&](HWND picker) { testkit::ChooseFolderInPicker(picker, folder); }});
    EXPECT_TRUE(LFile::BrowseForFolder(path, "Choose a book folder"));
    ASSERT_EQ(1u, script.seen().size());
    EXPECT_NE(std::string::npos, script.seen()[0].text.find("Choose a book folder"));
    EXPECT_STRCASEEQ(folder.c_str(), path);
}

// My Computer has no path: choosing it must not hand an empty folder to a caller that adds it
// as a book.
TEST(LFileBrowse, ChoosingAnItemWithoutAPathIsNoChoice) {
    char path[LFile::kPathSize] = "C:\\Unchanged";
    testkit::DialogScript script({[](HWND picker) {
        LPITEMIDLIST computer = nullptr;
        ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
        SendMessageA(picker, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
        testkit::PumpPending();
        testkit::PressButton(picker, IDOK);
        CoTaskMemFree(computer);
    }});
    EXPECT_FALSE(LFile::BrowseForFolder(path, "Choose a book folder"));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(0, script.unexpected());
    EXPECT_STREQ("C:\\Unchanged", path);
}

} // namespace
