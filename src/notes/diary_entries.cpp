#include "notes/diary_entries.h"

#include <cstdio>

namespace {

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int ClampHour(int hour) {
    return hour < 0 ? 0 : hour > 23 ? 23 : hour;
}

std::string IsoDate(const std::tm& day) {
    char text[32];
    std::snprintf(text, sizeof text, "%d-%.2d-%.2d", day.tm_year + 1900, day.tm_mon + 1,
                  day.tm_mday);
    return text;
}

// The local date `days` calendar days after the date of `base`. The step is computed at noon,
// a time every date has whatever its daylight-saving change.
bool LocalDateAfter(const std::tm& base, int days, std::tm* date) {
    *date = base;
    date->tm_hour = 12;
    date->tm_min = 0;
    date->tm_sec = 0;
    date->tm_mday += days;
    date->tm_isdst = -1;
    return std::mktime(date) != static_cast<std::time_t>(-1);
}

bool GenerateWeeks(const std::tm& today, const DiarySettings& settings,
                   const std::function<void(const DiaryEntry&)>& add) {
    const int toMonday = today.tm_wday == 0 ? -6 : 1 - today.tm_wday;
    const std::string hours = DiaryHourLines(settings.hourFrom, settings.hourTo);
    for (int w = 0; w < settings.weeks; ++w) {
        const int monday = toMonday + 7 * w;
        std::tm first, last;
        if (!LocalDateAfter(today, monday, &first) || !LocalDateAfter(today, monday + 6, &last))
            return false;
        DiaryEntry entry{WeekEntryName(first, last), std::string()};
        for (int d = 0; d < 7; ++d) {
            std::tm day;
            if (!LocalDateAfter(today, monday + d, &day)) return false;
            entry.text += WeekDayHeader(day) + hours + "\n";
        }
        add(entry);
    }
    return true;
}

bool GenerateDays(const std::tm& today, const DiarySettings& settings,
                  const std::function<void(const DiaryEntry&)>& add) {
    const std::string hours = DiaryHourLines(settings.hourFrom, settings.hourTo);
    for (int i = 0; i < settings.days; ++i) {
        std::tm day;
        if (!LocalDateAfter(today, i, &day)) return false;
        add(DiaryEntry{DayEntryName(day), hours});
    }
    return true;
}

} // namespace

std::string DiaryHourLines(int hourFrom, int hourTo) {
    std::string lines;
    for (int h = ClampHour(hourFrom); h <= ClampHour(hourTo); ++h) {
        char line[32];
        int clock = h > 12 ? h - 12 : h == 0 ? 12 : h;
        std::snprintf(line, sizeof line, "%.2d.00%s: \n", clock, h < 12 ? "am" : "pm");
        lines += line;
    }
    return lines;
}

std::string WeekEntryName(const std::tm& monday, const std::tm& sunday) {
    return IsoDate(monday) + " - " + IsoDate(sunday);
}

std::string DayEntryName(const std::tm& day) {
    char text[64];
    std::snprintf(text, sizeof text, " %s %.2d %s", kWeekdays[day.tm_wday], day.tm_mday,
                  kMonths[day.tm_mon]);
    return IsoDate(day) + text;
}

std::string WeekDayHeader(const std::tm& day) {
    char text[64];
    std::snprintf(text, sizeof text, "%s, %.2d %s %d\n\n", kWeekdays[day.tm_wday], day.tm_mday,
                  kMonths[day.tm_mon], day.tm_year + 1900);
    return text;
}

bool GenerateDiaryEntries(std::time_t now, const DiarySettings& settings,
                          const std::function<void(const DiaryEntry&)>& add) {
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return false;
    const std::tm today = *local;
    return settings.weekPerView ? GenerateWeeks(today, settings, add)
                                : GenerateDays(today, settings, add);
}
