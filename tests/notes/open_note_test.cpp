// The open note's rules against a store in memory: saving, failed saves, leaving after one,
// renames and their clashes, changes made by someone else, unreadable files and reloading.
#include "notes/open_note.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace {

// Notes in memory. A path's stamp changes with every write; writes into a refused folder fail.
class MemoryStore : public NoteStore {
  public:
    struct File {
        std::string text;
        unsigned long long written = 0;
        bool readOnly = false;
    };
    std::map<std::string, File> files;
    std::set<std::string> refusedFolders; // no file can be written there
    bool recoveryRefused = false;
    std::map<std::string, std::string> recovered;
    int writes = 0;

    void Put(const std::string& path, const std::string& text) {
        File& file = files[path];
        file.text = text;
        file.written = ++clock_;
    }

    NoteStamp ReadStamp(const char* path) override {
        NoteStamp stamp;
        auto found = files.find(path);
        if (found == files.end()) return stamp;
        stamp.exists = true;
        stamp.size = found->second.text.size();
        stamp.written = found->second.written;
        stamp.readOnly = found->second.readOnly;
        return stamp;
    }
    bool Write(const char* path, const NoteTextWriter& write) override {
        ++writes;
        if (refusedFolders.count(Folder(path)) != 0) return false;
        std::string text;
        if (!write(&text)) return false;
        Put(path, text);
        return true;
    }
    RenameOutcome Rename(const char* oldPath, const char* typedName,
                         const NoteTextWriter& write) override {
        RenameOutcome outcome;
        std::snprintf(outcome.path, sizeof outcome.path, "%s", oldPath);
        std::snprintf(outcome.name, sizeof outcome.name, "%s", typedName);
        if (typedName[0] == '\0') return outcome;
        const std::string newPath = Folder(oldPath) + "\\" + typedName + ".txt";
        if (files.count(newPath) != 0) {
            outcome.result = RenameResult::NameExists;
            outcome.textSaved = Write(oldPath, write);
            return outcome;
        }
        if (!Write(newPath.c_str(), write)) {
            outcome.result = RenameResult::Failed;
            outcome.textSaved = Write(oldPath, write);
            return outcome;
        }
        files.erase(oldPath);
        outcome.result = RenameResult::Renamed;
        outcome.textSaved = true;
        std::snprintf(outcome.path, sizeof outcome.path, "%s", newPath.c_str());
        return outcome;
    }
    bool WriteConflictCopy(const char* path, const NoteTextWriter& write,
                           char* copyPath) override {
        std::string copy = std::string(path).substr(0, std::string(path).size() - 4) + " (copy).txt";
        if (!Write(copy.c_str(), write)) return false;
        std::snprintf(copyPath, LFile::kPathSize, "%s", copy.c_str());
        return true;
    }
    bool WriteRecoveryCopy(const char* path, const NoteTextWriter& write,
                           char* copyPath) override {
        std::string text;
        if (recoveryRefused || !write(&text)) return false;
        std::string copy = std::string("C:\\Recovered\\") + path;
        recovered[copy] = text;
        std::snprintf(copyPath, LFile::kPathSize, "%s", copy.c_str());
        return true;
    }
    NoteTextWriter FileText(const char* path) override {
        std::string text = files[path].text;
        return [text](void* file) {
            *static_cast<std::string*>(file) = text;
            return true;
        };
    }

  private:
    static std::string Folder(const std::string& path) { return path.substr(0, path.rfind('\\')); }
    unsigned long long clock_ = 0;
};

const char kA[] = "C:\\Book\\A.txt";
const char kB[] = "C:\\Book\\B.txt";

struct OpenNoteTest : ::testing::Test {
    MemoryStore store;
    std::string shown; // what the editor shows
    OpenNote note{store, [this](void* file) {
                      *static_cast<std::string*>(file) = shown;
                      return true;
                  }};

    // Opens path as the window does: stamp, then the text, then the read's outcome.
    void OpenShown(const char* path, bool readable = true) {
        note.Open(path);
        shown = store.files.count(path) ? store.files[path].text : "";
        note.Loaded(readable);
    }
    void Type(const std::string& text) {
        shown = text + shown;
        note.TextEdited();
    }
};

TEST_F(OpenNoteTest, EditedTextIsSavedOnceAndAnUneditedNoteIsNeverWritten) {
    store.Put(kA, "one");
    OpenShown(kA);
    EXPECT_EQ(SaveOutcome::Result::Nothing, note.Save("A").result);
    EXPECT_EQ(0, store.writes);
    Type("X");
    EXPECT_EQ(SaveOutcome::Result::Saved, note.Save("A").result);
    EXPECT_EQ("Xone", store.files[kA].text);
    EXPECT_FALSE(note.Edited());
    EXPECT_EQ(SaveOutcome::Result::Nothing, note.Save("A").result);
    EXPECT_EQ(1, store.writes);
    // Nothing open: "-" at first and after its file was deleted.
    note.Forget();
    EXPECT_STREQ("-", note.CurrentNote());
    EXPECT_FALSE(note.HasNote());
    EXPECT_EQ(SaveOutcome::Result::Nothing, note.Save("A").result);
}

