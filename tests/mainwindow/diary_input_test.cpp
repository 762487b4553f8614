// The hour items of the diary dialog and the checks of its OK.
#include "mainwindow/diary_input.h"

#include <gtest/gtest.h>

namespace {

TEST(HourItemText, TwelveHourClockFromMidnight) {
    EXPECT_EQ("12:00am", HourItemText(0));
    EXPECT_EQ("1:00am", HourItemText(1));
    EXPECT_EQ("9:00am", HourItemText(9));
    EXPECT_EQ("11:00am", HourItemText(11));
    EXPECT_EQ("12:00pm", HourItemText(12));
    EXPECT_EQ("5:00pm", HourItemText(17));
    EXPECT_EQ("11:00pm", HourItemText(23));
}

TEST(CheckDiaryInput, LimitsOfTheCountFollowTheView) {
    EXPECT_EQ(DiaryInputProblem::None, CheckDiaryInput(true, 52, 9, 17));
    EXPECT_EQ(DiaryInputProblem::TooManyWeeks, CheckDiaryInput(true, 53, 9, 17));
    EXPECT_EQ(DiaryInputProblem::None, CheckDiaryInput(true, 0, 9, 17));
    // 365 weeks is too many, 365 days is not.
    EXPECT_EQ(DiaryInputProblem::TooManyWeeks, CheckDiaryInput(true, 365, 9, 17));
    EXPECT_EQ(DiaryInputProblem::None, CheckDiaryInput(false, 365, 9, 17));
    EXPECT_EQ(DiaryInputProblem::TooManyDays, CheckDiaryInput(false, 366, 9, 17));
    // The count is looked at before the hours.
    EXPECT_EQ(DiaryInputProblem::TooManyDays, CheckDiaryInput(false, 366, 17, 9));
}

TEST(CheckDiaryInput, HoursMustBeItemsInOrder) {
    EXPECT_EQ(DiaryInputProblem::HoursOutOfOrder, CheckDiaryInput(true, 52, 17, 9));
    EXPECT_EQ(DiaryInputProblem::None, CheckDiaryInput(true, 52, 9, 9));
    EXPECT_EQ(DiaryInputProblem::None, CheckDiaryInput(true, 52, 0, 23));
    EXPECT_EQ(DiaryInputProblem::HoursOutOfOrder, CheckDiaryInput(true, 52, -1, 17));
    EXPECT_EQ(DiaryInputProblem::HoursOutOfOrder, CheckDiaryInput(true, 52, 9, -1));
    EXPECT_EQ(DiaryInputProblem::HoursOutOfOrder, CheckDiaryInput(true, 52, 9, 24));
}

} // namespace
