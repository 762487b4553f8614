// The Diary Properties dialog: what it shows, the checks of its OK and what it stores.
#include "mainwindow/diary_properties_dialog.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/dialog_watch.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <functional>
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
    HWND box = GetDlgItem(dialog, id);
    LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "<none>";
    char text[64];
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
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

// Records every answer of CmOk.
class DiaryProbe : public DiaryPropertiesDialog {
  public:
    bool CmOk() override {
        oks.push_back(DiaryPropertiesDialog::CmOk());
        storedWeekPerView.push_back(Stored("WeekPerView"));
        return oks.back();
    }
    std::vector<bool> oks;
    std::vector<std::string> storedWeekPerView;
};

// Sets the number and the hours, then presses OK and waits for its answer; a refusal's message
// box is the next step of the script.
void TryOk(HWND dialog, const char* count, int from, int to) {
    SetDlgItemTextA(dialog, IDC_DIARY_COUNT, count);
    SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_FROM, CB_SETCURSEL, from, 0);
    SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_TO, CB_SETCURSEL, to, 0);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST(DiaryPropertiesDialog, WithoutSettingsShowsWeekPerView52AndNineToFive) {
    std::vector<std::string> items;
    std::string weekCount, weekLabel, from, to, dayCount, dayLabel, backCount;
    bool week = false, day = true;
    DialogScript script({[&](HWND dialog) {
        week = IsDlgButtonChecked(dialog, IDC_DIARY_WEEK) == BST_CHECKED;
        day = IsDlgButtonChecked(dialog, IDC_DIARY_DAY) == BST_CHECKED;
        weekCount = ItemText(dialog, IDC_DIARY_COUNT);
        weekLabel = ItemText(dialog, IDC_DIARY_COUNT_LABEL);
        from = Selected(dialog, IDC_DIARY_HOUR_FROM);
        to = Selected(dialog, IDC_DIARY_HOUR_TO);
        for (int id : {IDC_DIARY_HOUR_FROM, IDC_DIARY_HOUR_TO}) {
            int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                char text[64];
                SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                items.push_back(text);
            }
        }
        testkit::SaveScreenImage(dialog, "diary-properties");
        // A number typed before switching is dropped.
        SetDlgItemTextA(dialog, IDC_DIARY_COUNT, "7");
        Click(dialog, IDC_DIARY_DAY);
        dayCount = ItemText(dialog, IDC_DIARY_COUNT);
        dayLabel = ItemText(dialog, IDC_DIARY_COUNT_LABEL);
        Click(dialog, IDC_DIARY_WEEK);
        backCount = ItemText(dialog, IDC_DIARY_COUNT);
        testkit::PressButton(dialog, IDCANCEL);
    }});
    DiaryPropertiesDialog dialog;
    EXPECT_FALSE(dialog.Open(nullptr, kTemplate));
    EXPECT_TRUE(week);
    EXPECT_FALSE(day);
    EXPECT_EQ("52", weekCount);
    EXPECT_EQ("No. of weeks from this week:", weekLabel);
    EXPECT_EQ("9:00am", from);
    EXPECT_EQ("5:00pm", to);
    ASSERT_EQ(48u, items.size());
    EXPECT_EQ("12:00am", items[0]);
    EXPECT_EQ("11:00am", items[11]);
    EXPECT_EQ("12:00pm", items[12]);
    EXPECT_EQ("11:00pm", items[23]);
    EXPECT_EQ(std::vector<std::string>(items.begin(), items.begin() + 24),
              std::vector<std::string>(items.begin() + 24, items.end()));
    EXPECT_EQ("365", dayCount);
    EXPECT_EQ("No. of days from today:", dayLabel);
    EXPECT_EQ("52", backCount);
    // Cancel stores nothing, not even the view.
    EXPECT_EQ("<absent>", Stored("WeekPerView"));
}

