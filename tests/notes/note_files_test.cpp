// Note files in a book folder on the Wine file system: listing, deleting and renaming.
#include "notes/note_files.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using testkit::ReadFileBytes;
using testkit::ScratchPath;
using testkit::WriteFileBytes;

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Notes() {
    return Sorted(ListNotes(testkit::Scratch().c_str()));
}

// Renames the note with the text "new text" as the main window's save does.
RenameOutcome Rename(const std::string& oldName, const std::string& typed) {
    std::string oldPath = ScratchPath(oldName + ".txt");
    const char text[] = "new text";
    return RenameNote(oldPath.c_str(), typed.c_str(), [&](void* file) {
        DWORD written = 0;
        return WriteFile(file, text, sizeof text - 1, &written, nullptr) && written == 8;
    });
}

TEST(NoteFiles, ListingShowsTxtFilesByName) {
    for (const char* file : {"a.b.txt", "readme.TXT", "template._txt", "print.rtf", "New 1.txt"})
        ASSERT_TRUE(WriteFileBytes(ScratchPath(file), "x"));
    CreateDirectoryA(ScratchPath("folder.txt").c_str(), nullptr);
    EXPECT_EQ((std::vector<std::string>{"New 1", "a.b", "readme"}), Notes());
    EXPECT_TRUE(ListNotes(ScratchPath("missing").c_str()).empty());
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(testkit::Scratch().c_str());
    EXPECT_TRUE(ListNotes("").empty());
    SetCurrentDirectoryA(previous);
}

// On an English system (code page 1252) "日本" and "Łukasz" cannot be spelled: they are listed
// with "?" for each letter the code page lacks, never as a look-alike ("Lukasz") that names
// another note, and are read through their own file names.
TEST(NoteFiles, NamesTheCodePageCannotSpellAreListedApartAndReadByTheirFileNames) {
    ASSERT_EQ(1252u, GetACP());
    const std::wstring folder = testkit::Wide(testkit::Scratch());
    ASSERT_TRUE(WriteFileBytes(folder + L"\\\u65E5\u672C.txt", "japanese"));
    ASSERT_TRUE(WriteFileBytes(folder + L"\\\u0141ukasz.txt", "polish"));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("Lukasz.txt"), "plain"));
    std::vector<NoteFile> listed = ListNoteFiles(testkit::Scratch().c_str());
    std::sort(listed.begin(), listed.end(),
              [](const NoteFile& a, const NoteFile& b) { return a.name < b.name; });
    ASSERT_EQ(3u, listed.size());
    EXPECT_EQ("??", listed[0].name);
    EXPECT_TRUE(listed[0].fileName == L"\u65E5\u672C.txt");
    EXPECT_EQ("?ukasz", listed[1].name);
    EXPECT_TRUE(listed[1].fileName == L"\u0141ukasz.txt");
    EXPECT_EQ("Lukasz", listed[2].name);
    EXPECT_TRUE(listed[2].fileName.empty());
    std::vector<std::string> names;
    std::vector<std::wstring> fileNames;
    for (const NoteFile& note : listed) {
        names.push_back(note.name);
        fileNames.push_back(note.fileName);
    }
    const char* const expected[] = {"japanese", "polish", "plain"};
    for (size_t i = 0; i < 3; ++i) {
        std::string bytes;
        EXPECT_TRUE(ReadListedNote(testkit::Scratch().c_str(), names, fileNames, i, &bytes));
        EXPECT_EQ(expected[i], bytes);
    }
    // The name as shown leads to no file.
    std::string bytes = "?";
    EXPECT_FALSE(ReadListedNote(testkit::Scratch().c_str(), names, {}, 0, &bytes));
    EXPECT_EQ("", bytes);
}

TEST(NoteFiles, WritingAndDeleting) {
    std::string path = ScratchPath("n.txt");
    EXPECT_TRUE(SaveNoteText(path.c_str(), "a\r\nb", 4));
    EXPECT_EQ("a\r\nb", ReadFileBytes(path));
    EXPECT_TRUE(SaveNoteText(path.c_str(), "", 0));
    EXPECT_EQ("", ReadFileBytes(path));
    // A removed book folder is made again for its note; a folder whose parent is gone is not.
    EXPECT_TRUE(SaveNoteText(ScratchPath("gone\\n.txt").c_str(), "a", 1));
    EXPECT_EQ("a", ReadFileBytes(ScratchPath("gone\\n.txt")));
    EXPECT_FALSE(SaveNoteText(ScratchPath("missing\\deeper\\n.txt").c_str(), "a", 1));

    ASSERT_TRUE(WriteFileBytes(ScratchPath("m.txt"), "m"));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("keep.txt"), "k"));
    DeleteNotes(testkit::Scratch().c_str(), {"n", "m", "not there"});
    EXPECT_EQ((std::vector<std::string>{"keep"}), Notes());
}

