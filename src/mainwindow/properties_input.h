// The pure halves of the Book Properties and Diary Properties dialogs: the stored form of a
// book's template, and what the Diary Properties dialog shows and accepts (the hour items of its
// two boxes and the checks of its OK).
#pragma once

#include <string>

// A book's template as it is stored: every colon that ends a line is followed by a space, the
// form of the diary's hour lines, so that the main window's Tab key lands after it.
// A copy of text with one space inserted after every ":" that is followed by the end of the text,
// a line feed or a carriage return. Nothing else changes, and nothing is cut.
std::string SpaceAfterLineEndColons(const std::string& text);

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
