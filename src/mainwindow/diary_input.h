// What the Diary Properties dialog shows and accepts: the hour items of its two boxes and the
// checks of its OK.
#pragma once

#include <string>

constexpr int kHourItemCount = 24;
constexpr int kMaxDiaryWeeks = 52;
constexpr int kMaxDiaryDays = 365;

// The item of hour 0..23: "12:00am", "1:00am" .. "11:00am", "12:00pm", "1:00pm" .. "11:00pm".
std::string HourItemText(int hour);

enum class DiaryInputProblem {
    None,
    TooManyWeeks,    // more than 52 weeks
    TooManyDays,     // more than 365 days
    HoursOutOfOrder, // the first hour is after the last one, or either is not an hour item
};

// count: the number typed; hourFrom, hourTo: the selected item indexes (-1 when none is).
DiaryInputProblem CheckDiaryInput(bool weekPerView, int count, int hourFrom, int hourTo);
