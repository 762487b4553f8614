// The hour items of the diary dialog and the checks of its OK.
#include "mainwindow/properties_input.h"

#include <gtest/gtest.h>

#include <string>

TEST(HourItemText, TwelveHourClockFromMidnight) {
    std::string items;
    for (int hour = 0; hour < kHourItemCount; ++hour)
        items += HourItemText(hour) + " ";
    EXPECT_EQ("12:00am 1:00am 2:00am 3:00am 4:00am 5:00am 6:00am 7:00am 8:00am 9:00am 10:00am "
              "11:00am 12:00pm 1:00pm 2:00pm 3:00pm 4:00pm 5:00pm 6:00pm 7:00pm 8:00pm 9:00pm "
              "10:00pm 11:00pm ",
              items);
}

TEST(CheckDiaryInput, CountFollowsTheViewAndHoursMustBeItemsInOrder) {
    using P = DiaryInputProblem;
    EXPECT_EQ(P::None, CheckDiaryInput(true, 52, 9, 17));
    EXPECT_EQ(P::TooManyWeeks, CheckDiaryInput(true, 53, 9, 17));
    EXPECT_EQ(P::None, CheckDiaryInput(false, 365, 9, 17));
    EXPECT_EQ(P::TooManyDays, CheckDiaryInput(false, 366, 17, 9));
    EXPECT_EQ(P::None, CheckDiaryInput(true, 0, 9, 9));
    EXPECT_EQ(P::HoursOutOfOrder, CheckDiaryInput(true, 52, 17, 9));
    EXPECT_EQ(P::HoursOutOfOrder, CheckDiaryInput(true, 52, -1, 17));
    EXPECT_EQ(P::HoursOutOfOrder, CheckDiaryInput(true, 52, 9, 24));
}
