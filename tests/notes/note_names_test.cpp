// Book and note names. Outputs go into exact 260-byte heap buffers, so the address sanitizer
// reports any write past them.
#include "notes/note_names.h"
#include "platform/lfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct Out {
    std::unique_ptr<char[]> bytes{new char[LFile::kPathSize]()};
    char* get() { return bytes.get(); }
    std::string str() const { return bytes.get(); }
};

std::string BookName(const std::string& folder) {
    Out name;
    BookNameFromFolder(folder.c_str(), name.get());
    return name.str();
}

std::string NoteName(const std::string& file) {
    Out name;
    return NoteNameFromFileName(file.c_str(), name.get()) ? name.str() : "<not a note>";
}

std::string NewName(const std::vector<std::string>& existing) {
    Out name;
    return FirstFreeNewNoteName(existing, name.get()) ? name.str() : "<none>";
}

std::string Clean(const std::string& typed) {
    Out name;
    return CleanNoteName(typed.c_str(), name.get()) ? name.str() : "<nothing>";
}

TEST(BookName, LastFolderComponentCutAtItsLastDot) {
    EXPECT_EQ("Team", BookName("D:\\Team.Notes"));
    EXPECT_EQ("a.b", BookName("C:\\x.y/a.b.c"));
    EXPECT_EQ(259u, BookName(std::string(1000, 'n')).size());
    EXPECT_EQ(std::string(250, 'n'), BookName("C:\\" + std::string(250, 'n') + ".x"));
}

TEST(NoteName, OnlyTxtFilesAreNotesNamedWithoutTheirLastExtension) {
    EXPECT_EQ("a.b", NoteName("a.b.txt"));
    EXPECT_EQ("readme", NoteName("readme.TXT"));
    EXPECT_EQ("<not a note>", NoteName("template._txt"));
    EXPECT_EQ("<not a note>", NoteName("print.rtf"));
    EXPECT_EQ("<not a note>", NoteName("old.txtx")); // matched "*.txt" by its short name only
    EXPECT_EQ("<not a note>", NoteName(".txt"));
    EXPECT_EQ(std::string(255, 'n'), NoteName(std::string(255, 'n') + ".txt"));
    EXPECT_EQ("<not a note>", NoteName(std::string(1000, 'n') + ".txt"));
}

TEST(NotePath, FolderNameAndTxtUpTo259Characters) {
    Out path;
    EXPECT_TRUE(BuildNotePath("C:\\Book", "Shopping", path.get()));
    EXPECT_EQ("C:\\Book\\Shopping.txt", path.str());

    std::string folder = "C:\\" + std::string(247, 'f'); // 250 characters
    EXPECT_TRUE(BuildNotePath(folder.c_str(), "abcd", path.get()));
    EXPECT_EQ(259u, path.str().size());
    EXPECT_FALSE(BuildNotePath(folder.c_str(), "abcde", path.get()));
    EXPECT_EQ(259u, path.str().size());

    for (size_t length : {300u, 1000u}) {
        std::string longText(length, 'x');
        EXPECT_FALSE(BuildNotePath(longText.c_str(), "n", path.get())) << length;
        EXPECT_EQ(longText.substr(0, 259), path.str());
        EXPECT_FALSE(BuildNotePath("C:\\Book", longText.c_str(), path.get())) << length;
        EXPECT_EQ(259u, path.str().size());
    }
}

TEST(BookFolderPath, DataFolderAndNameUpTo259Characters) {
    Out path;
    EXPECT_TRUE(BuildBookFolderPath("C:\\Data\\", "Work", path.get()));
    EXPECT_EQ("C:\\Data\\Work", path.str());
    const std::string data = "C:\\" + std::string(247, 'f'); // 250 characters
    EXPECT_TRUE(BuildBookFolderPath(data.c_str(), "12345678", path.get()));
    EXPECT_EQ(259u, path.str().size());
    EXPECT_FALSE(BuildBookFolderPath(data.c_str(), "123456789", path.get()));
    EXPECT_EQ(259u, path.str().size());
}

