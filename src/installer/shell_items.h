// Shortcuts, the uninstall entry and the run-mode mark: what the installation leaves in the
// shell and the registry, and what the uninstallation takes away again.
#pragma once

#include <cstdint>

// The start-menu group folder "<Programs>\Quillmark" into out (260 bytes); the all-users
// "Common Programs" folder wins over the user's own. False when the shell names neither.
// The Programs folder is created when missing; the group folder itself is not.
bool GetStartMenuGroupFolder(char* out);
// "<group>\<name>.lnk" pointing at target, creating the group folder; nothing without a group.
void AddStartMenuShortcut(const char* target, const char* name);
void RemoveStartMenuShortcut(const char* name);
// Removes the group folder when it is empty.
void RemoveStartMenuGroupFolder();
// "<Desktop>\Quillmark.lnk", the all-users "Common Desktop" winning over the user's own, and
// "c:\Windows\Desktop" when the shell names neither.
void GetDesktopShortcutPath(char* out);
// Writes a shell link at linkPath pointing at target. Failures are silent.
void CreateShortcut(const char* linkPath, const char* target);

// Appends the four bytes of value (little-endian) to an existing file; false when they could
// not be written.
bool AppendMagicToFile(const char* path, uint32_t value);
// The last four bytes of a file as a little-endian value; 0 when it cannot be read.
uint32_t ReadFileMagic(const char* path);

// Creates "Uninstall\Quillmark" with "DisplayName" and "UninstallString" = the uninstaller's path
// in quotes, only when the entry does not exist yet: an existing entry stays as it is.
void CreateUninstallEntry(const char* uninstaller);
void RemoveUninstallEntry();
