#include "notes/note_files.h"

#include "notes/note_codec.h"
#include "notes/note_names.h"
#include "platform/handles.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <memory>

namespace {

bool WriteAll(HANDLE file, const char* bytes, size_t length) {
    while (length > 0) {
        DWORD chunk = length > 0x10000 ? 0x10000 : static_cast<DWORD>(length);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        length -= written;
    }
    return true;
}

RenameOutcome KeepOldName(RenameOutcome outcome, RenameResult result, const char* oldPath,
                          const NoteTextWriter& write) {
    outcome.result = result;
    lstrcpynA(outcome.path, oldPath, sizeof outcome.path);
    outcome.textSaved = WriteNoteFile(oldPath, write);
    return outcome;
}

// Moves a file to a new name. A change of letter case only goes through a temporary name,
// since some file systems take a case-only move as a move onto itself and keep the old case.
bool MoveNoteFile(const char* from, const char* to, bool caseOnly) {
    if (!caseOnly) return MoveFileA(from, to) != FALSE;
    char folder[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, from);
    for (int i = 0; i < 100; ++i) {
        char temporary[LFile::kPathSize];
        char name[16];
        wsprintfA(name, "~qm%d", i);
        if (!BuildNotePath(folder, name, temporary)) break;
        if (MoveFileA(from, temporary)) {
            if (MoveFileA(temporary, to)) return true;
            MoveFileA(temporary, from);
            return false;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return MoveFileA(from, to) != FALSE;
}

// A new file "~qmsave<n>.tmp" in folder, for a save to be written into before it replaces the
// note; its extension keeps it out of the note list. INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateSaveFile(const char* folder, char* path) {
    for (unsigned n = GetTickCount() % 10000, tries = 0; tries < 100; ++n, ++tries) {
        char name[32];
        wsprintfA(name, "~qmsave%u.tmp", n);
        lstrcpynA(path, folder, LFile::kPathSize);
        LFile::FilePathCat(path, name);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Writes the note file itself: for a folder where the note may be changed but no file created.
bool WriteInPlace(const char* path, const NoteTextWriter& write) {
    CHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    if (!file.valid()) return false;
    // A device name (CON, NUL, ...) opens the device: the text would go nowhere.
    bool written = GetFileType(file.get()) == FILE_TYPE_DISK && write(file.get());
    return file.Close() && written;
}

} // namespace

namespace {

// A found file's name as the ANSI functions show it, into name (260 bytes), with "?" for each
// character the ANSI code page cannot hold (never a look-alike, which could name another note).
// spelled tells whether the name leads back to the file. False when it does not fit.
bool AnsiFileName(const wchar_t* fileName, char* name, bool* spelled) {
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, fileName, -1, name, LFile::kPathSize,
                            "?", &usedDefault) <= 0)
        return false;
    *spelled = !usedDefault && WideFromAnsi(name) == fileName;
    return true;
}

} // namespace

std::vector<NoteFile> ListNoteFiles(const char* folder) {
    std::vector<NoteFile> notes;
    if (folder[0] == '\0') // a book without a folder has no notes (not those of the current folder)
        return notes;
    char pattern[LFile::kPathSize];
    lstrcpynA(pattern, folder, sizeof pattern);
    LFile::FilePathCat(pattern, "*.txt");
    // The wide functions, so that a name the ANSI code page cannot spell is told apart.
    WIN32_FIND_DATAW found;
    CFindHandle search(WideFromAnsi(pattern).c_str(), &found);
    if (!search.valid()) return notes;
    do {
        char fileName[LFile::kPathSize];
        char name[LFile::kPathSize];
        char path[LFile::kPathSize];
        bool spelled = true;
        // A file whose path would be cut could be neither opened nor saved as that note.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            AnsiFileName(found.cFileName, fileName, &spelled) &&
            NoteNameFromFileName(fileName, name) && BuildNotePath(folder, name, path))
            notes.push_back({name, spelled ? std::wstring() : std::wstring(found.cFileName)});
    } while (search.Next(&found));
    return notes;
}