TEST_F(OpenNoteTest, FailedSaveStaysPendingIsReportedOnceAndTheRetryWrites) {
    store.Put(kA, "one");
    OpenShown(kA);
    Type("X");
    store.refusedFolders.insert("C:\\Book");
    SaveOutcome first = note.Save("A");
    EXPECT_EQ(SaveOutcome::Result::Failed, first.result);
    EXPECT_TRUE(first.firstFailure);
    EXPECT_TRUE(note.TextChanged());
    SaveOutcome again = note.Save("A");
    EXPECT_EQ(SaveOutcome::Result::Failed, again.result);
    EXPECT_FALSE(again.firstFailure);
    store.refusedFolders.clear();
    EXPECT_EQ(SaveOutcome::Result::Saved, note.Save("A").result);
    EXPECT_EQ("Xone", store.files[kA].text);
    // A later failure is news again.
    Type("Y");
    store.refusedFolders.insert("C:\\Book");
    EXPECT_TRUE(note.Save("A").firstFailure);
}

TEST_F(OpenNoteTest, LeavingForGoodAfterAFailedSaveKeepsTheTextInACopy) {
    store.Put(kA, "one");
    OpenShown(kA);
    Type("X");
    // Neither the note's folder nor a copy beside it takes a file.
    store.refusedFolders.insert("C:\\Book");
    FinalOutcome none = note.SaveForGood("A");
    EXPECT_EQ(FinalOutcome::Result::RecoveryCopy, none.result);
    EXPECT_EQ("Xone", store.recovered[none.copyPath]);
    EXPECT_EQ("one", store.files[kA].text);
    EXPECT_FALSE(note.TextChanged());

    // Nowhere at all: said so, and the text stays marked as unsaved.
    Type("Y");
    store.recoveryRefused = true;
    FinalOutcome lost = note.SaveForGood("A");
    EXPECT_EQ(FinalOutcome::Result::Lost, lost.result);
    EXPECT_TRUE(note.TextChanged());
}

TEST_F(OpenNoteTest, LeavingForGoodWritesAConflictCopyWhenOnlyTheNoteItselfFails) {
    shown = "Xone";
    // A store whose note file is refused but whose copy beside it is taken.
    struct OneFileRefused : MemoryStore {
        bool Write(const char* path, const NoteTextWriter& write) override {
            if (std::string(path) == "C:\\Book\\Sub.txt") return false;
            return MemoryStore::Write(path, write);
        }
    } refusing;
    refusing.Put("C:\\Book\\Sub.txt", "one");
    OpenNote other(refusing, [this](void* file) {
        *static_cast<std::string*>(file) = shown;
        return true;
    });
    other.Open("C:\\Book\\Sub.txt");
    other.Loaded(true);
    other.TextEdited();
    FinalOutcome final = other.SaveForGood("Sub");
    EXPECT_EQ(FinalOutcome::Result::ConflictCopy, final.result);
    EXPECT_STREQ("C:\\Book\\Sub (copy).txt", final.copyPath);
    EXPECT_EQ("Xone", refusing.files["C:\\Book\\Sub (copy).txt"].text);
    EXPECT_EQ("one", refusing.files["C:\\Book\\Sub.txt"].text);
}

TEST_F(OpenNoteTest, RenameMovesTheTextAndAClashKeepsTheOldName) {
    store.Put(kA, "a");
    store.Put(kB, "b");
    OpenShown(kA);
    note.NameEdited();
    SaveOutcome clash = note.Save("B");
    EXPECT_TRUE(clash.renameTried);
    EXPECT_EQ(RenameResult::NameExists, clash.rename.result);
    EXPECT_EQ(SaveOutcome::Result::Saved, clash.result);
    EXPECT_STREQ(kA, note.CurrentNote());
    EXPECT_EQ("b", store.files[kB].text);

    note.NameEdited();
    Type("new ");
    SaveOutcome renamed = note.Save("C");
    EXPECT_EQ(RenameResult::Renamed, renamed.rename.result);
    EXPECT_STREQ("C:\\Book\\C.txt", note.CurrentNote());
    EXPECT_EQ(0u, store.files.count(kA));
    EXPECT_EQ("new a", store.files["C:\\Book\\C.txt"].text);
    EXPECT_FALSE(note.Edited());
    // The file as saved by the rename is the note's own: no conflict at the next save.
    Type("more ");
    EXPECT_EQ(SaveOutcome::Result::Saved, note.Save("C").result);
}

TEST_F(OpenNoteTest, TextSavedElsewhereMeanwhileGoesIntoAConflictCopyWhichIsThenOpen) {
    store.Put(kA, "v1");
    OpenShown(kA);
    Type("mine ");
    store.Put(kA, "theirs");
    SaveOutcome outcome = note.Save("A");
    EXPECT_EQ(SaveOutcome::Result::ConflictCopy, outcome.result);
    EXPECT_STREQ(kA, outcome.theirs);
    EXPECT_STREQ("C:\\Book\\A (copy).txt", note.CurrentNote());
    EXPECT_EQ("theirs", store.files[kA].text);
    EXPECT_EQ("mine v1", store.files["C:\\Book\\A (copy).txt"].text);
    Type("more ");
    EXPECT_EQ(SaveOutcome::Result::Saved, note.Save("A (copy)").result);
    EXPECT_EQ("theirs", store.files[kA].text);
}