TEST(NoteFiles, AFailedSaveKeepsThePreviousTextWhole) {
    std::string path = ScratchPath("n.txt");
    ASSERT_TRUE(SaveNoteText(path.c_str(), "previous text", 13));
    // The writer gets halfway and fails, as a full disk or a lost share would make it.
    EXPECT_FALSE(WriteNoteFile(path.c_str(), [](void* file) {
        DWORD written;
        WriteFile(file, "new", 3, &written, nullptr);
        return false;
    }));
    EXPECT_EQ("previous text", ReadFileBytes(path));

    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(SaveNoteText(path.c_str(), "other", 5)); // another program holds the note
    CloseHandle(held);
    EXPECT_EQ("previous text", ReadFileBytes(path));
    WIN32_FIND_DATAA found;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(ScratchPath("~qm*").c_str(), &found))
        << "a file of the failed save was left behind";
    EXPECT_EQ("<missing>", ReadFileBytes(ScratchPath("CON.txt")));
    EXPECT_FALSE(SaveNoteText(ScratchPath("CON.txt").c_str(), "x", 1));
}

TEST(NoteFiles, ConflictCopyNeverReplacesAFile) {
    const std::string path = ScratchPath("Plan.txt");
    ASSERT_TRUE(WriteFileBytes(path, "theirs"));
    char first[LFile::kPathSize], second[LFile::kPathSize];
    auto write = [](const char* text) {
        return [text](void* file) {
            DWORD written;
            return WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written,
                             nullptr) != 0;
        };
    };
    ASSERT_TRUE(WriteConflictCopy(path.c_str(), write("one"), first));
    ASSERT_TRUE(WriteConflictCopy(path.c_str(), write("two"), second));
    EXPECT_STRNE(first, second);
    EXPECT_EQ("theirs", ReadFileBytes(path));
    EXPECT_EQ("one", ReadFileBytes(first));
    EXPECT_EQ("two", ReadFileBytes(second));
    EXPECT_EQ(0u, std::string(first).find(ScratchPath("Plan (conflict copy ")));

    NoteStamp before = ReadNoteStamp(path.c_str());
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(6u, before.size);
    ASSERT_TRUE(WriteFileBytes(path, "theirs, longer"));
    EXPECT_NE(before, ReadNoteStamp(path.c_str()));
    EXPECT_FALSE(ReadNoteStamp(ScratchPath("none.txt").c_str()).exists);
}

TEST(NoteRename, NewNameTakesTheText) {
    ASSERT_TRUE(WriteFileBytes(ScratchPath("Shopping.txt"), "old text"));
    RenameOutcome outcome = Rename("Shopping", "SHOPPING");
    EXPECT_EQ(RenameResult::Renamed, outcome.result);
    EXPECT_TRUE(outcome.textSaved);
    EXPECT_EQ(ScratchPath("SHOPPING.txt"), outcome.path);
    EXPECT_EQ((std::vector<std::string>{"SHOPPING"}), Notes());
    EXPECT_EQ("new text", ReadFileBytes(ScratchPath("SHOPPING.txt")));

    outcome = Rename("SHOPPING", "a:b<c>.d");
    EXPECT_EQ(RenameResult::Renamed, outcome.result);
    EXPECT_STREQ("abcd", outcome.name);
    EXPECT_EQ((std::vector<std::string>{"abcd"}), Notes());

    outcome = Rename("abcd", "abcd"); // the same name again
    EXPECT_EQ(RenameResult::Renamed, outcome.result);
    EXPECT_EQ((std::vector<std::string>{"abcd"}), Notes());

    // A new note whose file was never written.
    outcome = Rename("New 1", "Ideas");
    EXPECT_EQ(RenameResult::Renamed, outcome.result);
    EXPECT_EQ("new text", ReadFileBytes(ScratchPath("Ideas.txt")));
    EXPECT_EQ((std::vector<std::string>{"Ideas", "abcd"}), Notes());
}

