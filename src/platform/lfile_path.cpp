// Path arithmetic of LFile. Every destination is a 260-byte buffer; results that are built
// stay at 259 characters or fewer, whatever the length of the inputs.
#include "platform/lfile.h"

#include <cstring>

void LFile::_GetFolderFromPath(char* dest, const char* path) {
    size_t lastSeparator = 0;
    size_t i = 0;
    for (; i < kPathSize && path[i] != '\0'; ++i) {
        dest[i] = path[i];
        if (IsSeparator(path[i])) lastSeparator = i;
    }
    if (i < kPathSize) dest[i] = '\0';
    // No separator, or only one in the first position: the folder part is empty.
    dest[lastSeparator] = '\0';
}

void LFile::_GetFileFromPath(char* dest, const char* path) {
    size_t length = 0;
    for (const char* p = path; *p != '\0' && length < kMaxPath; ++p) {
        if (IsSeparator(*p))
            length = 0;
        else
            dest[length++] = *p;
    }
    dest[length] = '\0';
}

void LFile::_GetFileTitleFromPath(char* dest, const char* path) {
    _GetFileFromPath(dest, path);
    char* dot = std::strrchr(dest, '.');
    if (dot != nullptr && dot != dest) *dot = '\0';
}

static void AppendBounded(char* dest, size_t length, const char* text) {
    while (length < LFile::kMaxPath && *text != '\0')
        dest[length++] = *text++;
    dest[length] = '\0';
}

void LFile::FilePathCat(char* dest, const char* name) {
    size_t length = strnlen(dest, kPathSize);
    if (length >= kMaxPath) return;
    if (length > 0 && !IsSeparator(dest[length - 1])) {
        dest[length++] = '\\';
        dest[length] = '\0';
    }
    AppendBounded(dest, length, name);
}

void LFile::FilePathCatExt(char* dest, const char* name, const char* ext) {
    FilePathCat(dest, name);
    size_t length = strnlen(dest, kPathSize);
    if (length >= kMaxPath) return;
    AppendBounded(dest, length, ext);
}

bool LFile::StripFileNameChars(const char* src, char* dest) {
    static const char kRefused[] = "\"*./:<>\\|";
    char* out = dest;
    for (; *src != '\0'; ++src) {
        if (std::strchr(kRefused, *src) == nullptr) *out++ = *src;
    }
    *out = '\0';
    return out != dest;
}

namespace {

// True when the part of path from start to the next separator is "." or "..".
bool IsDotPart(const char* start) {
    size_t length = 0;
    while (start[length] != '\0' && !LFile::IsSeparator(start[length]))
        ++length;
    return (length == 1 && start[0] == '.') || (length == 2 && start[0] == '.' && start[1] == '.');
}

char FoldedChar(char c) {
    if (LFile::IsSeparator(c)) return '\\';
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool LFile::IsInsideFolder(const char* path, const char* folder) {
    size_t folderLength = std::strlen(folder);
    while (folderLength > 0 && IsSeparator(folder[folderLength - 1]))
        --folderLength;
    if (folderLength == 0) return false;
    for (const char* part = path; *part != '\0'; ++part)
        if ((part == path || IsSeparator(part[-1])) && IsDotPart(part)) return false;
    for (size_t i = 0; i < folderLength; ++i)
        if (path[i] == '\0' || FoldedChar(path[i]) != FoldedChar(folder[i])) return false;
    return path[folderLength] == '\0' || IsSeparator(path[folderLength]);
}
