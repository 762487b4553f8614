#include "installer/folders.h"

#include "platform/handles.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstdio>

static_assert(sizeof(SECURITY_DESCRIPTOR) <= 64, "descriptor buffer too small");

CreateFolderFunction g_createFolder = CreateDirectoryA;

EveryoneFullAccess::EveryoneFullAccess() {
    auto* descriptor = reinterpret_cast<PSECURITY_DESCRIPTOR>(descriptor_);
    auto* acl = reinterpret_cast<PACL>(acl_);
    if (!InitializeSecurityDescriptor(descriptor, SECURITY_DESCRIPTOR_REVISION)) return;
    if (!InitializeAcl(acl, sizeof acl_, ACL_REVISION)) return;
    DWORD sidLength = GetSidLengthRequired(1);
    PSID world = LocalAlloc(LPTR, sidLength);
    if (world == nullptr) return;
    SID_IDENTIFIER_AUTHORITY worldAuthority = {SECURITY_WORLD_SID_AUTHORITY};
    bool added = InitializeSid(world, &worldAuthority, 1) &&
                 (*GetSidSubAuthority(world, 0) = SECURITY_WORLD_RID, true) &&
                 AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, world);
    LocalFree(world); // the ACL holds its own copy of the SID
    if (!added) return;
    ACE_HEADER* ace = nullptr;
    if (!GetAce(acl, 0, reinterpret_cast<void**>(&ace))) return;
    ace->AceFlags |= OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    valid_ = SetSecurityDescriptorDacl(descriptor, TRUE, acl, FALSE) != FALSE;
}

bool GetProgramFilesDir(char* out, unsigned long limit) {
    CKey key;
    return key.Open(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                    KEY_QUERY_VALUE) == ERROR_SUCCESS &&
           key.QueryText("ProgramFilesDir", out, limit);
}

void GetInstallProgramFilesPath(char* out) {
    lstrcpynA(out, "C:\\Quillmark", LFile::kPathSize);
    char programFiles[201] = "";
    if (GetProgramFilesDir(programFiles, 200)) {
        lstrcpynA(out, programFiles, LFile::kPathSize);
        CreateDirectoryA(out, nullptr);
        LFile::FilePathCat(out, "Velmora");
        CreateDirectoryA(out, nullptr);
        LFile::FilePathCat(out, "Quillmark");
    }
    // Default security: the folder holding qmark.exe, the uninstaller and the help file keeps
    // what Program Files passes down, so only administrators can change what every user runs.
    g_createFolder(out, nullptr);
}

void GetDataFolderPath(const char* name, char* out) {
    if (name == nullptr)
        ReadSetting(setting::kDataFolder, out);
    else
        GetSettingString(setting::kFoldersSection, name, "", out);
    if (out[0] != '\0') return;
    GetInstallProgramFilesPath(out);
    if (name != nullptr) LFile::FilePathCat(out, name);
}

void CreateDataFolder(const char* programFolder, const char* name) {
    char folder[LFile::kPathSize];
    std::snprintf(folder, sizeof folder, "%s\\%s", programFolder, name);
    // The default books are shared by every user of the machine.
    EveryoneFullAccess access;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, access.descriptor(), FALSE};
    g_createFolder(folder, access.valid() ? &attributes : nullptr);
    SetSettingString(setting::kFoldersSection, name, folder);
}

void DeleteDataFolder(const char* name, const char* programFolder) {
    char folder[LFile::kPathSize];
    GetSettingString(setting::kFoldersSection, name, "", folder);
    if (LFile::IsInsideFolder(folder, programFolder)) LFile::DeleteFolderAndFiles(folder);
}
