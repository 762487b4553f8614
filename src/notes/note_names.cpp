#include "notes/note_names.h"

#include "platform/lfile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualNoCase(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// The number n of a name "New n" written as "%d" prints it (1..9999), or 0.
int NewNoteNumber(const std::string& name) {
    static const char kPrefix[] = "new ";
    const size_t prefixLength = sizeof kPrefix - 1;
    if (name.size() <= prefixLength || name.size() > prefixLength + 4 ||
        !EqualNoCase(name.c_str(), kPrefix, prefixLength) || name[prefixLength] == '0')
        return 0;
    int number = 0;
    for (size_t i = prefixLength; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

// Whether folder, a separator where needed, name and an extension of extensionLength
// characters make a path of at most 259 characters.
bool PathFits(const char* folder, const char* name, size_t extensionLength) {
    size_t folderLength = std::strlen(folder);
    size_t separator = folderLength > 0 && !LFile::IsSeparator(folder[folderLength - 1]) ? 1 : 0;
    return folderLength + separator + std::strlen(name) + extensionLength <= LFile::kMaxPath;
}

} // namespace

void BookNameFromFolder(const char* folder, char* name) {
    LFile::_GetFileTitleFromPath(name, folder);
}

bool NoteNameFromFileName(const char* fileName, char* name) {
    LFile::_GetFileFromPath(name, fileName);
    char* dot = std::strrchr(name, '.');
    if (dot == nullptr || dot == name || !EqualNoCase(dot, ".txt", 5)) return false;
    *dot = '\0';
    return true;
}

bool BuildNotePath(const char* folder, const char* name, char* path) {
    std::snprintf(path, LFile::kPathSize, "%s", folder);
    LFile::FilePathCatExt(path, name, ".txt");
    return PathFits(folder, name, 4);
}

bool BuildBookFolderPath(const char* dataFolder, const char* name, char* folder) {
    std::snprintf(folder, LFile::kPathSize, "%s", dataFolder);
    LFile::FilePathCat(folder, name);
    return PathFits(dataFolder, name, 0);
}

bool FirstFreeNewNoteName(const std::vector<std::string>& existing, char* name) {
    constexpr int kLast = 9999;
    std::vector<bool> taken(kLast + 1, false);
    for (const std::string& note : existing)
        taken[NewNoteNumber(note)] = true;
    for (int i = 1; i <= kLast; ++i) {
        if (!taken[i]) {
            std::snprintf(name, LFile::kPathSize, "New %d", i);
            return true;
        }
    }
    return false;
}

bool CleanNoteName(const char* typed, char* name) {
    char bounded[LFile::kPathSize];
    std::snprintf(bounded, sizeof bounded, "%s", typed);
    return LFile::StripFileNameChars(bounded, name);
}

bool CleanBookName(const char* typed, char* name) {
    if (!CleanNoteName(typed, name)) return false;
    size_t length = std::strlen(name);
    while (length > 0 && name[length - 1] == ' ')
        --length;
    name[length] = '\0';
    return length > 0;
}

bool IsReservedDeviceName(const char* name) {
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    // The system looks at the part before the first "." with trailing spaces removed.
    size_t length = std::strcspn(name, ".");
    while (length > 0 && name[length - 1] == ' ')
        --length;
    for (const char* device : kDevices) {
        if (length == std::strlen(device) && EqualNoCase(name, device, length)) return true;
    }
    return length == 4 && (EqualNoCase(name, "COM", 3) || EqualNoCase(name, "LPT", 3)) &&
           name[3] >= '1' && name[3] <= '9';
}

bool ConflictCopyName(const char* folder, const char* name, const ConflictTime& when, int attempt,
                      char* copyName) {
    char suffix[64];
    int length = std::snprintf(suffix, sizeof suffix, " (conflict copy %04d-%02d-%02d %02d.%02d)",
                               when.year, when.month, when.day, when.hour, when.minute);
    if (attempt > 1) std::snprintf(suffix + length, sizeof suffix - length, " %d", attempt);
    // The room the folder, its separator and ".txt" leave for the name and the suffix.
    size_t folderLength = std::strlen(folder);
    size_t separator = folderLength > 0 && !LFile::IsSeparator(folder[folderLength - 1]) ? 1 : 0;
    size_t used = folderLength + separator + std::strlen(suffix) + 4;
    if (used + 1 > LFile::kMaxPath) return false;
    size_t keep = std::min(std::strlen(name), LFile::kMaxPath - used);
    if (keep == 0) return false;
    std::snprintf(copyName, LFile::kPathSize, "%.*s%s", static_cast<int>(keep), name, suffix);
    return true;
}
