// qmark-helpc SOURCE OUTPUT: compiles the help source into a WinHelp 3.1 file.
// Malformed source is reported as "SOURCE:LINE: message" with exit code 1, and OUTPUT is then
// left as it was: the file is written under a temporary name and renamed only when complete.
#include "help_file.h"
#include "help_source.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool ReadText(const char* path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *text = buffer.str();
    return !in.bad();
}

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fclose(out) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qmark-helpc SOURCE OUTPUT\n");
        return 2;
    }
    std::string source;
    if (!ReadText(argv[1], &source)) {
        std::fprintf(stderr, "qmark-helpc: cannot read %s\n", argv[1]);
        return 1;
    }
    helpc::Document document;
    std::string error;
    std::vector<uint8_t> file;
    if (!helpc::ParseHelpSource(source, argv[1], &document, &error) ||
        !helpc::BuildHelpFile(document, &file, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!WriteWhole(argv[2], file)) {
        std::fprintf(stderr, "qmark-helpc: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
