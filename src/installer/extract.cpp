#include "installer/extract.h"

#include "platform/handles.h"
#include "platform/lfile.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

bool ReadTrailer(HANDLE file, int rowCount, PayloadTrailer* trailer) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return false;
    const size_t length = PayloadTrailerSize(rowCount);
    if (static_cast<uint64_t>(size.QuadPart) < length) return false;
    LARGE_INTEGER tailStart;
    tailStart.QuadPart = size.QuadPart - static_cast<LONGLONG>(length);
    std::vector<unsigned char> tail(length);
    DWORD read = 0;
    if (!SetFilePointerEx(file, tailStart, nullptr, FILE_BEGIN) ||
        !ReadFile(file, tail.data(), static_cast<DWORD>(length), &read, nullptr) || read != length)
        return false;
    LARGE_INTEGER start = {};
    return ReadPayloadTrailer(tail.data(), rowCount, static_cast<uint64_t>(size.QuadPart),
                              trailer) &&
           SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
}

// The bytes read and written at a time. Progress and the cancel check still come every
// kExtractChunk bytes; a ReadFile and a WriteFile for each 4,096 bytes cost a quarter of a
// second per 64 MB under Wine, where a copy in large blocks takes a tenth.
constexpr DWORD kCopyBlock = 1 << 20;

enum class RowResult { Copied, Cancelled, WriteFailed };

// Copies one row through block. A cancel comes after the chunk during which it was asked for.
RowResult CopyRow(HANDLE source, HANDLE destination, int32_t size, uint64_t total, uint64_t* done,
                  uint32_t* checksum, ExtractProgress& progress, std::vector<unsigned char>& block) {
    for (int64_t remaining = size; remaining > 0;) {
        DWORD wanted = remaining < kCopyBlock ? static_cast<DWORD>(remaining) : kCopyBlock;
        DWORD read = 0;
        if (!ReadFile(source, block.data(), wanted, &read, nullptr) || read == 0)
            return progress.Cancelled() ? RowResult::Cancelled
                                        : RowResult::Copied; // cut short: the checksum tells
        DWORD taken = 0;
        bool cancelled = false;
        while (taken < read && !cancelled) {
            DWORD chunk = read - taken < kExtractChunk ? read - taken : kExtractChunk;
            *checksum -= AddToChecksum(0, block.data() + taken, chunk);
            taken += chunk;
            *done += chunk;
            progress.ShowProgress(static_cast<double>(*done) / static_cast<double>(total));
            cancelled = progress.Cancelled();
        }
        if (cancelled) return RowResult::Cancelled;
        DWORD written = 0;
        if (!WriteFile(destination, block.data(), taken, &written, nullptr) || written != taken)
            return RowResult::WriteFailed;
        remaining -= read;
    }
    return RowResult::Copied;
}

// The destinations of the rows that hold bytes and the temporary names they are written under.
// Temporary files not moved into place are removed when this goes.
class RowFiles {
  public:
    RowFiles(const char* programFolder, const InstalledFile* table, const PayloadTrailer& trailer)
        : rows_(trailer.rowCount) {
        for (int row = 0; row < trailer.rowCount; ++row) {
            if (trailer.sizes[row] <= 0) continue;
            char path[LFile::kPathSize];
            InstalledFileDestination(programFolder, table[row], path);
            rows_[row].destination = path;
            rows_[row].temporary = rows_[row].destination + ".new";
        }
    }
    ~RowFiles() {
        for (const Row& row : rows_)
            if (row.written) DeleteFileA(row.temporary.c_str());
    }
    RowFiles(const RowFiles&) = delete;
    RowFiles& operator=(const RowFiles&) = delete;

    bool HasBytes(int row) const { return !rows_[row].destination.empty(); }
    const char* Destination(int row) const { return rows_[row].destination.c_str(); }

    // The first row whose destination exists but cannot be opened for writing, or -1.
    int FirstUnwritable() const {
        for (size_t row = 0; row < rows_.size(); ++row) {
            if (!HasBytes(static_cast<int>(row))) continue;
            const char* path = rows_[row].destination.c_str();
            if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) continue;
            CHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file.valid()) return static_cast<int>(row);
        }
        return -1;
    }
    // Creates the row's temporary file, replacing an earlier one.
    CHandle CreateTemporary(int row) {
        CHandle file(CreateFileA(rows_[row].temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        rows_[row].written = file.valid();
        return file;
    }
    // Moves every temporary file over its destination; the first row that could not be moved,
    // or -1.
    int Commit() {
        for (size_t row = 0; row < rows_.size(); ++row) {
            if (!rows_[row].written) continue;
            if (!MoveFileExA(rows_[row].temporary.c_str(), rows_[row].destination.c_str(),
                             MOVEFILE_REPLACE_EXISTING))
                return static_cast<int>(row);
            rows_[row].written = false;
        }
        return -1;
    }

  private:
    struct Row {
        std::string destination, temporary;
        bool written = false;
    };
    std::vector<Row> rows_;
};

ExtractResult WriteFailed(const char* destination, char* failedFile) {
    if (failedFile != nullptr) lstrcpynA(failedFile, destination, LFile::kPathSize);
    return ExtractResult::WriteFailed;
}

} // namespace

ExtractResult ExtractPayload(const char* ownPath, const char* programFolder,
                             const InstalledFile* table, ExtractProgress& progress,
                             char* failedFile) {
    const int rowCount = CountInstalledFiles(table);
    CHandle source(CreateFileA(ownPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source.valid()) return ExtractResult::Unreadable;
    PayloadTrailer trailer;
    if (!ReadTrailer(source.get(), rowCount, &trailer)) return ExtractResult::Corrupt;
    RowFiles files(programFolder, table, trailer);
    const int unwritable = files.FirstUnwritable();
    if (unwritable >= 0) return WriteFailed(files.Destination(unwritable), failedFile);

    uint32_t checksum = trailer.checksum;
    uint64_t done = 0;
    std::vector<unsigned char> block(kCopyBlock);
    for (int row = 0; row < rowCount; ++row) {
        if (!files.HasBytes(row)) continue;
        progress.ShowFileName(table[row].fileName);
        CHandle destination = files.CreateTemporary(row);
        if (!destination.valid()) return WriteFailed(files.Destination(row), failedFile);
        switch (CopyRow(source.get(), destination.get(), trailer.sizes[row], trailer.total, &done,
                        &checksum, progress, block)) {
        case RowResult::Copied:
            break;
        case RowResult::Cancelled:
            return ExtractResult::Cancelled;
        case RowResult::WriteFailed:
            return WriteFailed(files.Destination(row), failedFile);
        }
    }
    source.Reset();
    if (progress.Cancelled()) return ExtractResult::Cancelled;
    if (checksum != 0) return ExtractResult::Corrupt;
    const int unmoved = files.Commit();
    if (unmoved >= 0) return WriteFailed(files.Destination(unmoved), failedFile);
    return ExtractResult::Done;
}
