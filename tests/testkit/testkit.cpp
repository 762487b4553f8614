#include "testkit/testkit.h"

// RegDeleteTreeA needs the Vista headers; the tests may use it, the program does not.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

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

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void RemoveTree(const std::string& path) {
    if (path.empty()) return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
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
