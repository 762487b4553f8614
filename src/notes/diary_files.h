// Writing a diary book's entry files into its folder.
#pragma once

#include "notes/diary_entries.h"

#include <ctime>

// The diary options of the "Settings" section: "WeekPerView" (default set), "NoOfWeeks" and
// "NoOfDays" (default 0, which creates nothing), "HourFrom" (9) and "HourTo" (17).
DiarySettings ReadDiarySettings();

// Creates in folder every entry file of the range that starts at now and is missing; an
// existing file, even an empty one, is never opened for writing. Files that cannot be created
// are skipped silently. Returns false when a local-time conversion failed and the run stopped
// early (the note list then is not to be rebuilt).
bool WriteDiaryEntries(const char* folder, std::time_t now);
