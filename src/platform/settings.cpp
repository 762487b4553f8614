#include "platform/settings.h"

#include "platform/handles.h"
#include "platform/setting_text.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kReadLimit = 260;

void FormatSectionPath(char* path, const char* section) {
    std::snprintf(path, kSettingsKeyPathSize, "%s\\%s", kSettingsKey, section);
}

// Reads the value into out (kReadLimit bytes) as GetSettingString does, and its type into type.
// False when the section or value is missing or the value is too long.
bool QueryValue(const char* section, const char* name, char* out, DWORD* type) {
    char path[kSettingsKeyPathSize];
    FormatSectionPath(path, section);
    CKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
    std::memset(out, 0, kReadLimit);
    DWORD size = kReadLimit;
    if (RegQueryValueExA(key.get(), name, nullptr, type, reinterpret_cast<BYTE*>(out), &size) !=
        ERROR_SUCCESS)
        return false;
    // Raw bytes of a non-string value carry no terminator: add one, and treat a value that fills
    // all 260 bytes without one as too long.
    if (size < kReadLimit) {
        out[size] = '\0';
        return true;
    }
    return out[kReadLimit - 1] == '\0';
}

// A number stored as REG_DWORD (by hand or by a policy script, never by the program) reads as
// that number: its raw bytes are no decimal text and would read as 0.
bool DwordNumber(DWORD type, const char* raw, int* number) {
    if (type != REG_DWORD) return false;
    DWORD value;
    std::memcpy(&value, raw, sizeof value);
    *number = static_cast<int>(value);
    return true;
}

} // namespace

void GetSettingString(const char* section, const char* name, const char* def, char* out) {
    DWORD type;
    if (!QueryValue(section, name, out, &type)) lstrcpynA(out, def, kReadLimit);
}

long SetSettingString(const char* section, const char* name, const char* text) {
    char path[kSettingsKeyPathSize];
    FormatSectionPath(path, section);
    CKey key;
    LONG result = key.Create(HKEY_LOCAL_MACHINE, path, KEY_SET_VALUE);
    if (result != ERROR_SUCCESS) return result;
    // The write's own result: a value that was not stored must not read as stored.
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

void DeleteSetting(const char* section, const char* name) {
    char path[kSettingsKeyPathSize];
    FormatSectionPath(path, section);
    CKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, path, KEY_SET_VALUE) == ERROR_SUCCESS)
        RegDeleteValueA(key.get(), name);
}

int GetSettingInt(const char* section, const char* name, int def) {
    char text[kReadLimit];
    DWORD type = REG_SZ;
    if (!QueryValue(section, name, text, &type)) return def;
    int number;
    if (DwordNumber(type, text, &number)) return number;
    return SettingTextToInt(text, def);
}

long SetSettingInt(const char* section, const char* name, int value) {
    char text[kReadLimit];
    std::snprintf(text, sizeof text, "%d", value);
    return SetSettingString(section, name, text);
}

bool GetSettingBool(const char* section, const char* name, bool def) {
    char text[kReadLimit];
    DWORD type = REG_SZ;
    if (!QueryValue(section, name, text, &type)) return def;
    int number;
    if (DwordNumber(type, text, &number)) return number != 0;
    return SettingTextToBool(text, def);
}

long SetSettingBool(const char* section, const char* name, bool value) {
    return SetSettingString(section, name, value ? "1" : "0");
}
