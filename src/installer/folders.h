// The program folder below Program Files and the data folders recorded in the "Folders" settings.
#pragma once

// Writes the program folder ("<Program Files>\Velmora\Quillmark", or "C:\Quillmark" when the
// system's Program Files folder is not known) into out (260 bytes) and makes sure it exists.
// A folder created here grants every user full access to everything in it.
void GetInstallProgramFilesPath(char* out);
// The "Folders" value called name (or "DataFiles" when name is null); when that is empty, the
// program folder followed by "\<name>". Only the program folder is created, never the subfolder.
void GetDataFolderPath(const char* name, char* out);
// Creates "<programFolder>\<name>" (inheriting the program folder's access) and records it.
void CreateDataFolder(const char* programFolder, const char* name);
// Removes the recorded folder's files, and the folder when it is then empty.
void DeleteDataFolder(const char* name);

// The access list of the program folder: one entry granting GENERIC_ALL to Everyone, inherited by
// files and folders. Holds the descriptor and its ACL in place; valid() is false when building
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