std::vector<std::string> ListNotes(const char* folder) {
    std::vector<std::string> names;
    for (NoteFile& note : ListNoteFiles(folder)) names.push_back(std::move(note.name));
    return names;
}

void DeleteNotes(const char* folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        char path[LFile::kPathSize];
        if (BuildNotePath(folder, name.c_str(), path)) DeleteFileA(path);
    }
}

namespace {

// Writes the text into a file beside path and moves it to path only once it is written whole, so
// a failure or a crash while writing leaves the previous text on disk. The move replaces an
// existing file only with replace. noSideFile is set when no file could be made beside path.
bool WriteBeside(const char* path, const NoteTextWriter& write, bool replace, bool* noSideFile) {
    char folder[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, path);
    char temporary[LFile::kPathSize];
    CHandle file(CreateSaveFile(folder, temporary));
    // A book folder someone removed while its note was open is made again for the note's text.
    if (!file.valid() && GetLastError() == ERROR_PATH_NOT_FOUND &&
        CreateDirectoryA(folder, nullptr))
        file.Reset(CreateSaveFile(folder, temporary));
    *noSideFile = !file.valid();
    if (*noSideFile) return false;
    bool written = write(file.get()) && FlushFileBuffers(file.get());
    file.Close();
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (written && MoveFileExA(temporary, path, flags)) return true;
    DeleteFileA(temporary);
    return false;
}

} // namespace

bool WriteNoteFile(const char* path, const NoteTextWriter& write) {
    bool noSideFile = false;
    if (WriteBeside(path, write, true, &noSideFile)) return true;
    return noSideFile && WriteInPlace(path, write);
}

bool WriteNoteBytes(void* file, const std::string& bytes) {
    return WriteAll(file, bytes.data(), bytes.size());
}

bool SaveNoteText(const char* path, const char* text, size_t length) {
    return WriteNoteFile(path, [&](void* file) { return WriteAll(file, text, length); });
}

RenameOutcome RenameNote(const char* oldPath, const char* typedName, const NoteTextWriter& write) {
    RenameOutcome outcome;
    lstrcpynA(outcome.path, oldPath, sizeof outcome.path);
    if (!CleanNoteName(typedName, outcome.name)) return outcome;

    char folder[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, oldPath);
    char newPath[LFile::kPathSize];
    // A name the file system cannot take, or a path it would have to cut, keeps the old file.
    if (!BuildNotePath(folder, outcome.name, newPath) || IsReservedDeviceName(outcome.name))
        return KeepOldName(outcome, RenameResult::Failed, oldPath, write);

    // The old file itself does not count as "another note": the same name in other letter
    // case, or the same name again, renames.
    const bool sameFile = lstrcmpiA(oldPath, newPath) == 0;
    if (!sameFile && LFile::FileExists(newPath))
        return KeepOldName(outcome, RenameResult::NameExists, oldPath, write);

    bool moved = false;
    if (std::strcmp(oldPath, newPath) != 0 && LFile::FileExists(oldPath)) {
        if (!MoveNoteFile(oldPath, newPath, sameFile)) {
            DWORD error = GetLastError();
            bool exists = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
            return KeepOldName(outcome, exists ? RenameResult::NameExists : RenameResult::Failed,
                               oldPath, write);
        }
        moved = true;
    }
    if (WriteNoteFile(newPath, write)) {
        outcome.result = RenameResult::Renamed;
        outcome.textSaved = true;
        std::strcpy(outcome.path, newPath);
        return outcome;
    }
    // The new file took no text: put the file back under its old name and write the text there.
    if (moved)
        MoveFileA(newPath, oldPath);
    else if (!sameFile)
        DeleteFileA(newPath);
    return KeepOldName(outcome, RenameResult::Failed, oldPath, write);
}

NoteStamp ReadNoteStamp(const char* path) {
    NoteStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return stamp;
    stamp.exists = true;
    stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    stamp.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    return stamp;
}

