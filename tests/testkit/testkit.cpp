#include "testkit/testkit.h"

// RegDeleteTreeA needs the Vista headers; the tests may use it, the program does not.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

#include "platform/handles.h"

#include <algorithm>
#include <cstdio>

namespace testkit {

namespace {
std::string g_scratch;
int g_scratchCount = 0;
} // namespace

const std::string& Scratch() {
    return g_scratch;
}

std::string ScratchPath(const std::string& name) {
    return g_scratch + "\\" + name;
}

void MakeScratch() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%squill-test-%lu-%d", temp, GetCurrentProcessId(),
                  ++g_scratchCount);
    g_scratch = name;
    RemoveTree(g_scratch);
    CreateDirectoryA(g_scratch.c_str(), nullptr);
}

void DropScratch() {
    RemoveTree(g_scratch);
    g_scratch.clear();
}

namespace {

bool WriteAll(HANDLE opened, const std::string& bytes) {
    CHandle file(opened);
    if (!file.valid()) return false;
    DWORD written = 0;
    BOOL ok =
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return file.Close() && ok && written == bytes.size();
}

std::string ReadAll(HANDLE opened) {
    CHandle file(opened);
    if (!file.valid()) return "<missing>";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

void RemoveTreeW(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    // The search ends before its folder is removed.
    if (CFindHandle search((path + L"\\*").c_str(), &found); search.valid()) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTreeW(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (search.Next(&found));
    }
    RemoveDirectoryW(path.c_str());
}

} // namespace

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    return WriteAll(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    return WriteAll(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

std::string ReadFileBytes(const std::string& path) {
    return ReadAll(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string ReadFileBytes(const std::wstring& path) {
    return ReadAll(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::wstring Wide(const std::string& path) {
    std::wstring wide(path.size() + 1, L'\0');
    const int units =
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units - 1) : 0);
    return wide;
}

std::vector<std::wstring> FolderFiles(const std::string& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    CFindHandle search((Wide(folder) + L"\\*").c_str(), &found);
    if (!search.valid()) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (search.Next(&found));
    std::sort(names.begin(), names.end());
    return names;
}

// Wide, so that files whose names the ANSI code page cannot spell go too.
void RemoveTree(const std::string& path) {
    if (!path.empty()) RemoveTreeW(Wide(path));
}

void ResetProgramSettings() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Velmora\\Quillmark");
    CKey run;
    if (run.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                 KEY_SET_VALUE) == ERROR_SUCCESS)
        RegDeleteValueA(run.get(), "QuillmarkRun");
}

bool ReadMachineValue(const char* key, const char* name, std::string* bytes, unsigned long* type) {
    CKey handle;
    if (handle.Open(HKEY_LOCAL_MACHINE, key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    DWORD valueType = 0;
    LONG result = RegQueryValueExA(handle.get(), name, nullptr, &valueType, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        bytes->assign(size, '\0');
        result = RegQueryValueExA(handle.get(), name, nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(&(*bytes)[0]), &size);
        bytes->resize(size);
    }
    if (type != nullptr) *type = valueType;
    return result == ERROR_SUCCESS;
}

bool WriteMachineValue(const char* key, const char* name, unsigned long type,
                       const std::string& bytes) {
    CKey handle;
    if (handle.Create(HKEY_LOCAL_MACHINE, key, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    LONG result =
        RegSetValueExA(handle.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    return result == ERROR_SUCCESS;
}

} // namespace testkit