TEST(NewNoteName, FirstFreeNumberIgnoringCase) {
    EXPECT_EQ("New 1", NewName({}));
    EXPECT_EQ("New 2", NewName({"New 1", "New 3"}));
    EXPECT_EQ("New 3", NewName({"new 1", "NEW 2", "Shopping"}));
    // Only the exact "New %d" spelling takes a number.
    EXPECT_EQ("New 1", NewName({"New 01", "New 1a", "New1", "New 1 ", " New 1", "New +1"}));

    std::vector<std::string> all;
    for (int i = 1; i <= 9999; ++i)
        all.push_back("New " + std::to_string(i));
    EXPECT_EQ("<none>", NewName(all));
    all.erase(all.begin() + 4998);
    all.push_back("New 10000");
    EXPECT_EQ("New 4999", NewName(all));
}

TEST(NoteNameCleaning, DropsTheNineRefusedCharactersOnly) {
    EXPECT_EQ("abcd", Clean("a:b<c>.d"));
    EXPECT_EQ("abc?txt", Clean("a/b:c?.txt"));
    EXPECT_EQ(" xy ", Clean(" x\"*|\\y "));
    EXPECT_EQ("<nothing>", Clean("..."));
    EXPECT_EQ("<nothing>", Clean(""));
    EXPECT_EQ(std::string(259, 'n'), Clean(std::string(300, 'n')));
    EXPECT_EQ(std::string(259, 'n'), Clean(std::string(1000, 'n')));
    EXPECT_EQ(std::string(258, 'n'), Clean(std::string(258, 'n') + "." + std::string(700, 'm')));
}

TEST(BookNameCleaning, SpacesAndDotsAtTheEndAreDroppedAndNothingElseLeftIsRefused) {
    auto book = [](const std::string& typed) {
        Out name;
        return CleanBookName(typed.c_str(), name.get()) ? name.str() : "<nothing>";
    };
    EXPECT_EQ("Ideas", book("Ideas. . "));
    EXPECT_EQ(" My Book", book(" My Book  "));
    EXPECT_EQ("<nothing>", book(" . . "));
    EXPECT_EQ("<nothing>", book("   "));
    EXPECT_EQ("a b", book("a b"));
}

TEST(DeviceNames, ReservedNamesInAnyCaseWithSpacesOrExtension) {
    for (const char* name :
         {"CON", "con", "Prn", "AUX", "nul", "COM1", "lpt9", "CON ", "nul.x", "CONIN$", "conout$"})
        EXPECT_TRUE(IsReservedDeviceName(name)) << name;
    for (const char* name : {"CONS", "COM", "COM0", "LPT10", "icon", "A CON", "", "New 1"})
        EXPECT_FALSE(IsReservedDeviceName(name)) << name;
}

} // namespace

TEST(ConflictCopyName, DatedNameNumberedFromTheSecondAndCutToFitThePath) {
    const ConflictTime when = {2026, 3, 7, 9, 5};
    Out name;
    ASSERT_TRUE(ConflictCopyName("C:\\Notes", "Plan", when, 1, name.get()));
    EXPECT_EQ("Plan (conflict copy 2026-03-07 09.05)", name.str());
    ASSERT_TRUE(ConflictCopyName("C:\\Notes\\", "Plan", when, 12, name.get()));
    EXPECT_EQ("Plan (conflict copy 2026-03-07 09.05) 12", name.str());

    // The note name gives way so that folder, name and ".txt" come to exactly 259 characters.
    const std::string folder = "C:\\" + std::string(180, 'f');
    const std::string longName(200, 'n');
    ASSERT_TRUE(ConflictCopyName(folder.c_str(), longName.c_str(), when, 1, name.get()));
    Out path;
    EXPECT_TRUE(BuildNotePath(folder.c_str(), name.get(), path.get()));
    EXPECT_EQ(259u, path.str().size());
    const std::string suffix = " (conflict copy 2026-03-07 09.05)";
    EXPECT_EQ(name.str().size() - suffix.size(), name.str().find(suffix));

    const std::string fullFolder = "C:\\" + std::string(220, 'f');
    EXPECT_FALSE(ConflictCopyName(fullFolder.c_str(), "Plan", when, 1, name.get()));
}
