// LFile: whole-file reading and writing of note texts, path arithmetic, and the folder picker.
// Stateless; every operation works on zero-terminated 8-bit strings in 260-byte path buffers.
// Backslash and forward slash count alike as separators; a separator that is added is a backslash.
#pragma once

#include <cstddef>

class LFile {
  public:
    // The platform's path buffer: 259 characters and the terminator.
    static constexpr size_t kPathSize = 260;
    static constexpr size_t kMaxPath = kPathSize - 1;
    // Note texts are read up to this many bytes; the bound keeps every in-memory note text small.
    static constexpr size_t kMaxTextBytes = 32766;

    // Returns a new[]-allocated, zero-terminated copy of the file's first kMaxTextBytes bytes,
    // or nullptr when the file is missing, unreadable or empty. Release with delete[].
    static char* LoadTextFile(const char* path);
    // Replaces the file with the text (without its terminator). Failures are silent.
    static void SaveTextFile(const char* path, const char* text);
    // True for an existing file, also one another process holds without sharing; false for a
    // folder.
    static bool FileExists(const char* path);
    // Deletes the folder's files (not its subfolders) and then the folder; true if the folder went.
    static bool DeleteFolderAndFiles(const char* folder);
    // Shows the shell's folder picker; on OK writes the chosen path into path (260 bytes).
    // On Cancel, and when the chosen item has no path, returns false and leaves path as it was.
    static bool BrowseForFolder(char* path, const char* title);
    // Size of an open file, or 0 when it cannot be read. handle is a Windows HANDLE.
    static unsigned long GetFileSizeBytes(void* handle);

    // Path arithmetic (no platform calls).
    static void _GetFolderFromPath(char* dest, const char* path);
    static void _GetFileFromPath(char* dest, const char* path);
    static void _GetFileTitleFromPath(char* dest, const char* path);
    static void FilePathCat(char* dest, const char* name);
    static void FilePathCatExt(char* dest, const char* name, const char* ext);
    static bool StripFileNameChars(const char* src, char* dest);
    // True when path is folder itself or lies below it, compared without case, separators alike,
    // a trailing separator ignored. A path with a "." or ".." part, and an empty folder, never
    // count as inside: only the plain spelling is trusted.
    static bool IsInsideFolder(const char* path, const char* folder);
    static bool IsSeparator(char c) { return c == '\\' || c == '/'; }
};
