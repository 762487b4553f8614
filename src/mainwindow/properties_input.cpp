#include "mainwindow/properties_input.h"

std::string SpaceAfterLineEndColons(const std::string& text) {
    std::string result;
    result.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] != ':') continue;
        const bool lineEnds = i + 1 == text.size() || text[i + 1] == '\n' || text[i + 1] == '\r';
        if (lineEnds) result += ' ';
    }
    return result;
}

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
