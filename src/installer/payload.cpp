#include "installer/payload.h"

#include "platform/lfile.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

const InstalledFile kInstalledFiles[] = {
    {nullptr, "qmark.exe"},
    {nullptr, "qmark.hlp"},
    {"PhoneBook", "template._txt"},
    {"PhoneBook", "Velmora.txt"},
    {"Useful Web Links", "Software Links.txt"},
    {nullptr, nullptr},
};

int CountInstalledFiles(const InstalledFile* table) {
    int count = 0;
    while (count < kMaxInstalledFiles && table[count].fileName != nullptr)
        ++count;
    return count;
}

void InstalledFileDestination(const char* programFolder, const InstalledFile& row, char* out) {
    const char* key = row.folderKey;
    bool inProgramFolder =
        key == nullptr || strcasecmp(key, "ProgramFiles") == 0 || strcasecmp(key, "DataFiles") == 0;
    if (inProgramFolder)
        std::snprintf(out, LFile::kPathSize, "%s\\%s", programFolder, row.fileName);
    else
        std::snprintf(out, LFile::kPathSize, "%s\\%s\\%s", programFolder, key, row.fileName);
}

uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian32(uint32_t value, unsigned char* bytes) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

bool ReadPayloadTrailer(const unsigned char* tail, int rowCount, uint64_t fileSize,
                        PayloadTrailer* out) {
    if (rowCount < 0 || rowCount > kMaxInstalledFiles || fileSize < PayloadTrailerSize(rowCount))
        return false;
    out->rowCount = rowCount;
    out->total = 0;
    for (int i = 0; i < rowCount; ++i) {
        out->sizes[i] = static_cast<int32_t>(ReadLittleEndian32(tail + 4 * i));
        if (out->sizes[i] < 0) return false;
        out->total += static_cast<uint64_t>(out->sizes[i]);
    }
    out->checksum = ReadLittleEndian32(tail + 4 * rowCount);
    out->magic = ReadLittleEndian32(tail + 4 * rowCount + 4);
    return out->total == fileSize - PayloadTrailerSize(rowCount);
}

void WritePayloadTrailer(const int32_t* sizes, int rowCount, uint32_t checksum,
                         unsigned char* out) {
    for (int i = 0; i < rowCount; ++i)
        WriteLittleEndian32(static_cast<uint32_t>(sizes[i]), out + 4 * i);
    WriteLittleEndian32(checksum, out + 4 * rowCount);
    WriteLittleEndian32(INSTALL_MAGIC, out + 4 * rowCount + 4);
}

uint32_t AddToChecksum(uint32_t sum, const unsigned char* bytes, size_t count) {
    // Eight bytes at a time: the bytes of each word go into four 16-bit lanes, which cannot
    // overflow within 128 words (128 x 2 x 255 < 65,536); after each run the lanes are folded
    // into sum. A byte at a time took half the time of extracting a 64 MB payload.
    const uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;
    size_t i = 0;
    while (count - i >= 8) {
        uint64_t lanes = 0;
        for (int run = 0; run < 128 && count - i >= 8; ++run, i += 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            lanes += (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
        }
        lanes = (lanes & 0x0000FFFF0000FFFFull) + ((lanes >> 16) & 0x0000FFFF0000FFFFull);
        sum += static_cast<uint32_t>((lanes & 0xFFFFFFFFull) + (lanes >> 32));
    }
    for (; i < count; ++i)
        sum += bytes[i];
    return sum;
}