TEST(NoteRename, NothingLeftAfterCleaningIsNoRename) {
    ASSERT_TRUE(WriteFileBytes(ScratchPath("A.txt"), "a"));
    RenameOutcome outcome = Rename("A", ".:*");
    EXPECT_EQ(RenameResult::NotRenamed, outcome.result);
    EXPECT_FALSE(outcome.textSaved);
    EXPECT_EQ(ScratchPath("A.txt"), outcome.path);
    EXPECT_EQ("a", ReadFileBytes(ScratchPath("A.txt")));
    EXPECT_EQ(RenameResult::NotRenamed, Rename("A", "").result);
}

TEST(NoteRename, AnotherNotesNameIsRefused) {
    ASSERT_TRUE(WriteFileBytes(ScratchPath("A.txt"), "a"));
    ASSERT_TRUE(WriteFileBytes(ScratchPath("B.txt"), "b"));
    RenameOutcome outcome = Rename("A", "b");
    EXPECT_EQ(RenameResult::NameExists, outcome.result);
    EXPECT_TRUE(outcome.textSaved);
    EXPECT_EQ(ScratchPath("A.txt"), outcome.path);
    EXPECT_EQ("new text", ReadFileBytes(ScratchPath("A.txt")));
    EXPECT_EQ("b", ReadFileBytes(ScratchPath("B.txt")));

    // A file held by another program without sharing counts as existing.
    HANDLE held = CreateFileA(ScratchPath("B.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(RenameResult::NameExists, Rename("A", "B").result);
    CloseHandle(held);
    EXPECT_EQ("b", ReadFileBytes(ScratchPath("B.txt")));

    // Also for a note whose own file was never written: its text goes to its own name.
    EXPECT_EQ(RenameResult::NameExists, Rename("New 1", "B").result);
    EXPECT_EQ("new text", ReadFileBytes(ScratchPath("New 1.txt")));
    EXPECT_EQ((std::vector<std::string>{"A", "B", "New 1"}), Notes());
}

TEST(NoteRename, ANameTheFileSystemRefusesKeepsTheTextUnderTheOldName) {
    std::string tooLong(300, 'n');
    std::string folder = ScratchPath(std::string(200, 'f'));
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const std::string& typed : {std::string("what?"), std::string("a\tb"), std::string("CON"),
                                     std::string("nul "), tooLong, std::string(1000, 'm')}) {
        ASSERT_TRUE(WriteFileBytes(ScratchPath("Plan.txt"), "old text"));
        RenameOutcome outcome = Rename("Plan", typed);
        EXPECT_EQ(RenameResult::Failed, outcome.result) << typed;
        EXPECT_TRUE(outcome.textSaved) << typed;
        EXPECT_EQ(ScratchPath("Plan.txt"), outcome.path) << typed;
        EXPECT_EQ("new text", ReadFileBytes(ScratchPath("Plan.txt"))) << typed;
        EXPECT_EQ((std::vector<std::string>{"Plan"}), Notes()) << typed;
    }
    // A name that fits alone but not in a deep folder.
    std::string deepNote = folder + "\\Plan.txt";
    ASSERT_TRUE(WriteFileBytes(deepNote, "old text"));
    const char text[] = "deep text";
    RenameOutcome outcome =
        RenameNote(deepNote.c_str(), std::string(60, 'x').c_str(), [&](void* file) {
            DWORD written = 0;
            return WriteFile(file, text, sizeof text - 1, &written, nullptr) != FALSE;
        });
    EXPECT_EQ(RenameResult::Failed, outcome.result);
    EXPECT_EQ("deep text", ReadFileBytes(deepNote));
    EXPECT_EQ((std::vector<std::string>{"Plan"}), Sorted(ListNotes(folder.c_str())));
}

TEST(NoteRename, AFailedWriteUnderTheNewNameKeepsTheOldFile) {
    ASSERT_TRUE(WriteFileBytes(ScratchPath("Plan.txt"), "old text"));
    int calls = 0;
    std::string oldPath = ScratchPath("Plan.txt");
    RenameOutcome outcome = RenameNote(oldPath.c_str(), "Other", [&](void* file) {
        DWORD written = 0;
        // The first write (under the new name) fails part-way; the second succeeds.
        bool ok = ++calls > 1;
        WriteFile(file, "partial", ok ? 7 : 3, &written, nullptr);
        return ok;
    });
    EXPECT_EQ(RenameResult::Failed, outcome.result);
    EXPECT_TRUE(outcome.textSaved);
    EXPECT_EQ("partial", ReadFileBytes(oldPath));
    EXPECT_EQ((std::vector<std::string>{"Plan"}), Notes());
}

} // namespace
