// The file operations of LFile over the Win32 file API.
#include "platform/lfile.h"

#include "platform/handles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

unsigned long LFile::GetFileSizeBytes(void* handle) {
    DWORD size = GetFileSize(static_cast<HANDLE>(handle), nullptr);
    return size == INVALID_FILE_SIZE ? 0 : size;
}

char* LFile::LoadTextFile(const char* path) {
    CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return nullptr;
    DWORD size = GetFileSizeBytes(file.get());
    if (size == 0) return nullptr;
    if (size > kMaxTextBytes) size = kMaxTextBytes;
    char* text = new char[size + 1];
    DWORD read = 0;
    if (!ReadFile(file.get(), text, size, &read, nullptr)) read = 0;
    text[read < size ? read : size] = '\0';
    return text;
}

void LFile::SaveTextFile(const char* path, const char* text) {
    CHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    if (!file.valid()) return;
    DWORD written = 0;
    WriteFile(file.get(), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

bool LFile::FileExists(const char* path) {
    CHandle file(CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() || GetLastError() == ERROR_SHARING_VIOLATION;
}

bool LFile::DeleteFolderAndFiles(const char* folder) {
    char pattern[kPathSize];
    lstrcpynA(pattern, folder, kPathSize);
    FilePathCat(pattern, "*.*");
    WIN32_FIND_DATAA found;
    CFindHandle search(pattern, &found);
    if (search.valid()) {
        do {
            if (found.cFileName[0] == '.') continue;
            char file[kPathSize];
            lstrcpynA(file, folder, kPathSize);
            FilePathCat(file, found.cFileName);
            DeleteFileA(file);
        } while (search.Next(&found));
    }
    return RemoveDirectoryA(folder) != FALSE;
}

bool LFile::BrowseForFolder(char* path, const char* title) {
    ScopedCom com;
    BROWSEINFOA info = {};
    info.hwndOwner = GetActiveWindow();
    info.pidlRoot = nullptr;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (chosen == nullptr) return false;
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
    return hasPath;
}