TEST_F(OpenNoteTest, RenameAloneOfANoteSavedElsewhereTakesTheirTextAlong) {
    store.Put(kA, "v1");
    OpenShown(kA);
    note.NameEdited();
    store.Put(kA, "theirs");
    SaveOutcome outcome = note.Save("C");
    EXPECT_TRUE(outcome.showFileText);
    EXPECT_EQ("theirs", store.files["C:\\Book\\C.txt"].text);
    EXPECT_STREQ("C:\\Book\\C.txt", note.CurrentNote());
}

TEST_F(OpenNoteTest, UnreadableNoteIsLockedNeverWrittenToldOnceAndReadAgainOnTheNextCheck) {
    store.Put(kA, "held by another program");
    note.Open(kA);
    shown = "";
    EXPECT_EQ(OpenNote::Notice::Unreadable, note.Loaded(false));
    EXPECT_TRUE(note.Locked());
    note.TextEdited(); // even a stray change notification
    note.NameEdited();
    EXPECT_EQ(SaveOutcome::Result::Nothing, note.Save("Other").result);
    EXPECT_EQ(FinalOutcome::Result::Saved, note.SaveForGood("Other").result);
    EXPECT_EQ(0, store.writes);
    EXPECT_FALSE(note.Edited());
    // Each check tries the file again; a second failure is not told again.
    EXPECT_EQ(OpenNote::DiskChange::ShowAfresh, note.CheckDisk());
    EXPECT_EQ(OpenNote::Notice::None, note.Loaded(false));
    EXPECT_EQ(OpenNote::DiskChange::ShowAfresh, note.CheckDisk());
    EXPECT_EQ(OpenNote::Notice::None, note.Loaded(true));
    EXPECT_FALSE(note.Locked());
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk());
}

// A note whose file name the ANSI code page cannot spell is opened by its wide file name; its
// ANSI path ("??" for two Japanese letters) may name another file, which nothing may touch.
TEST_F(OpenNoteTest, NoteWithAnUnspellableNameIsToldOnceLockedAndNeverWritten) {
    const char kShownPath[] = "C:\\Book\\??.txt";
    store.Put(kShownPath, "another file");
    note.Open(kShownPath, L"\u65E5\u672C.txt");
    EXPECT_TRUE(note.NameUnspellable());
    EXPECT_EQ(OpenNote::Notice::Unreadable, note.Loaded(false)); // held: that first
    EXPECT_EQ(OpenNote::DiskChange::ShowAfresh, note.CheckDisk());
    EXPECT_EQ(OpenNote::Notice::NameUnspellable, note.Loaded(true));
    EXPECT_TRUE(note.Locked());
    note.TextEdited();
    note.NameEdited();
    EXPECT_FALSE(note.Edited());
    EXPECT_EQ(SaveOutcome::Result::Nothing, note.Save("Renamed").result);
    EXPECT_EQ(FinalOutcome::Result::Saved, note.SaveForGood("Renamed").result);
    store.Put(kShownPath, "changed");
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk()); // the path is not the note's file
    EXPECT_EQ(OpenNote::Notice::None, note.Loaded(true));    // told once
    // Another such note with the same ANSI path is another note, and is told about too.
    note.Open(kShownPath, L"\u4E2D\u56FD.txt");
    EXPECT_EQ(OpenNote::Notice::NameUnspellable, note.Loaded(true));
    note.Open(kShownPath, L"\u65E5\u672C.txt"); // back to the first: already told
    EXPECT_EQ(OpenNote::Notice::None, note.Loaded(true));
    EXPECT_EQ(0, store.writes);
    EXPECT_EQ(1u, store.files.size());
    // A note with a name that can be spelled is written as usual afterwards.
    OpenShown(kA);
    EXPECT_FALSE(note.NameUnspellable());
    EXPECT_FALSE(note.Locked());
    Type("x");
    EXPECT_EQ(SaveOutcome::Result::Saved, note.Save("A").result);
    EXPECT_EQ("x", store.files[kA].text);
}

TEST_F(OpenNoteTest, CheckDiskShowsChangesOfAnUneditedNoteOnly) {
    store.Put(kA, "v1");
    OpenShown(kA);
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk());
    store.Put(kA, "v2");
    EXPECT_EQ(OpenNote::DiskChange::ShowAfresh, note.CheckDisk());
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk());
    store.files[kA].readOnly = true;
    EXPECT_EQ(OpenNote::DiskChange::ReadOnlyChanged, note.CheckDisk());
    EXPECT_TRUE(note.Locked());
    // An edited note waits for its save to decide; a removed file keeps the text shown.
    store.files[kA].readOnly = false;
    note.CheckDisk();
    Type("X");
    store.Put(kA, "v3");
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk());
    OpenShown(kB);
    store.files.erase(kB);
    EXPECT_EQ(OpenNote::DiskChange::None, note.CheckDisk());
}

} // namespace