TEST(DiaryPropertiesDialog, StoredSettingsAreShownAsStored) {
    SetSettingBool("Settings", "WeekPerView", false);
    SetSettingString("Settings", "NoOfDays", "");
    SetSettingString("Settings", "NoOfWeeks", "8");
    SetSettingInt("Settings", "HourFrom", 0);
    SetSettingInt("Settings", "HourTo", 23);
    std::string dayCount, weekCount, from, to;
    bool day = false;
    DialogScript script({[&](HWND dialog) {
        day = IsDlgButtonChecked(dialog, IDC_DIARY_DAY) == BST_CHECKED;
        dayCount = ItemText(dialog, IDC_DIARY_COUNT);
        from = Selected(dialog, IDC_DIARY_HOUR_FROM);
        to = Selected(dialog, IDC_DIARY_HOUR_TO);
        Click(dialog, IDC_DIARY_WEEK);
        weekCount = ItemText(dialog, IDC_DIARY_COUNT);
        testkit::PressButton(dialog, IDCANCEL);
    }});
    DiaryPropertiesDialog dialog;
    EXPECT_FALSE(dialog.Open(nullptr, kTemplate));
    EXPECT_TRUE(day);
    EXPECT_EQ("", dayCount);
    EXPECT_EQ("8", weekCount);
    EXPECT_EQ("12:00am", from);
    EXPECT_EQ("11:00pm", to);
}

TEST(DiaryPropertiesDialog, TooManyWeeksIsRefusedButTheViewIsStoredAtEveryOk) {
    DialogScript script({[](HWND dialog) {
                             TryOk(dialog, "53", 9, 17);
                             TryOk(dialog, "52", 9, 17);
                         },
                         DialogScript::Press(IDOK)});
    DiaryProbe dialog;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<bool>{false, true}), dialog.oks);
    EXPECT_EQ((std::vector<std::string>{"1", "1"}), dialog.storedWeekPerView);
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Invalid number of weeks", script.seen()[1].caption);
    EXPECT_EQ("Number of weeks must be less than or equal to 52.", script.seen()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), script.seen()[1].icon);
    EXPECT_EQ("52", Stored("NoOfWeeks"));
    EXPECT_EQ("9", Stored("HourFrom"));
    EXPECT_EQ("17", Stored("HourTo"));
    EXPECT_EQ("<absent>", Stored("NoOfDays"));
}

TEST(DiaryPropertiesDialog, DaysAndHoursAreCheckedAndEqualHoursAndAnEmptyCountAccepted) {
    std::string storedAfterRefusals;
    DialogScript script({[&](HWND dialog) {
                             Click(dialog, IDC_DIARY_DAY);
                             TryOk(dialog, "366", 9, 17);
                             TryOk(dialog, "365", 17, 9);
                             storedAfterRefusals = Stored("NoOfDays") + Stored("HourFrom");
                             TryOk(dialog, "", 9, 9);
                         },
                         DialogScript::Press(IDOK), DialogScript::Press(IDOK)});
    DiaryProbe dialog;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ((std::vector<bool>{false, false, true}), dialog.oks);
    EXPECT_EQ("0", dialog.storedWeekPerView[0]);
    ASSERT_EQ(3u, script.seen().size());
    EXPECT_EQ("Invalid number of days", script.seen()[1].caption);
    EXPECT_EQ("Number of days must be less than or equal to 365.", script.seen()[1].text);
    EXPECT_EQ("Invalid input", script.seen()[2].caption);
    EXPECT_EQ("The end time must be later than the start time.", script.seen()[2].text);
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
    LRESULT selectionAfterTyping = 0;
    DialogScript script({[&](HWND dialog) {
                             TypeFrom(dialog, "half nine");
                             selectionAfterTyping = SendDlgItemMessageA(dialog, IDC_DIARY_HOUR_FROM,
                                                                        CB_GETCURSEL, 0, 0);
                             SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                             TypeFrom(dialog, "5:00pm");
                             SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                         },
                         DialogScript::Press(IDOK)});
    DiaryProbe dialog;
    EXPECT_TRUE(dialog.Open(nullptr, kTemplate));
    EXPECT_EQ(CB_ERR, selectionAfterTyping);
    EXPECT_EQ((std::vector<bool>{false, true}), dialog.oks);
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Invalid input", script.seen()[1].caption);
    EXPECT_EQ("17", Stored("HourFrom"));
    EXPECT_EQ("17", Stored("HourTo"));
}

} // namespace
