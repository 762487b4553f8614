// Shared support of the Wine tests. Every test starts without the program's settings key,
// without the logon Run value, and with a fresh, empty scratch folder of its own.
#pragma once

#include <string>
#include <vector>

namespace testkit {

// The running test's scratch folder (no trailing backslash); removed after the test.
const std::string& Scratch();
// Scratch() + "\" + name.
std::string ScratchPath(const std::string& name);

// Writes a file with exactly these bytes; returns false when it cannot be written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file's bytes, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
// The same for paths the ANSI code page may not spell (through the wide functions).
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
// The path in the ANSI code page as the wide functions take it.
std::wstring Wide(const std::string& path);
// The names of the files in folder, sorted, as the wide functions give them.
std::vector<std::wstring> FolderFiles(const std::string& folder);
// Removes a folder with everything below it; a missing folder is fine.
void RemoveTree(const std::string& path);

// Removes HKLM "Software\Velmora\Quillmark" and the "QuillmarkRun" logon value.
void ResetProgramSettings();

// Reads a raw registry value below HKLM; false when it is missing.
bool ReadMachineValue(const char* key, const char* name, std::string* bytes,
                      unsigned long* type = nullptr);

// Stores these bytes as a value of the given registry type below HKLM, making the key if needed;
// false when it cannot be written.
bool WriteMachineValue(const char* key, const char* name, unsigned long type,
                       const std::string& bytes);

} // namespace testkit
