// LDialog's control helpers on the program's own templates.
#include "dialogs/ldialog.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Runs body inside a modal dialog of the given template, then closes it.
class Inside : public LDialog {
  public:
    explicit Inside(std::function<void(LDialog&)> body) : body_(std::move(body)) {}
    void InitDialog() override {
        body_(*this);
        PostMessageA(hwnd(), WM_COMMAND, IDCANCEL, 0);
    }

  private:
    std::function<void(LDialog&)> body_;
};

void RunInside(LPCSTR templateName, std::function<void(LDialog&)> body) {
    Inside dialog(std::move(body));
    dialog.Open(nullptr, templateName);
}

int ColumnWidth(HWND list, int column) {
    return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
}

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

// Sizes the list view so that its client area is width pixels wide.
void SetClientWidth(LDialog& d, HWND list, int width) {
    RECT client;
    d.MoveControl(IDC_NOTE_LIST, 0, 0, width, 200);
    GetClientRect(list, &client);
    d.MoveControl(IDC_NOTE_LIST, 0, 0, 2 * width - client.right, 200);
}

TEST(LVInsertColumns, WidthsAreSharesOfTheClientWidthAndOverflowingColumnsAreLeftOut) {
    RunInside(MAKEINTRESOURCEA(IDD_MAIN), [](LDialog& d) {
        HWND list = GetDlgItem(d.hwnd(), IDC_NOTE_LIST);
        SetClientWidth(d, list, 301);
        const char* const twoTitles[] = {"Name", "Text", nullptr};
        const int thirtySeventy[] = {30, 70};
        d.LVInsertColumns(IDC_NOTE_LIST, twoTitles, thirtySeventy);
        ASSERT_EQ(2, ColumnCount(list));
        EXPECT_EQ(90, ColumnWidth(list, 0));
        EXPECT_EQ(211, ColumnWidth(list, 1));

        d.LVSetColumnWidth(IDC_NOTE_LIST, 1, 150);
        EXPECT_EQ(150, ColumnWidth(list, 1));

        while (SendMessageA(list, LVM_DELETECOLUMN, 0, 0)) {
        }
        const char* const threeTitles[] = {"a", "b", "c", nullptr};
        const int overfull[] = {60, 40, 10};
        d.LVInsertColumns(IDC_NOTE_LIST, threeTitles, overfull);
        EXPECT_EQ(2, ColumnCount(list));
        char title[16] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ("b", title);
    });
}

TEST(LVSetSelection, SelectsAndFocusesOneItemOrNone) {
    RunInside(MAKEINTRESOURCEA(IDD_MAIN), [](LDialog& d) {
        HWND list = GetDlgItem(d.hwnd(), IDC_NOTE_LIST);
        const char* const titles[] = {"", nullptr};
        const int whole[] = {100};
        d.LVInsertColumns(IDC_NOTE_LIST, titles, whole);
        for (int i = 0; i < 4; ++i) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<char*>("note");
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        auto state = [&](int i) {
            return SendMessageA(list, LVM_GETITEMSTATE, i, LVIS_SELECTED | LVIS_FOCUSED);
        };
        auto selected = [&] { return SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0); };
        auto focused = [&] { return SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED); };

        d.LVSetSelection(IDC_NOTE_LIST, 0);
        d.LVSetSelection(IDC_NOTE_LIST, 2);
        EXPECT_EQ(LVIS_SELECTED | LVIS_FOCUSED, state(2));
        EXPECT_EQ(0, state(0));
        EXPECT_EQ(1, selected());

        d.LVSetSelection(IDC_NOTE_LIST, -1);
        EXPECT_EQ(0, selected());
        EXPECT_EQ(-1, focused());

        d.LVSetSelection(IDC_NOTE_LIST, 1);
        d.LVSetSelection(IDC_NOTE_LIST, 4);
        EXPECT_EQ(0, selected());
        EXPECT_EQ(-1, focused());
    });
}

TEST(GetControlText, CutsAt259CharactersAndNeverWritesPastTheBuffer) {
    RunInside(MAKEINTRESOURCEA(IDD_FIND), [](LDialog& d) {
        for (size_t length : {300u, 1000u}) {
            std::string text(length, 'x');
            SetDlgItemTextA(d.hwnd(), IDC_FIND_TEXT, text.c_str());
            char buffer[260 + 8];
            std::memset(buffer, '#', sizeof buffer);
            EXPECT_EQ(259, d.GetControlText(IDC_FIND_TEXT, buffer));
            EXPECT_EQ(std::string(259, 'x'), buffer);
            EXPECT_EQ(std::string(8, '#'), std::string(buffer + 260, 8));
        }
        char buffer[260] = "old";
        EXPECT_EQ(0, d.GetControlText(999, buffer));
        EXPECT_STREQ("", buffer);
    });
}

TEST(AddTool, TheSecondToolJoinsTheFirstToolsWindow) {
    RunInside(MAKEINTRESOURCEA(IDD_MAIN), [](LDialog& d) {
        HWND tips = nullptr;
        d.AddTool(tips, IDC_BOOK_LIST, "Current book.");
        ASSERT_NE(nullptr, tips);
        HWND first = tips;
        d.AddTool(tips, IDC_NOTE_NAME, "Note name.");
        EXPECT_EQ(first, tips);
        EXPECT_EQ(2, SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
        EXPECT_EQ(d.hwnd(), GetWindow(tips, GW_OWNER));
        EXPECT_TRUE(GetWindowLongA(tips, GWL_EXSTYLE) & WS_EX_TOPMOST);

        char text[64] = "";
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = d.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(d.hwnd(), IDC_NOTE_NAME));
        tool.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ("Note name.", text);
        DestroyWindow(tips);
    });
}

} // namespace

TEST(ShowMessage, IsOwnedByTheWindowOnlyWhileItIsVisible) {
    HWND window = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                  100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    std::vector<HWND> owners;
    auto recordOwner = [&owners](HWND box) {
        owners.push_back(GetWindow(box, GW_OWNER));
        testkit::PressButton(box, IDOK);
    };
    {
        testkit::DialogScript script({recordOwner, recordOwner, recordOwner});
        EXPECT_EQ(IDOK, ShowMessage(window, "Shown", "Visible", MB_OK));
        ShowWindow(window, SW_HIDE); // as in the tray
        EXPECT_EQ(IDOK, ShowMessage(window, "Hidden", "Hidden", MB_OK));
        EXPECT_EQ(IDOK, ShowMessage(nullptr, "None", "None", MB_OK));
        EXPECT_EQ(0, script.unexpected());
    }
    DestroyWindow(window);
    EXPECT_EQ((std::vector<HWND>{window, nullptr, nullptr}), owners);
}
