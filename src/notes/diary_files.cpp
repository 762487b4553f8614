#include "notes/diary_files.h"

#include "notes/note_names.h"
#include "platform/handles.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

namespace {

void CreateEntryFile(const char* folder, const DiaryEntry& entry) {
    char path[LFile::kPathSize];
    if (!BuildNotePath(folder, entry.name.c_str(), path)) return;
    // CREATE_NEW fails on any existing file, so what the user wrote is never touched.
    CHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return;
    DWORD written = 0;
    WriteFile(file.get(), entry.text.data(), static_cast<DWORD>(entry.text.size()), &written,
              nullptr);
}

} // namespace

DiarySettings ReadDiarySettings() {
    DiarySettings settings;
    settings.weekPerView = ReadSetting(setting::kWeekPerView);
    settings.weeks = ReadSetting(setting::kNoOfWeeks);
    settings.days = ReadSetting(setting::kNoOfDays);
    settings.hourFrom = ReadSetting(setting::kHourFrom);
    settings.hourTo = ReadSetting(setting::kHourTo);
    return settings;
}

bool WriteDiaryEntries(const char* folder, std::time_t now) {
    return GenerateDiaryEntries(now, ReadDiarySettings(), [folder](const DiaryEntry& entry) {
        CreateEntryFile(folder, entry);
    });
}
