// Path arithmetic of LFile. Destinations are exact 260-byte heap buffers, so that the
// address sanitizer reports any write past them.
#include "platform/lfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct PathBuffer {
    std::unique_ptr<char[]> bytes{new char[LFile::kPathSize]};
    explicit PathBuffer(const std::string& text = "") {
        std::fill(bytes.get(), bytes.get() + LFile::kPathSize, '#');
        text.copy(bytes.get(), LFile::kPathSize - 1);
        bytes[std::min(text.size(), LFile::kPathSize - 1)] = '\0';
    }
    char* get() { return bytes.get(); }
    std::string str() const { return bytes.get(); }
};

std::string FolderOf(const std::string& path) {
    PathBuffer dest;
    LFile::_GetFolderFromPath(dest.get(), path.c_str());
    return dest.str();
}
std::string FileOf(const std::string& path) {
    PathBuffer dest;
    LFile::_GetFileFromPath(dest.get(), path.c_str());
    return dest.str();
}
std::string TitleOf(const std::string& path) {
    PathBuffer dest;
    LFile::_GetFileTitleFromPath(dest.get(), path.c_str());
    return dest.str();
}
std::string Cat(const std::string& folder, const std::string& name) {
    PathBuffer dest(folder);
    LFile::FilePathCat(dest.get(), name.c_str());
    return dest.str();
}
std::string CatExt(const std::string& folder, const std::string& name, const std::string& ext) {
    PathBuffer dest(folder);
    LFile::FilePathCatExt(dest.get(), name.c_str(), ext.c_str());
    return dest.str();
}

TEST(LFilePath, FolderPartEndsAtTheLastSeparator) {
    EXPECT_EQ("C:\\Notes", FolderOf("C:\\Notes\\a.txt"));
    EXPECT_EQ("C:", FolderOf("C:\\"));
    EXPECT_EQ("C:/Notes", FolderOf("C:/Notes/a.txt"));
    EXPECT_EQ("C:\\a/b", FolderOf("C:\\a/b\\c"));
    EXPECT_EQ("", FolderOf("a.txt"));
    EXPECT_EQ("", FolderOf("\\a.txt"));
}

TEST(LFilePath, FileAndTitleParts) {
    EXPECT_EQ("a.txt", FileOf("C:\\Notes\\a.txt"));
    EXPECT_EQ("b", FileOf("C:/a/b"));
    EXPECT_EQ("", FileOf("C:\\Notes\\"));
    EXPECT_EQ("a.b", TitleOf("C:\\x\\a.b.txt"));
    EXPECT_EQ(".txt", TitleOf(".txt"));
    EXPECT_EQ("Note", TitleOf("C:\\Book.d\\Note"));
    EXPECT_EQ("plain", TitleOf("plain"));
}

TEST(LFilePath, CatAddsOneBackslashOnlyWhenNeeded) {
    EXPECT_EQ("C:\\Notes\\a.txt", Cat("C:\\Notes", "a.txt"));
    EXPECT_EQ("C:\\Notes\\a.txt", Cat("C:\\Notes\\", "a.txt"));
    EXPECT_EQ("C:/Notes/a.txt", Cat("C:/Notes/", "a.txt"));
    EXPECT_EQ("a.txt", Cat("", "a.txt"));
    EXPECT_EQ("C:\\Book\\Shopping.txt", CatExt("C:\\Book", "Shopping", ".txt"));
}

TEST(LFilePath, BuiltPathsStopAt259Characters) {
    std::string full(259, 'd');
    EXPECT_EQ(full, Cat(full, "a.txt"));
    EXPECT_EQ(full, CatExt(full, "a", ".txt"));

    std::string almost(258, 'd');
    EXPECT_EQ(almost + "\\", Cat(almost, "a.txt"));

    std::string longName(1000, 'n');
    std::string joined = Cat("C:\\Notes", longName);
    EXPECT_EQ(259u, joined.size());
    EXPECT_EQ("C:\\Notes\\nnn", joined.substr(0, 12));

    std::string withExt = CatExt(std::string(251, 'f'), "name", ".txt");
    EXPECT_EQ(std::string(251, 'f') + "\\name.tx", withExt);
}

TEST(LFilePath, LongInputsAreCutNotOverflowed) {
    for (size_t length : {300u, 1000u}) {
        std::string noSeparator(length, 'x');
        EXPECT_EQ("", FolderOf(noSeparator));
        EXPECT_EQ(std::string(259, 'x'), FileOf(noSeparator));
        EXPECT_EQ(std::string(259, 'x'), TitleOf(noSeparator));

        std::string deep = "C:\\" + std::string(100, 'a') + "\\" + std::string(length, 'b');
        EXPECT_EQ("C:\\" + std::string(100, 'a'), FolderOf(deep));
        EXPECT_EQ(std::string(259, 'b'), FileOf(deep));
    }
    // Only the first 260 characters are looked at for the folder part.
    std::string lateSeparator = std::string(280, 'y') + "\\z";
    EXPECT_EQ("", FolderOf(lateSeparator));
}

TEST(LFilePath, StripFileNameCharsLeavesOutTheNineRefusedCharacters) {
    char dest[64];
    EXPECT_TRUE(LFile::StripFileNameChars("a/b:c?.txt", dest));
    EXPECT_STREQ("abc?txt", dest);
    EXPECT_FALSE(LFile::StripFileNameChars("...", dest));
    EXPECT_STREQ("", dest);
    EXPECT_TRUE(LFile::StripFileNameChars("a:b<c>.d", dest));
    EXPECT_STREQ("abcd", dest);
    EXPECT_FALSE(LFile::StripFileNameChars("\"*./:<>\\|", dest));
    EXPECT_TRUE(LFile::StripFileNameChars("My:Notes.", dest));
    EXPECT_STREQ("MyNotes", dest);
}

} // namespace

// The uninstaller deletes files only in folders inside the program folder; a changed value
// must not reach elsewhere by a prefix, a dot part or another drive.
TEST(LFilePath, IsInsideFolderTrustsOnlyThePlainSpellingBelowTheFolder) {
    const char* program = "C:\\Program Files\\Velmora\\Quillmark";
    EXPECT_TRUE(LFile::IsInsideFolder(program, program));
    EXPECT_TRUE(LFile::IsInsideFolder("C:\\Program Files\\Velmora\\Quillmark\\", program));
    EXPECT_TRUE(LFile::IsInsideFolder("c:/program files/velmora/quillmark/Diary", program));
    EXPECT_TRUE(LFile::IsInsideFolder("C:\\Program Files\\Velmora\\Quillmark\\PhoneBook",
                                      "C:\\Program Files\\Velmora\\Quillmark\\"));

    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Program Files\\Velmora\\Quillmark2", program));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Program Files\\Velmora", program));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Windows\\System32", program));
    EXPECT_FALSE(LFile::IsInsideFolder("D:\\Program Files\\Velmora\\Quillmark", program));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Program Files\\Velmora\\Quillmark\\..\\..", program));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Program Files\\Velmora\\Quillmark\\.", program));
    EXPECT_FALSE(LFile::IsInsideFolder("", program));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Windows", ""));
    EXPECT_FALSE(LFile::IsInsideFolder("C:\\Windows", "\\"));
}
