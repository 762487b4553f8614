// The program folder below Program Files and the data folders recorded in the "Folders" settings.
#pragma once

#include <windows.h>

// The system's Program Files folder ("ProgramFilesDir") of at most limit bytes into out
// (limit + 1 bytes); false when it is not recorded or longer.
bool GetProgramFilesDir(char* out, unsigned long limit);
// Writes the program folder ("<Program Files>\Velmora\Quillmark", or "C:\Quillmark" when the
// system's Program Files folder is not known) into out (260 bytes) and makes sure it exists.
// A folder created here gets default security (inherited from the folder above).
void GetInstallProgramFilesPath(char* out);
// The "Folders" value called name (or "DataFiles" when name is null); when that is empty, the
// program folder followed by "\<name>". Only the program folder is created, never the subfolder.
void GetDataFolderPath(const char* name, char* out);
// Creates "<programFolder>\<name>" granting every user full access to it and everything in it
// (EveryoneFullAccess), and records it.
void CreateDataFolder(const char* programFolder, const char* name);
// Removes the recorded folder's files, and the folder when it is then empty; only when the
// recorded folder lies inside programFolder, so a changed value never empties a folder elsewhere.
void DeleteDataFolder(const char* name, const char* programFolder);

// Creates a folder; CreateDirectoryA, which tests replace to see the access list passed (a Wine
// folder keeps none to read back).
using CreateFolderFunction = BOOL(WINAPI*)(LPCSTR path, LPSECURITY_ATTRIBUTES attributes);
extern CreateFolderFunction g_createFolder;

// The access list of the shared book folders: one entry granting GENERIC_ALL to Everyone,
// inherited by files and folders. Holds the descriptor and its ACL in place; valid() is false when building
// it failed, and the folder then gets default security.
class EveryoneFullAccess {
  public:
    EveryoneFullAccess();
    bool valid() const { return valid_; }
    void* descriptor() { return descriptor_; }

  private:
    alignas(8) unsigned char descriptor_[64];
    alignas(8) unsigned char acl_[1024];
    bool valid_ = false;
};
