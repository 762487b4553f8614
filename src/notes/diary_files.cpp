#include "notes/diary_files.h"

#include "notes/note_names.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

namespace {

void CreateEntryFile(const char* folder, const DiaryEntry& entry) {
    char path[LFile::kPathSize];
    if (!BuildNotePath(folder, entry.name.c_str(), path)) return;
    // CREATE_NEW fails on any existing file, so what the user wrote is never touched.
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, entry.text.data(), static_cast<DWORD>(entry.text.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

DiarySettings ReadDiarySettings() {
    DiarySettings settings;
    settings.weekPerView = GetSettingBool("Settings", "WeekPerView", true);
    settings.weeks = GetSettingInt("Settings", "NoOfWeeks", 0);
    settings.days = GetSettingInt("Settings", "NoOfDays", 0);
    settings.hourFrom = GetSettingInt("Settings", "HourFrom", 9);
    settings.hourTo = GetSettingInt("Settings", "HourTo", 17);
    return settings;
}

bool WriteDiaryEntries(const char* folder, std::time_t now) {
    return GenerateDiaryEntries(now, ReadDiarySettings(), [folder](const DiaryEntry& entry) {
        CreateEntryFile(folder, entry);
    });
}
