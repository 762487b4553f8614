#include "installer/extract.h"

#include "platform/lfile.h"

#include <windows.h>

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

// Copies one row through block; returns false when the user cancelled during it. A cancel
// writes the row up to the chunk after which it came.
bool CopyRow(HANDLE source, HANDLE destination, int32_t size, uint64_t total, uint64_t* done,
             uint32_t* checksum, ExtractProgress& progress, std::vector<unsigned char>& block) {
    for (int64_t remaining = size; remaining > 0;) {
        DWORD wanted = remaining < kCopyBlock ? static_cast<DWORD>(remaining) : kCopyBlock;
        DWORD read = 0;
        if (!ReadFile(source, block.data(), wanted, &read, nullptr) || read == 0)
            return !progress.Cancelled(); // cut short: the checksum tells
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
        if (destination != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(destination, block.data(), taken, &written, nullptr);
        }
        if (cancelled) return false;
        remaining -= read;
    }
    return true;
}

} // namespace

ExtractResult ExtractPayload(const char* ownPath, const char* programFolder,
                             const InstalledFile* table, ExtractProgress& progress) {
    const int rowCount = CountInstalledFiles(table);
    HANDLE source = CreateFileA(ownPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE) return ExtractResult::Unreadable;
    PayloadTrailer trailer;
    if (!ReadTrailer(source, rowCount, &trailer)) {
        CloseHandle(source);
        return ExtractResult::Corrupt;
    }
    uint32_t checksum = trailer.checksum;
    uint64_t done = 0;
    bool cancelled = false;
    std::vector<unsigned char> block(kCopyBlock);
    for (int row = 0; row < rowCount && !cancelled; ++row) {
        if (trailer.sizes[row] <= 0) continue;
        progress.ShowFileName(table[row].fileName);
        char path[LFile::kPathSize];
        InstalledFileDestination(programFolder, table[row], path);
        HANDLE destination = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
        cancelled = !CopyRow(source, destination, trailer.sizes[row], trailer.total, &done,
                             &checksum, progress, block);
        if (destination != INVALID_HANDLE_VALUE) CloseHandle(destination);
    }
    CloseHandle(source);
    if (cancelled || progress.Cancelled()) return ExtractResult::Cancelled;
    return checksum == 0 ? ExtractResult::Done : ExtractResult::Corrupt;
}
