// The settings store: named text values in sections under HKEY_LOCAL_MACHINE
// "Software\Velmora\Quillmark\<section>". Nothing is cached: every call opens, works and closes,
// so a write anywhere is seen by the next read anywhere, also by another running copy.
#pragma once

// Reads at most 260 bytes with the terminator; a longer or missing value yields def.
// out must hold 260 bytes.
void GetSettingString(const char* section, const char* name, const char* def, char* out);
// Stores text as REG_SZ with its terminator, creating the section when needed.
// Returns 0, or the error code of creating or opening the section or of storing the value (then
// nothing is stored).
long SetSettingString(const char* section, const char* name, const char* text);
void DeleteSetting(const char* section, const char* name);
// Numbers and flags are read from the stored text; a REG_DWORD value reads as its number
// (a flag: set unless 0).
int GetSettingInt(const char* section, const char* name, int def);
long SetSettingInt(const char* section, const char* name, int value);
bool GetSettingBool(const char* section, const char* name, bool def);
long SetSettingBool(const char* section, const char* name, bool value);

// The program's key below HKEY_LOCAL_MACHINE, and the size of the buffer its section paths use.
constexpr const char kSettingsKey[] = "Software\\Velmora\\Quillmark";
constexpr int kSettingsKeyPathSize = 324;