namespace {

// Writes a new copy of the note named name into folder under its conflict-copy name, never
// replacing a file.
bool WriteCopyInto(const char* folder, const char* name, const NoteTextWriter& write,
                   char* copyPath) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ConflictTime when = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
    for (int attempt = 1; attempt < 100; ++attempt) {
        char copyName[LFile::kPathSize];
        if (!ConflictCopyName(folder, name, when, attempt, copyName) ||
            !BuildNotePath(folder, copyName, copyPath))
            return false;
        if (LFile::FileExists(copyPath)) continue;
        bool noSideFile = false;
        if (WriteBeside(copyPath, write, false, &noSideFile)) return true;
        // Only a copy that appeared meanwhile is worth another name.
        if (noSideFile || !LFile::FileExists(copyPath)) return false;
    }
    return false;
}

HANDLE OpenForReading(const char* path) {
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

bool WriteConflictCopy(const char* path, const NoteTextWriter& write, char* copyPath) {
    char folder[LFile::kPathSize];
    char name[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, path);
    LFile::_GetFileTitleFromPath(name, path);
    return WriteCopyInto(folder, name, write, copyPath);
}

namespace {

bool ReadWhole(HANDLE handle, std::string* bytes) {
    bytes->clear();
    CHandle file(handle);
    if (!file.valid()) return false;
    LARGE_INTEGER size = {};
    bool read = GetFileSizeEx(file.get(), &size) != FALSE;
    if (read && size.QuadPart > 0) {
        // The size is a hint: a file that grows or shrinks meanwhile is still read to its end.
        bytes->reserve(static_cast<size_t>(size.QuadPart));
        std::string block(0x10000, '\0');
        DWORD got = 0;
        while ((read = ReadFile(file.get(), &block[0], static_cast<DWORD>(block.size()), &got,
                                nullptr) != FALSE) &&
               got > 0)
            bytes->append(block.data(), got);
    }
    if (!read) bytes->clear();
    return read;
}

} // namespace

bool ReadNoteBytes(const char* path, std::string* bytes) {
    return ReadWhole(OpenForReading(path), bytes);
}

bool ReadListedNote(const char* folder, const std::vector<std::string>& names,
                    const std::vector<std::wstring>& fileNames, size_t i, std::string* bytes) {
    char path[LFile::kPathSize];
    if (!BuildNotePath(folder, names[i].c_str(), path)) {
        bytes->clear();
        return false;
    }
    return ReadNoteFileBytes(path, i < fileNames.size() ? fileNames[i] : std::wstring(), bytes);
}

std::wstring WideNotePath(const char* path, const std::wstring& fileName) {
    if (fileName.empty()) return WideFromAnsi(path);
    char folder[LFile::kPathSize];
    LFile::_GetFolderFromPath(folder, path);
    std::wstring widePath = WideFromAnsi(folder);
    if (!widePath.empty() && widePath.back() != L'\\' && widePath.back() != L'/') widePath += L'\\';
    return widePath + fileName;
}

bool ReadNoteFileBytes(const char* path, const std::wstring& fileName, std::string* bytes) {
    if (fileName.empty()) return ReadNoteBytes(path, bytes);
    return ReadWhole(CreateFileW(WideNotePath(path, fileName).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                     bytes);
}

bool DiskNoteStore::WriteRecoveryCopy(const char* path, const NoteTextWriter& write,
                                      char* copyPath) {
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder)))
        return false;
    char recovered[LFile::kPathSize];
    lstrcpynA(recovered, folder, sizeof recovered);
    LFile::FilePathCat(recovered, "Quillmark");
    CreateDirectoryA(recovered, nullptr);
    LFile::FilePathCat(recovered, "Recovered Notes");
    CreateDirectoryA(recovered, nullptr);
    char name[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(name, path);
    return WriteCopyInto(recovered, name, write, copyPath);
}

NoteTextWriter DiskNoteStore::FileText(const char* path) {
    // Read now: a rename moves the file before the text is written under the new name.
    auto bytes = std::make_shared<std::string>();
    const bool read = ReadNoteBytes(path, bytes.get());
    return [bytes, read](void* file) {
        return read && WriteAll(static_cast<HANDLE>(file), bytes->data(), bytes->size());
    };
}
