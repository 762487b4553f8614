// Diary entry files written into a book folder, with the diary options in the settings store.
#include "notes/diary_files.h"
#include "notes/note_files.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using testkit::ReadFileBytes;
using testkit::ScratchPath;

namespace {

// 2026-12-05 12:00 UTC, a Saturday: noon keeps the local date whatever the prefix's zone.
constexpr std::time_t kSaturdayNoon = 1796472000;

std::vector<std::string> Notes() {
    std::vector<std::string> names = ListNotes(testkit::Scratch().c_str());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DiaryFiles, SettingsDefaults) {
    DiarySettings s = ReadDiarySettings();
    EXPECT_TRUE(s.weekPerView);
    EXPECT_EQ(0, s.weeks);
    EXPECT_EQ(0, s.days);
    EXPECT_EQ(9, s.hourFrom);
    EXPECT_EQ(17, s.hourTo);
    EXPECT_TRUE(WriteDiaryEntries(testkit::Scratch().c_str(), kSaturdayNoon));
    EXPECT_TRUE(Notes().empty()); // no "NoOfWeeks": nothing is created
}

TEST(DiaryFiles, DayFilesAreCreatedAndExistingOnesLeftAlone) {
    SetSettingBool("Settings", "WeekPerView", false);
    SetSettingInt("Settings", "NoOfDays", 3);
    SetSettingInt("Settings", "HourFrom", 11);
    SetSettingInt("Settings", "HourTo", 13);
    ASSERT_TRUE(testkit::WriteFileBytes(ScratchPath("2026-12-06 Sunday 06 Dec.txt"), ""));

    EXPECT_TRUE(WriteDiaryEntries(testkit::Scratch().c_str(), kSaturdayNoon));
    EXPECT_EQ((std::vector<std::string>{"2026-12-05 Saturday 05 Dec", "2026-12-06 Sunday 06 Dec",
                                        "2026-12-07 Monday 07 Dec"}),
              Notes());
    EXPECT_EQ("11.00am: \n12.00pm: \n01.00pm: \n",
              ReadFileBytes(ScratchPath("2026-12-05 Saturday 05 Dec.txt")));
    EXPECT_EQ("", ReadFileBytes(ScratchPath("2026-12-06 Sunday 06 Dec.txt")));

    // A later run keeps what the user wrote.
    ASSERT_TRUE(testkit::WriteFileBytes(ScratchPath("2026-12-07 Monday 07 Dec.txt"), "dentist"));
    EXPECT_TRUE(WriteDiaryEntries(testkit::Scratch().c_str(), kSaturdayNoon));
    EXPECT_EQ("dentist", ReadFileBytes(ScratchPath("2026-12-07 Monday 07 Dec.txt")));
}

TEST(DiaryFiles, WeekFiles) {
    SetSettingInt("Settings", "NoOfWeeks", 2);
    SetSettingInt("Settings", "HourFrom", 9);
    SetSettingInt("Settings", "HourTo", 9);
    EXPECT_TRUE(WriteDiaryEntries(testkit::Scratch().c_str(), kSaturdayNoon));
    EXPECT_EQ((std::vector<std::string>{"2026-11-30 - 2026-12-06", "2026-12-07 - 2026-12-13"}),
              Notes());
    std::string week = ReadFileBytes(ScratchPath("2026-11-30 - 2026-12-06.txt"));
    EXPECT_EQ(0u, week.find("Monday, 30 Nov 2026\n\n09.00am: \n\nTuesday, 01 Dec 2026\n\n"));
    EXPECT_EQ(week.size() - 32, week.find("Sunday, 06 Dec 2026\n\n09.00am: \n\n"));
}

TEST(DiaryFiles, AMissingFolderGetsNothingAndNoComplaint) {
    SetSettingBool("Settings", "WeekPerView", false);
    SetSettingInt("Settings", "NoOfDays", 2);
    std::string missing = ScratchPath("gone");
    EXPECT_TRUE(WriteDiaryEntries(missing.c_str(), kSaturdayNoon));
    EXPECT_TRUE(ListNotes(missing.c_str()).empty());
    // A folder so deep that entry names would be cut: those entries are left out.
    std::string deep = ScratchPath(std::string(200, 'd'));
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    EXPECT_TRUE(WriteDiaryEntries(deep.c_str(), kSaturdayNoon));
    EXPECT_TRUE(ListNotes(deep.c_str()).empty());
}

} // namespace
