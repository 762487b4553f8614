// The self-installing file: the program's executable, the installed files behind it, and a
// trailer of N sizes, a checksum and a run-mode magic (32-bit little-endian each) at the end.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t INSTALL_MAGIC = 0x0F0FF0F0;   // file ends in F0 F0 0F 0F
constexpr uint32_t UNINSTALL_MAGIC = 0xF0F00F0F; // file ends in 0F 0F F0 F0

// One row of the installed-file table: where a stored file goes, in payload order.
struct InstalledFile {
    const char* folderKey; // null, "ProgramFiles" or "DataFiles": the program folder itself
    const char* fileName;  // null ends the table
};

constexpr int kMaxInstalledFiles = 128;
// The program's table; it ends with a row whose file name is null.
extern const InstalledFile kInstalledFiles[];

// Rows before the end row, at most kMaxInstalledFiles.
int CountInstalledFiles(const InstalledFile* table);

// Writes the row's destination, "<programFolder>\<file>" or "<programFolder>\<key>\<file>", into
// out (260 bytes), cut at 259 characters.
void InstalledFileDestination(const char* programFolder, const InstalledFile& row, char* out);

// Size of the trailer for a table of rowCount rows.
constexpr size_t PayloadTrailerSize(int rowCount) {
    return 4 * static_cast<size_t>(rowCount) + 8;
}

// A trailer that has been checked against the file it came from.
struct PayloadTrailer {
    int rowCount = 0;
    int32_t sizes[kMaxInstalledFiles] = {};
    uint32_t checksum = 0;
    uint32_t magic = 0;
    uint64_t total = 0; // sum of the sizes: the stored files fill bytes 0 .. total-1
};

// Reads the trailer from the last PayloadTrailerSize(rowCount) bytes of a file of fileSize bytes.
// The sizes come from a file that may be truncated or tampered with, so they are only accepted
// when none is negative, the file holds the whole trailer, and the stored files fill exactly the
// bytes before it. Returns false otherwise; nothing may then be extracted.
bool ReadPayloadTrailer(const unsigned char* tail, int rowCount, uint64_t fileSize,
                        PayloadTrailer* out);

// Writes the trailer for these sizes and checksum, ending in INSTALL_MAGIC, into out
// (PayloadTrailerSize(rowCount) bytes).
void WritePayloadTrailer(const int32_t* sizes, int rowCount, uint32_t checksum, unsigned char* out);

// The checksum: the sum modulo 2^32 of every stored byte taken as 0..255.
uint32_t AddToChecksum(uint32_t sum, const unsigned char* bytes, size_t count);

uint32_t ReadLittleEndian32(const unsigned char* bytes);
void WriteLittleEndian32(uint32_t value, unsigned char* bytes);
