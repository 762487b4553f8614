// qmark-pack OUTPUT FILE...: writes the self-installing file. The FILEs are the installed files in
// the order of the program's installed-file table, the first being qmark.exe itself; "-" stands
// for a row without a file (stored with size 0, so the installer creates nothing for it).
#include "installer/payload.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool CopyInto(FILE* out, const char* path, int32_t* size, uint32_t* checksum) {
    FILE* in = std::fopen(path, "rb");
    if (in == nullptr) {
        std::fprintf(stderr, "qmark-pack: cannot open %s\n", path);
        return false;
    }
    unsigned char buffer[65536];
    uint64_t total = 0;
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        *checksum = AddToChecksum(*checksum, buffer, count);
        total += count;
        if (std::fwrite(buffer, 1, count, out) != count) {
            std::fclose(in);
            std::fprintf(stderr, "qmark-pack: cannot write\n");
            return false;
        }
    }
    bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || total > 0x7FFFFFFF) {
        std::fprintf(stderr, "qmark-pack: %s is unreadable or too large\n", path);
        return false;
    }
    *size = static_cast<int32_t>(total);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int rows = CountInstalledFiles(kInstalledFiles);
    if (argc != rows + 2) {
        std::fprintf(stderr, "usage: qmark-pack OUTPUT");
        for (int i = 0; i < rows; ++i)
            std::fprintf(stderr, " %s|-", kInstalledFiles[i].fileName);
        std::fprintf(stderr, "\n");
        return 2;
    }
    FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "qmark-pack: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<int32_t> sizes(rows, 0);
    uint32_t checksum = 0;
    bool ok = true;
    for (int i = 0; i < rows && ok; ++i) {
        const char* path = argv[i + 2];
        if (std::strcmp(path, "-") != 0) ok = CopyInto(out, path, &sizes[i], &checksum);
    }
    std::vector<unsigned char> trailer(PayloadTrailerSize(rows));
    WritePayloadTrailer(sizes.data(), rows, checksum, trailer.data());
    ok = ok && std::fwrite(trailer.data(), 1, trailer.size(), out) == trailer.size();
    ok = std::fclose(out) == 0 && ok;
    if (!ok) {
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
