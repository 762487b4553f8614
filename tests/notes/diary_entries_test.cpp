// Diary entry names and texts. Expected dates come from a civil-calendar computation written
// here (days since 1970-01-01 to year/month/day), not from the C library the generator uses.
#include "notes/diary_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Civil {
    int year, month, day; // month 1..12
};

// Howard Hinnant's days_from_civil and civil_from_days.
long DaysFromCivil(Civil c) {
    const int y = c.year - (c.month <= 2);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (c.month + (c.month > 2 ? -3 : 9)) + 2) / 5 + c.day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

Civil CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int WeekdayOf(long days) {
    return static_cast<int>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
}

std::string Iso(long days) {
    Civil c = CivilFromDays(days);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
    return text;
}

std::string DayName(long days) {
    Civil c = CivilFromDays(days);
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %02d %s", Iso(days).c_str(), kDays[WeekdayOf(days)],
                  c.day, kMonths[c.month - 1]);
    return text;
}

// Runs every test in a named time zone and restores the old one afterwards.
class DiaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        hadTz_ = tz != nullptr;
        if (hadTz_) oldTz_ = tz;
        UseZone("UTC");
    }
    void TearDown() override {
        if (hadTz_)
            setenv("TZ", oldTz_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    // Seconds since the epoch of a UTC time.
    static std::time_t Utc(Civil date, int hour, int minute) {
        return static_cast<std::time_t>(DaysFromCivil(date) * 86400 + hour * 3600 + minute * 60);
    }
    static std::vector<DiaryEntry> Run(std::time_t now, const DiarySettings& settings) {
        std::vector<DiaryEntry> entries;
        EXPECT_TRUE(GenerateDiaryEntries(now, settings,
                                         [&](const DiaryEntry& e) { entries.push_back(e); }));
        return entries;
    }
    static DiarySettings Weeks(int weeks) {
        DiarySettings s;
        s.weeks = weeks;
        return s;
    }
    static DiarySettings Days(int days) {
        DiarySettings s;
        s.weekPerView = false;
        s.days = days;
        return s;
    }

  private:
    bool hadTz_ = false;
    std::string oldTz_;
};

TEST_F(DiaryTest, HourLinesOnTheTwelveHourClock) {
    EXPECT_EQ("09.00am: \n10.00am: \n11.00am: \n12.00pm: \n01.00pm: \n02.00pm: \n03.00pm: \n"
              "04.00pm: \n05.00pm: \n",
              DiaryHourLines(9, 17));
    std::string all = DiaryHourLines(0, 23);
    ASSERT_EQ(24u * 10, all.size());
    EXPECT_EQ("12.00am: \n", all.substr(0, 10));
    EXPECT_EQ("11.00am: \n", all.substr(11 * 10, 10));
    EXPECT_EQ("12.00pm: \n", all.substr(12 * 10, 10));
    EXPECT_EQ("01.00pm: \n", all.substr(13 * 10, 10));
    EXPECT_EQ("11.00pm: \n", all.substr(23 * 10, 10));
    EXPECT_EQ("03.00pm: \n", DiaryHourLines(15, 15));
    EXPECT_EQ("", DiaryHourLines(17, 9));
    // Stored hours outside a day cannot make endless or nonsense lines.
    EXPECT_EQ(all, DiaryHourLines(-5, 1000000000));
}

TEST_F(DiaryTest, WeekOnASundayStartsOnTheMondayBefore) {
    DiarySettings s = Weeks(1);
    s.hourFrom = s.hourTo = 8;
    auto entries = Run(Utc({2026, 12, 6}, 10, 0), s); // a Sunday
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("2026-11-30 - 2026-12-06", entries[0].name);
    EXPECT_EQ("Monday, 30 Nov 2026\n\n08.00am: \n\n"
              "Tuesday, 01 Dec 2026\n\n08.00am: \n\n"
              "Wednesday, 02 Dec 2026\n\n08.00am: \n\n"
              "Thursday, 03 Dec 2026\n\n08.00am: \n\n"
              "Friday, 04 Dec 2026\n\n08.00am: \n\n"
              "Saturday, 05 Dec 2026\n\n08.00am: \n\n"
              "Sunday, 06 Dec 2026\n\n08.00am: \n\n",
              entries[0].text);

    s.hourFrom = 17;
    s.hourTo = 9; // days without hour lines
    entries = Run(Utc({2026, 12, 6}, 23, 59), s);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("Monday, 30 Nov 2026\n\n\nTuesday, 01 Dec 2026\n\n\nWednesday, 02 Dec 2026\n\n\n"
              "Thursday, 03 Dec 2026\n\n\nFriday, 04 Dec 2026\n\n\nSaturday, 05 Dec 2026\n\n\n"
              "Sunday, 06 Dec 2026\n\n\n",
              entries[0].text);
}

TEST_F(DiaryTest, WeeksOnAMondayStartThatDay) {
    auto entries = Run(Utc({2026, 11, 30}, 0, 0), Weeks(2));
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("2026-11-30 - 2026-12-06", entries[0].name);
    EXPECT_EQ("2026-12-07 - 2026-12-13", entries[1].name);
    const std::string monday = "Monday, 07 Dec 2026\n\n" + DiaryHourLines(9, 17) + "\n";
    EXPECT_EQ(monday, entries[1].text.substr(0, monday.size()));
}

TEST_F(DiaryTest, DayFilesHoldTheHourLinesOnly) {
    auto entries = Run(Utc({2026, 12, 5}, 14, 30), Days(1));
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("2026-12-05 Saturday 05 Dec", entries[0].name);
    EXPECT_EQ(DiaryHourLines(9, 17), entries[0].text);
    EXPECT_EQ(9, std::count(entries[0].text.begin(), entries[0].text.end(), '\n'));
}

TEST_F(DiaryTest, NoWeeksOrDaysCreateNothing) {
    EXPECT_TRUE(Run(Utc({2026, 12, 5}, 12, 0), Weeks(0)).empty());
    EXPECT_TRUE(Run(Utc({2026, 12, 5}, 12, 0), Days(0)).empty());
    EXPECT_TRUE(Run(Utc({2026, 12, 5}, 12, 0), Days(-3)).empty());
}

TEST_F(DiaryTest, AYearOfDaysMatchesTheCalendar) {
    const long first = DaysFromCivil({2027, 12, 30});
    auto entries = Run(Utc({2027, 12, 30}, 12, 0), Days(800)); // across the leap day of 2028
    ASSERT_EQ(800u, entries.size());
    for (long i = 0; i < 800; ++i)
        EXPECT_EQ(DayName(first + i), entries[i].name) << i;
}

TEST_F(DiaryTest, DaylightSavingChangesNeitherRepeatNorSkipADate) {
    struct Case {
        const char* zone;
        std::time_t now; // within an hour of local midnight, next to a change
        Civil localDate;
    } cases[] = {
        // 23:30 GMT on the Saturday before British Summer Time begins.
        {"Europe/London", Utc({2026, 3, 28}, 23, 30), {2026, 3, 28}},
        // 00:30 BST on the Sunday it ends (23:30 UTC the day before).
        {"Europe/London", Utc({2026, 10, 24}, 23, 30), {2026, 10, 25}},
        // 23:30 EST on the Saturday before daylight time begins (04:30 UTC next day).
        {"America/New_York", Utc({2026, 3, 8}, 4, 30), {2026, 3, 7}},
        // 00:30 EDT on the Sunday it ends (04:30 UTC).
        {"America/New_York", Utc({2026, 11, 1}, 4, 30), {2026, 11, 1}},
    };
    for (const Case& c : cases) {
        UseZone(c.zone);
        const long first = DaysFromCivil(c.localDate);
        auto days = Run(c.now, Days(5));
        ASSERT_EQ(5u, days.size());
        for (long i = 0; i < 5; ++i)
            EXPECT_EQ(DayName(first + i), days[i].name) << c.zone << " day " << i;

        const long monday = first - (WeekdayOf(first) + 6) % 7;
        auto weeks = Run(c.now, Weeks(2));
        ASSERT_EQ(2u, weeks.size());
        for (long w = 0; w < 2; ++w) {
            EXPECT_EQ(Iso(monday + 7 * w) + " - " + Iso(monday + 7 * w + 6), weeks[w].name)
                << c.zone;
        }
    }
}

} // namespace
