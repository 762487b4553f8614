#include "mainwindow/diary_properties_dialog.h"

#include "mainwindow/properties_input.h"
#include "notes/diary_files.h"
#include "platform/lfile.h"
#include "platform/setting_text.h"
#include "platform/settings.h"
#include "resources/resource.h"

namespace {

const int kHelpContext = 102;

void FillHours(HWND box, int selected) {
    for (int hour = 0; hour < kHourItemCount; ++hour)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(HourItemText(hour).c_str()));
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

} // namespace

void DiaryPropertiesDialog::InitDialog() {
    const DiarySettings settings = ReadDiarySettings();
    CheckDlgButton(hwnd(), IDC_DIARY_WEEK, settings.weekPerView ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_DIARY_DAY, settings.weekPerView ? BST_UNCHECKED : BST_CHECKED);
    ShowCount(settings.weekPerView);
    FillHours(GetDlgItem(hwnd(), IDC_DIARY_HOUR_FROM), settings.hourFrom);
    FillHours(GetDlgItem(hwnd(), IDC_DIARY_HOUR_TO), settings.hourTo);
}

void DiaryPropertiesDialog::Command(int id, int) {
    if ((id == IDC_DIARY_WEEK || id == IDC_DIARY_DAY) &&
        IsDlgButtonChecked(hwnd(), id) == BST_CHECKED)
        ShowCount(id == IDC_DIARY_WEEK);
}

void DiaryPropertiesDialog::CmHelp() {
    DisplayHelpContents(kHelpContext);
}

bool DiaryPropertiesDialog::CmOk() {
    const bool week = IsDlgButtonChecked(hwnd(), IDC_DIARY_WEEK) == BST_CHECKED;
    WriteSetting(setting::kWeekPerView, week);
    char count[LFile::kPathSize];
    GetControlText(IDC_DIARY_COUNT, count);
    const int from = SelectedHour(IDC_DIARY_HOUR_FROM);
    const int to = SelectedHour(IDC_DIARY_HOUR_TO);
    switch (CheckDiaryInput(week, SettingTextToInt(count, 0), from, to)) {
    case DiaryInputProblem::TooManyWeeks:
        ShowMessage(hwnd(), "Number of weeks must be less than or equal to 52.",
                    "Invalid number of weeks", MB_OK | MB_ICONINFORMATION);
        return false;
    case DiaryInputProblem::TooManyDays:
        ShowMessage(hwnd(), "Number of days must be less than or equal to 365.",
                    "Invalid number of days", MB_OK | MB_ICONINFORMATION);
        return false;
    case DiaryInputProblem::HoursOutOfOrder:
        ShowMessage(hwnd(), "The end time must be later than the start time.", "Invalid input",
                    MB_OK | MB_ICONINFORMATION);
        return false;
    case DiaryInputProblem::None:
        break;
    }
    WriteSetting(setting::kHourFrom, from);
    WriteSetting(setting::kHourTo, to);
    // The count as typed: what the dialog shows next time.
    const IntSetting& stored = week ? setting::kNoOfWeeks : setting::kNoOfDays;
    SetSettingString(stored.section, stored.name, count);
    return true;
}

void DiaryPropertiesDialog::ShowCount(bool weekPerView) {
    // While no count is stored, the largest count accepted is proposed.
    const IntSetting& stored = weekPerView ? setting::kNoOfWeeks : setting::kNoOfDays;
    char count[LFile::kPathSize];
    GetSettingString(stored.section, stored.name, weekPerView ? "52" : "365", count);
    SetDlgItemTextA(hwnd(), IDC_DIARY_COUNT, count);
    SetDlgItemTextA(hwnd(), IDC_DIARY_COUNT_LABEL,
                    weekPerView ? "No. of weeks from this week:" : "No. of days from today:");
}

int DiaryPropertiesDialog::SelectedHour(int id) {
    HWND box = GetDlgItem(hwnd(), id);
    int hour = static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
    if (hour != CB_ERR) return hour;
    // The From box takes typed text: an hour item typed in full is that hour.
    char typed[LFile::kPathSize];
    GetControlText(id, typed);
    hour = static_cast<int>(SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(typed)));
    return hour == CB_ERR ? -1 : hour;
}
