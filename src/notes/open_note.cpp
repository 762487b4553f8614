#include "notes/open_note.h"

#include <cstring>
#include <utility>

namespace {

// Copies a path into a path buffer, cut at its size (every path here came from one).
void CopyPath(char* dest, const char* source) {
    size_t length = std::strlen(source);
    if (length > LFile::kMaxPath) length = LFile::kMaxPath;
    std::memmove(dest, source, length);
    dest[length] = '\0';
}

} // namespace

bool operator==(const NoteStamp& a, const NoteStamp& b) {
    return a.exists == b.exists && a.size == b.size && a.written == b.written;
}

OpenNote::OpenNote(NoteStore& store, NoteTextWriter shownText)
    : store_(store), shownText_(std::move(shownText)) {}

bool OpenNote::HasNote() const {
    return currentNote_[0] != '\0' && currentNote_[0] != '-';
}

void OpenNote::GetFolder(char* folder) const {
    folder[0] = '\0';
    if (HasNote()) LFile::_GetFolderFromPath(folder, currentNote_);
}

void OpenNote::Open(const char* path, const std::wstring& fileName) {
    CopyPath(currentNote_, path);
    nameChanged_ = false;
    textChanged_ = false;
    readable_ = true;
    fileName_ = fileName;
    encoding_ = NoteEncoding::Ansi;
    RememberStamp();
}

std::string OpenNote::NoteKey() const {
    std::string key(currentNote_);
    if (NameUnspellable()) {
        key.push_back('\0');
        key.append(reinterpret_cast<const char*>(fileName_.data()),
                   fileName_.size() * sizeof(wchar_t));
    }
    return key;
}

OpenNote::Notice OpenNote::Loaded(bool readable, NoteEncoding encoding) {
    // Loading raised change notifications of its own: they are not the user's.
    nameChanged_ = false;
    textChanged_ = false;
    readable_ = readable || !HasNote();
    encoding_ = encoding;
    const std::string key = NoteKey();
    if (!readable_) {
        if (reportedUnreadable_ == key) return Notice::None;
        reportedUnreadable_ = key;
        return Notice::Unreadable;
    }
    if (reportedUnreadable_ == key) reportedUnreadable_.clear();
    if (!NameUnspellable() || !toldUnspellable_.insert(key).second) return Notice::None;
    return Notice::NameUnspellable;
}

void OpenNote::Forget() {
    CopyPath(currentNote_, "-");
    nameChanged_ = false;
    textChanged_ = false;
    readable_ = true;
    fileName_.clear();
    encoding_ = NoteEncoding::Ansi;
    stamp_ = NoteStamp();
}

void OpenNote::RememberStamp() {
    // The path of a note whose name the ANSI code page cannot spell is no way to its file.
    stamp_ = HasNote() && !NameUnspellable() ? store_.ReadStamp(currentNote_) : NoteStamp();
}

bool OpenNote::ChangedOnDisk() {
    NoteStamp now = store_.ReadStamp(currentNote_);
    return now.exists && now != stamp_;
}

SaveOutcome OpenNote::Failure(SaveOutcome outcome) {
    outcome.result = SaveOutcome::Result::Failed;
    outcome.firstFailure = std::strcmp(reportedSaveFailure_, currentNote_) != 0;
    CopyPath(reportedSaveFailure_, currentNote_);
    return outcome;
}

SaveOutcome OpenNote::Save(const char* typedName) {
    SaveOutcome outcome;
    // A note that could not be read is never written: its file holds text nobody has seen. Nor
    // is one whose file name the ANSI code page cannot spell: its path leads to no file, or to
    // another note's.
    if (!HasNote() || !Writable() || !Edited()) return outcome;
    NoteTextWriter write = shownText_;
    if (ChangedOnDisk()) {
        if (textChanged_) {
            // Someone else saved the note: their file stays, the edited text goes into a copy.
            char copyPath[LFile::kPathSize];
            if (!store_.WriteConflictCopy(currentNote_, shownText_, copyPath))
                return Failure(outcome);
            CopyPath(outcome.theirs, currentNote_);
            CopyPath(currentNote_, copyPath);
            nameChanged_ = false;
            textChanged_ = false;
            RememberStamp();
            reportedSaveFailure_[0] = '\0';
            outcome.result = SaveOutcome::Result::ConflictCopy;
            return outcome;
        }
        // A rename alone takes their text along to the new name.
        write = store_.FileText(currentNote_);
        outcome.showFileText = true;
    }
    if (nameChanged_) {
        nameChanged_ = false;
        outcome.renameTried = true;
        outcome.rename = store_.Rename(currentNote_, typedName, write);
        if (outcome.rename.result != RenameResult::NotRenamed) {
            CopyPath(currentNote_, outcome.rename.path);
            textChanged_ = !outcome.rename.textSaved;
            if (outcome.rename.textSaved) RememberStamp();
        }
    }
    if (textChanged_) {
        textChanged_ = false;
        if (store_.Write(currentNote_, write)) {
            RememberStamp();
        } else {
            textChanged_ = true; // the next save tries again
        }
    }
    if (textChanged_) return Failure(outcome);
    reportedSaveFailure_[0] = '\0';
    outcome.result = SaveOutcome::Result::Saved;
    return outcome;
}

FinalOutcome OpenNote::SaveForGood(const char* typedName) {
    FinalOutcome final;
    final.save = Save(typedName);
    if (final.save.result != SaveOutcome::Result::Failed) return final;
    if (store_.WriteConflictCopy(currentNote_, shownText_, final.copyPath)) {
        final.result = FinalOutcome::Result::ConflictCopy;
    } else if (store_.WriteRecoveryCopy(currentNote_, shownText_, final.copyPath)) {
        final.result = FinalOutcome::Result::RecoveryCopy;
    } else {
        final.copyPath[0] = '\0';
        final.result = FinalOutcome::Result::Lost;
        return final;
    }
    textChanged_ = false;
    return final;
}

OpenNote::DiskChange OpenNote::CheckDisk() {
    if (!HasNote()) return DiskChange::None;
    if (NameUnspellable()) return readable_ ? DiskChange::None : DiskChange::ShowAfresh;
    NoteStamp now = store_.ReadStamp(currentNote_);
    if (!readable_) {
        stamp_ = now;
        return DiskChange::ShowAfresh; // try reading it again
    }
    if (Edited()) return DiskChange::None;
    // A note removed by someone else keeps its text on screen: it may be the only copy left.
    if (!now.exists) return DiskChange::None;
    if (now == stamp_) {
        if (now.readOnly == stamp_.readOnly) return DiskChange::None;
        stamp_.readOnly = now.readOnly;
        return DiskChange::ReadOnlyChanged;
    }
    stamp_ = now;
    return DiskChange::ShowAfresh;
}
