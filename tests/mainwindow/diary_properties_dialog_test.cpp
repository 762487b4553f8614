// The Diary Properties dialog: what it shows, the checks of its OK and what it stores.
#include "mainwindow/diary_properties_dialog.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

const LPCSTR kTemplate = MAKEINTRESOURCEA(IDD_DIARY_PROPERTIES);

std::string ItemText(HWND dialog, int id) {
    char text[260];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string Selected(HWND dialog, int id) {
    char text[64] = "<none>";
    LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Stored(const char* name) {
    char text[260];
    GetSettingString("Settings", name, "<absent>", text);
    return text;
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Records every answer of CmOk, with the view stored at that moment.
class DiaryProbe : public DiaryPropertiesDialog {
  public:
    bool CmOk() override {
        oks.push_back(DiaryPropertiesDialog::CmOk());
        oks.push_back(Stored("WeekPerView") == "1");
        return oks[oks.size() - 2];
    }
    std::vector<bool> oks; // pairs: accepted, week per view stored
};

TEST(DiaryPropertiesDialog, WithoutSettingsShowsWeekPerView52AndNineToFive) {
    std::vector<std::string> shown;
    int items = 0;
    DialogScript script({[&](HWND dialog) {
        shown = {std::to_string(IsDlgButtonChecked(dialog, IDC_DIARY_WEEK)),
                 ItemText(dialog, IDC_DIARY_COUNT_LABEL), ItemText(dialog, IDC_DIARY_COUNT),
                 Selected(dialog, IDC_DIARY_HOUR_FROM), Selected(dialog, IDC_DIARY_HOUR_TO)};
        items =
            static_cast<int>(SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_FROM, CB_GETCOUNT, 0, 0) +
                             SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_TO, CB_GETCOUNT, 0, 0));
        testkit::SaveScreenImage(dialog, "diary-properties");
        SetDlgItemTextA(dialog, IDC_DIARY_COUNT, "7"); // dropped by switching
        Click(dialog, IDC_DIARY_DAY);
        shown.push_back(ItemText(dialog, IDC_DIARY_COUNT_LABEL));
        shown.push_back(ItemText(dialog, IDC_DIARY_COUNT));
        testkit::PressButton(dialog, IDCANCEL);
    }});
    DiaryPropertiesDialog dialog;
    EXPECT_FALSE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<std::string>{"1", "No. of weeks from this week:", "52", "9:00am",
                                        "5:00pm", "No. of days from today:", "365"}),
              shown);
    EXPECT_EQ(48, items);
    EXPECT_EQ("<absent>", Stored("WeekPerView")); // Cancel stores nothing
}

// Sets the number and the hours, then presses OK and waits for its answer; a refusal's message
// box is the next step of the script.
void TryOk(HWND dialog, const char* count, int from, int to) {
    SetDlgItemTextA(dialog, IDC_DIARY_COUNT, count);
    SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_FROM, CB_SETCURSEL, from, 0);
    SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_TO, CB_SETCURSEL, to, 0);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST(DiaryPropertiesDialog, RefusedNumbersAndHoursStoreOnlyTheViewEmptyAndEqualAreAccepted) {
    std::string storedAfterRefusals;
    DialogScript script({[&](HWND dialog) {
                             TryOk(dialog, "53", 9, 17);
                             Click(dialog, IDC_DIARY_DAY);
                             TryOk(dialog, "366", 9, 17);
                             TryOk(dialog, "365", 17, 9);
                             storedAfterRefusals = Stored("NoOfDays") + Stored("HourFrom");
                             TryOk(dialog, "", 9, 9);
                         },
                         DialogScript::Press(IDOK), DialogScript::Press(IDOK),
                         DialogScript::Press(IDOK)});
    DiaryProbe dialog;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<bool>{false, true, false, false, false, false, true, false}),
              dialog.oks);
    const auto& seen = script.seen();
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Invalid number of weeks", seen[1].caption);
    EXPECT_EQ("Number of weeks must be less than or equal to 52.", seen[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), seen[1].icon);
    EXPECT_EQ("Invalid number of days", seen[2].caption);
    EXPECT_EQ("Number of days must be less than or equal to 365.", seen[2].text);
    EXPECT_EQ("Invalid input", seen[3].caption);
    EXPECT_EQ("The end time must be later than the start time.", seen[3].text);
    EXPECT_EQ("<absent><absent>", storedAfterRefusals);
    EXPECT_EQ("", Stored("NoOfDays"));
    EXPECT_EQ("9", Stored("HourFrom"));
    EXPECT_EQ("9", Stored("HourTo"));
    EXPECT_EQ("<absent>", Stored("NoOfWeeks"));
}

// Types into the From box's edit field as a user would, replacing what it shows.
void TypeFrom(HWND dialog, const char* text) {
    HWND edit = GetWindow(GetDlgItem(dialog, IDC_DIARY_HOUR_FROM), GW_CHILD);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    testkit::PostText(edit, text);
    testkit::PumpPending();
}

TEST(DiaryPropertiesDialog, TypedFromTextCountsOnlyWhenItIsAnHour) {
    SetSettingString("Settings", "NoOfWeeks", "8");
    DialogScript script({[&](HWND dialog) {
                             TypeFrom(dialog, "half nine");
                             SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                             TypeFrom(dialog, "5:00pm");
                             SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                         },
                         DialogScript::Press(IDOK)});
    DiaryProbe dialog;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<bool>{false, true, true, true}), dialog.oks);
    EXPECT_EQ("Invalid input", script.seen().at(1).caption);
    EXPECT_EQ("17", Stored("HourFrom"));
    EXPECT_EQ("8", Stored("NoOfWeeks"));
}

} // namespace
