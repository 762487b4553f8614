#include "testkit/testkit.h"

// RegDeleteTreeA needs the Vista headers; the tests may use it, the program does not.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

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

bool WriteAll(HANDLE file, const std::string& bytes) {
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadAll(HANDLE file) {
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void RemoveTreeW(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
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
        } while (FindNextFileW(search, &found));
        FindClose(search);
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
    const int units = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0],
                                          static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units - 1) : 0);
    return wide;
}

std::vector<std::wstring> FolderFiles(const std::string& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((Wide(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// Wide, so that files whose names the ANSI code page cannot spell go too.
void RemoveTree(const std::string& path) {
    if (!path.empty()) RemoveTreeW(Wide(path));
}

void ResetProgramSettings() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Velmora\\Quillmark");
    HKEY run;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, "QuillmarkRun");
        RegCloseKey(run);
    }
}

bool ReadMachineValue(const char* key, const char* name, std::string* bytes, unsigned long* type) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    DWORD valueType = 0;
    LONG result = RegQueryValueExA(handle, name, nullptr, &valueType, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        bytes->assign(size, '\0');
        result = RegQueryValueExA(handle, name, nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(&(*bytes)[0]), &size);
        bytes->resize(size);
    }
    RegCloseKey(handle);
    if (type != nullptr) *type = valueType;
    return result == ERROR_SUCCESS;
}

bool WriteMachineValue(const char* key, const char* name, unsigned long type,
                       const std::string& bytes) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace testkit
