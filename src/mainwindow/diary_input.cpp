#include "mainwindow/diary_input.h"

std::string HourItemText(int hour) {
    const int onClock = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(onClock) + (hour < 12 ? ":00am" : ":00pm");
}

DiaryInputProblem CheckDiaryInput(bool weekPerView, int count, int hourFrom, int hourTo) {
    if (weekPerView && count > kMaxDiaryWeeks) return DiaryInputProblem::TooManyWeeks;
    if (!weekPerView && count > kMaxDiaryDays) return DiaryInputProblem::TooManyDays;
    // An hour outside the items would be stored and then generate a day of impossible hours.
    const bool known =
        hourFrom >= 0 && hourFrom < kHourItemCount && hourTo >= 0 && hourTo < kHourItemCount;
    if (!known || hourFrom > hourTo) return DiaryInputProblem::HoursOutOfOrder;
    return DiaryInputProblem::None;
}
