// The entry files of a diary book: their names and their text for a given moment, one file per
// week (Monday to Sunday) or one per day, each day listing the hours of the working day.
#pragma once

#include <ctime>
#include <functional>
#include <string>

struct DiarySettings {
    bool weekPerView = true; // one file per week; otherwise one per day
    int weeks = 0;           // week files, counting the current week
    int days = 0;            // day files, counting today
    int hourFrom = 9;        // first hour line, 0..23
    int hourTo = 17;         // last hour line (inclusive), 0..23
};

struct DiaryEntry {
    std::string name; // the note name; the file is the name with ".txt"
    std::string text; // lines end in a single line feed
};

// The hour lines "%.2d.00am: \n" / "pm" from hourFrom to hourTo on the 12-hour clock;
// none when hourTo is below hourFrom. Hours outside 0..23 are taken as the nearest hour of a day.
std::string DiaryHourLines(int hourFrom, int hourTo);

// "2026-11-30 - 2026-12-06": the Monday and the Sunday of a week.
std::string WeekEntryName(const std::tm& monday, const std::tm& sunday);
// "2026-12-05 Saturday 05 Dec".
std::string DayEntryName(const std::tm& day);
// "Saturday, 05 Dec 2026\n\n": the header of one day in a week file.
std::string WeekDayHeader(const std::tm& day);

// Hands every entry of the diary's range, starting at the week or day that holds now (local
// time), to add, in date order. Dates step by calendar days, so a daylight-saving change never
// repeats or skips a date. Returns false when a local-time conversion failed; the run then
// stops and the entries handed over so far stay.
bool GenerateDiaryEntries(std::time_t now, const DiarySettings& settings,
                          const std::function<void(const DiaryEntry&)>& add);
