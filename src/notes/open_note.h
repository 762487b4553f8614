// OpenNote: the note shown in the main window's editor pane and the rules that keep what the
// user typed. It knows which file is open, what was edited (name, text), whether the file could
// be read, and how the file looked when it was loaded or last saved; it saves, renames, makes
// conflict copies and tells when the file should be shown afresh. It has no window: the text
// itself is the editor's, reached through the writer it is given, and the files are the
// store's. Nothing here ever writes over a note it could not read, and text that could not be
// saved stays marked as edited until a save or a copy of it succeeds.
#pragma once

#include "notes/note_encoding.h"
#include "notes/note_store.h"
#include "platform/lfile.h"

#include <set>
#include <string>

// What a save did, for the window to show.
struct SaveOutcome {
    enum class Result {
        Nothing,      // nothing was edited, or nothing is open
        Saved,        // every edit is on disk
        Failed,       // some edit could not be written; it stays pending
        ConflictCopy, // someone else saved the note meanwhile: the text went into a conflict
                      // copy, which is now the open note
    };
    Result result = Result::Nothing;
    RenameOutcome rename;     // result NotRenamed when no rename was tried
    bool renameTried = false;
    // The file's text took the place of the shown one (a rename alone of a note that someone
    // else saved meanwhile moves their text along): the window shows the file afresh.
    bool showFileText = false;
    // A failure the user has not been told about for this note yet.
    bool firstFailure = false;
    char theirs[LFile::kPathSize] = ""; // ConflictCopy: the note whose file is someone else's
};

// What became of the text when the note was left for good (the program ends).
struct FinalOutcome {
    enum class Result {
        Saved,         // in the note's own file (or nothing needed saving)
        ConflictCopy,  // the note could not be saved: the text is in a copy beside it
        RecoveryCopy,  // not even beside it: the text is in a file in the user's own folder
        Lost,          // no file at all could be written
    };
    Result result = Result::Saved;
    SaveOutcome save;
    char copyPath[LFile::kPathSize] = "";
};

class OpenNote {
  public:
    // shownText writes the text the editor shows.
    OpenNote(NoteStore& store, NoteTextWriter shownText);

    // The open note's file: "-" before anything was opened and after its file was deleted, ""
    // when no note is selected.
    const char* CurrentNote() const { return currentNote_; }
    // A note file is open.
    bool HasNote() const;
    bool NameChanged() const { return nameChanged_; }
    bool TextChanged() const { return textChanged_; }
    bool Edited() const { return nameChanged_ || textChanged_; }
    // The file's text was read whole; an unreadable note is shown but never written.
    bool Readable() const { return readable_; }
    // The ANSI code page cannot spell the open note's file name: the note is shown, read through
    // FileName(), and never written, renamed or deleted.
    bool NameUnspellable() const { return !fileName_.empty(); }
    // The file name of such a note; empty for every other note.
    const std::wstring& FileName() const { return fileName_; }
    // The open note cannot be changed: its file is read-only, could not be read, or has a name
    // the ANSI code page cannot spell.
    bool Locked() const { return stamp_.readOnly || !Writable(); }
    // The note's file was read-only when last looked at.
    bool ReadOnlyOnDisk() const { return stamp_.readOnly; }
    // The folder of the open note into folder (260 bytes); "" when no note is open.
    void GetFolder(char* folder) const;

    // Opens path ("" for no note): nothing is edited. Call before the text is loaded, so that a
    // change made meanwhile counts as someone else's.
    // fileName is empty, unless the ANSI code page cannot spell the note's file name: then path
    // is made of its name as the ANSI functions show it ("?" for what they cannot spell) and
    // fileName is the file's name. Such a path names no file, or another one, so nothing is ever
    // written through it.
    void Open(const char* path, const std::wstring& fileName = std::wstring());

    // What the user should be told about a note just loaded (once for each note).
    enum class Notice {
        None,
        Unreadable,      // it could not be read: shown read only until it can be
        NameUnspellable, // its file name cannot be spelled: shown read only
    };
    // After the text was loaded: whether the file could be read whole, and the encoding its bytes
    // are in.
    Notice Loaded(bool readable, NoteEncoding encoding = NoteEncoding::Ansi);
    // The encoding the note is saved in: the one it was read in, until a save needs another.
    NoteEncoding Encoding() const { return encoding_; }
    void SetEncoding(NoteEncoding encoding) { encoding_ = encoding; }
    // Nothing is open any more ("-"): the note's file was deleted, and its edits with it.
    void Forget();
    // An edit of the text or the name; none counts on a note that cannot be written.
    void TextEdited() { textChanged_ = Writable(); }
    void NameEdited() { nameChanged_ = Writable(); }

    // Saves a pending rename (to typedName, the name field's text) and the text.
    SaveOutcome Save(const char* typedName);
    // Saves for the last time; text that cannot be saved goes into a conflict copy beside the
    // note or, when the folder takes no file, into a recovery copy, so that it never ends in
    // memory only.
    FinalOutcome SaveForGood(const char* typedName);

    enum class DiskChange {
        None,            // the file is as it was
        ReadOnlyChanged, // only its read-only flag changed: the editor's lock follows it
        ShowAfresh,      // load the file again: someone else changed an unedited note, or the
                         // note could not be read before
    };
    // Compares the file with how it was loaded or last saved; for an edited note nothing changes
    // here (the next save decides). A file removed elsewhere keeps its text on screen.
    DiskChange CheckDisk();

  private:
    bool Writable() const { return readable_ && fileName_.empty(); }
    // What tells the open note apart from every other: its path, and the file name when the
    // ANSI code page cannot spell it (two such notes may have the same path).
    std::string NoteKey() const;
    void RememberStamp();
    bool ChangedOnDisk();
    SaveOutcome Failure(SaveOutcome outcome);

    NoteStore& store_;
    NoteTextWriter shownText_;
    char currentNote_[LFile::kPathSize] = "-";
    bool nameChanged_ = false;
    bool textChanged_ = false;
    bool readable_ = true;
    std::wstring fileName_; // see FileName()
    NoteEncoding encoding_ = NoteEncoding::Ansi;
    NoteStamp stamp_; // the file as last loaded or saved
    // The note whose failed save, or failed read, the user was told about.
    char reportedSaveFailure_[LFile::kPathSize] = "";
    // The note last told to be unreadable, and those told to have names that cannot be spelled
    // (NoteKey each).
    std::string reportedUnreadable_;
    std::set<std::string> toldUnspellable_;
};
