// The file operations of LFile over the Win32 file API.
#include "platform/lfile.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

unsigned long LFile::GetFileSizeBytes(void* handle) {
    DWORD size = GetFileSize(static_cast<HANDLE>(handle), nullptr);
    return size == INVALID_FILE_SIZE ? 0 : size;
}

char* LFile::LoadTextFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    DWORD size = GetFileSizeBytes(file);
    if (size == 0) {
        CloseHandle(file);
        return nullptr;
    }
    if (size > kMaxTextBytes) size = kMaxTextBytes;
    char* text = new char[size + 1];
    DWORD read = 0;
    if (!ReadFile(file, text, size, &read, nullptr)) read = 0;
    text[read < size ? read : size] = '\0';
    CloseHandle(file);
    return text;
}

void LFile::SaveTextFile(const char* path, const char* text) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
    CloseHandle(file);
}

bool LFile::FileExists(const char* path) {
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return true;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

bool LFile::DeleteFolderAndFiles(const char* folder) {
    char pattern[kPathSize];
    lstrcpynA(pattern, folder, kPathSize);
    FilePathCat(pattern, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] == '.') continue;
            char file[kPathSize];
            lstrcpynA(file, folder, kPathSize);
            FilePathCat(file, found.cFileName);
            DeleteFileA(file);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder) != FALSE;
}

bool LFile::BrowseForFolder(char* path, const char* title) {
    CoInitialize(nullptr);
    BROWSEINFOA info = {};
    info.hwndOwner = GetActiveWindow();
    info.pidlRoot = nullptr;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (chosen == nullptr) {
        CoUninitialize();
        return false;
    }
    // SHGetPathFromIDList writes up to MAX_PATH (260) bytes, the size of the caller's buffer.
    // An item without a path (My Computer, a printer) is no folder to use: as Cancel.
    char chosenPath[MAX_PATH] = "";
    const bool hasPath = SHGetPathFromIDListA(chosen, chosenPath) && chosenPath[0] != '\0';
    if (hasPath) lstrcpynA(path, chosenPath, kPathSize);
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc))) {
        shellMalloc->Free(chosen);
        shellMalloc->Release();
    }
    CoUninitialize();
    return hasPath;
}
