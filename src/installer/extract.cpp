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

// Copies one row; returns false when the user cancelled during it.
bool CopyRow(HANDLE source, HANDLE destination, int32_t size, uint64_t total, uint64_t* done,
             uint32_t* checksum, ExtractProgress& progress) {
    unsigned char buffer[kExtractChunk];
    for (int64_t remaining = size; remaining > 0; remaining -= kExtractChunk) {
        DWORD wanted = remaining < kExtractChunk ? static_cast<DWORD>(remaining) : kExtractChunk;
        DWORD read = 0;
        if (!ReadFile(source, buffer, wanted, &read, nullptr)) read = 0;
        if (read > 0) {
            *checksum -= AddToChecksum(0, buffer, read);
            if (destination != INVALID_HANDLE_VALUE) {
                DWORD written = 0;
                WriteFile(destination, buffer, read, &written, nullptr);
            }
            *done += read;
            progress.ShowProgress(static_cast<double>(*done) / static_cast<double>(total));
        }
        if (progress.Cancelled()) return false;
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
    for (int row = 0; row < rowCount && !cancelled; ++row) {
        if (trailer.sizes[row] <= 0) continue;
        progress.ShowFileName(table[row].fileName);
        char path[LFile::kPathSize];
        InstalledFileDestination(programFolder, table[row], path);
        HANDLE destination = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
        cancelled = !CopyRow(source, destination, trailer.sizes[row], trailer.total, &done,
                             &checksum, progress);
        if (destination != INVALID_HANDLE_VALUE) CloseHandle(destination);
    }
    CloseHandle(source);
    if (cancelled || progress.Cancelled()) return ExtractResult::Cancelled;
    return checksum == 0 ? ExtractResult::Done : ExtractResult::Corrupt;
}
