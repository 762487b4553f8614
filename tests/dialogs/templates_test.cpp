// Every dialog template of the program: it loads, carries the controls the code relies on, and
// its texts fit their controls without overlapping. Each one is also saved as a screenshot
// (build folder, tests/dialogs/screenshots) for a person to look at.
#include "resources/resource.h"
#include "testkit/gui.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// This program's windows are unmanaged: captions show in the screenshots, closing is quick.
const bool kUnmanaged = testkit::UseUnmanagedWindows();

struct Control {
    int id;
    const char* className;
    const char* text; // nullptr: not looked at
};

struct Template {
    LPCSTR name;
    const char* shot;
    const char* caption;
    std::vector<Control> controls;
};

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::string Text(HWND window) {
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64];
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The room a control's text needs, measured in the control's own font.
SIZE TextExtent(HWND control, int wrapWidth) {
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    std::string text = Text(control);
    RECT rect = {0, 0, wrapWidth > 0 ? wrapWidth : 10000, 0};
    DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : 0));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return SIZE{rect.right, rect.bottom};
}

bool IsGroupBox(HWND control) {
    return ClassOf(control) == "Button" &&
           (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void ExpectTextsFit(HWND dialog, const char* shot) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string text = Text(child);
        if (text.empty()) continue;
        RECT client;
        GetClientRect(child, &client);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (ClassOf(child) == "Button") {
            LONG kind = style & BS_TYPEMASK;
            int room = kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON ? 6
                       : kind == BS_GROUPBOX                             ? 16
                                                                         : 20;
            EXPECT_LE(TextExtent(child, 0).cx + room, client.right) << shot << ": " << text;
        } else if (ClassOf(child) == "Static" && (style & SS_TYPEMASK) <= SS_RIGHT) {
            EXPECT_LE(TextExtent(child, client.right).cy, client.bottom) << shot << ": " << text;
        }
    }
}

void ExpectNoOverlaps(HWND dialog, const char* shot, bool insideClient) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && !IsGroupBox(child)) children.push_back(child);
    RECT client;
    GetClientRect(dialog, &client);
    for (size_t i = 0; i < children.size(); ++i) {
        RECT a = ChildRect(dialog, children[i]), overlap;
        if (insideClient) {
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right &&
                        a.bottom <= client.bottom)
                << shot << ": control " << GetDlgCtrlID(children[i]) << " \"" << Text(children[i])
                << "\" at " << a.left << "," << a.top << "-" << a.right << "," << a.bottom
                << " leaves the dialog " << client.right << "x" << client.bottom;
        }
        for (size_t j = i + 1; j < children.size(); ++j) {
            RECT b = ChildRect(dialog, children[j]);
            EXPECT_FALSE(IntersectRect(&overlap, &a, &b))
                << shot << ": controls " << GetDlgCtrlID(children[i]) << " \"" << Text(children[i])
                << "\" and " << GetDlgCtrlID(children[j]) << " \"" << Text(children[j])
                << "\" overlap";
        }
    }
}

const Template kTemplates[] = {
    {MAKEINTRESOURCEA(IDD_MAIN),
     "1-main",
     "Quillmark",
     {{IDC_BOOK_LIST, "ComboBox", nullptr},
      {IDC_NOTE_LIST, "SysListView32", nullptr},
      {IDC_NOTE_TEXT, "RichEdit20A", nullptr},
      {IDC_NOTE_NAME, "Edit", nullptr},
      {IDC_NOTE_NEW, "Button", "New"},
      {IDC_NOTE_DELETE, "Button", "Delete"},
      {IDC_STATUS_LINK, "Static", nullptr}}},
    {MAKEINTRESOURCEA(IDD_PRINT_BOOK),
     "2-print-book",
     "Print Book",
     {{IDOK, "Button", "Print"},
      {IDCANCEL, "Button", "Cancel"},
      {IDC_PRINT_PAGE_BREAKS, "Button", "Insert page breaks between notes"},
      {IDC_PRINT_NO_PAGE_BREAKS, "Button", "Print notes without page breaks"}}},
    {MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY),
     "3-change-hot-key",
     "Change Hot Key",
     {{IDCANCEL, "Button", "Cancel"}}},
    {MAKEINTRESOURCEA(IDD_FIND),
     "4-find",
     "Find",
     {{IDC_FIND_TEXT, "Edit", ""},
      {IDOK, "Button", "Find"},
      {IDCANCEL, "Button", "Cancel"},
      {IDC_FIND_MATCH_CASE, "Button", "Match case"},
      {IDC_FIND_SCOPE_NOTE, "Button", "Search through current note only"},
      {IDC_FIND_SCOPE_BOOK, "Button", "Search through all notes in this book"}}},
    {MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES),
     "5-book-properties",
     "Book Properties",
     {{IDC_BOOK_FOLDER, "Edit", ""},
      {IDC_BOOK_BROWSE, "Button", "Browse"},
      {IDC_BOOK_READ_ONLY, "Button", "Read only book folder"},
      {IDC_BOOK_TEMPLATE, "Edit", ""},
      {IDOK, "Button", "OK"},
      {IDCANCEL, "Button", "Cancel"},
      {IDC_HELP_BUTTON, "Button", "Help"}}},
    {MAKEINTRESOURCEA(IDD_DIARY_PROPERTIES),
     "6-diary-properties",
     "Diary Properties",
     {{IDC_DIARY_WEEK, "Button", "Week per view"},
      {IDC_DIARY_DAY, "Button", "Day per view"},
      {IDC_DIARY_COUNT_LABEL, "Static", "No. of weeks from this week:"},
      {IDC_DIARY_COUNT, "Edit", ""},
      {IDC_DIARY_HOUR_FROM, "ComboBox", nullptr},
      {IDC_DIARY_HOUR_TO, "ComboBox", nullptr},
      {IDOK, "Button", "OK"},
      {IDCANCEL, "Button", "Cancel"},
      {IDC_HELP_BUTTON, "Button", "Help"}}},
    {"AboutDlg", "about", "About Quillmark", {{IDOK, "Button", "OK"}}},
    {"LTextEditDlg",
     "text-edit",
     "",
     {{IDC_TEXT_EDIT, "Edit", ""}, {IDOK, "Button", "OK"}, {IDCANCEL, "Button", "Cancel"}}},
    {"LicenceTermsDlg",
     "licence-terms",
     "Quillmark Software Licence Terms",
     {{IDC_LICENCE_AGREE, "Button", "I &agree with these terms"},
      {IDC_LICENCE_DISAGREE, "Button", "I do not agree with these terms"},
      {IDOK, "Button", "&Next >"},
      {IDCANCEL, "Button", "Cancel"}}},
    {"LProgressDialog",
     "progress",
     "",
     {{IDC_PROGRESS_LINE0, "Static", ""},
      {IDC_PROGRESS_LINE1, "Static", ""},
      {IDC_PROGRESS_BAR, "msctls_progress32", nullptr},
      {IDCANCEL, "Button", "Cancel"}}},
};

// Fills what the program fills at run time, so that the screenshot shows the dialog in use.
void FillLikeTheProgram(HWND dialog, const char* shot) {
    std::string name = shot;
    if (name == "text-edit") {
        SetWindowTextA(dialog, "New Book Name");
        SetDlgItemTextA(dialog, IDC_TEXT_EDIT, "Phone Book");
    } else if (name == "progress") {
        SetWindowTextA(dialog, "Installing");
        SetDlgItemTextA(dialog, IDC_PROGRESS_LINE0, "Installing Quillmark");
        SetDlgItemTextA(dialog, IDC_PROGRESS_LINE1, "qmark.exe");
        SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETPOS, 40, 0);
    } else if (name == "1-main") {
        SetDlgItemTextA(dialog, IDC_STATUS_LINK, "Quillmark v 1.01");
        SetDlgItemTextA(dialog, IDC_NOTE_NAME, "Shopping");
    }
}

TEST(Templates, EveryTemplateLoadsWithItsControlsAndTextsThatFit) {
    LoadLibraryA("riched20.dll");
    InitCommonControls();
    for (const Template& t : kTemplates) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), t.name, nullptr, PlainProc, 0);
        ASSERT_NE(nullptr, dialog) << t.shot;
        EXPECT_EQ(t.caption, Text(dialog)) << t.shot;
        for (const Control& c : t.controls) {
            HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(nullptr, control) << t.shot << ": " << c.id;
            EXPECT_STRCASEEQ(c.className, ClassOf(control).c_str()) << t.shot << ": " << c.id;
            if (c.text != nullptr) {
                EXPECT_EQ(c.text, Text(control)) << t.shot << ": " << c.id;
            }
        }
        FillLikeTheProgram(dialog, t.shot);
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
        testkit::PumpPending();
        ExpectTextsFit(dialog, t.shot);
        // The main window places its controls itself when it opens.
        ExpectNoOverlaps(dialog, t.shot, t.name != MAKEINTRESOURCEA(IDD_MAIN));
        EXPECT_NE("", testkit::SaveScreenImage(dialog, t.shot)) << t.shot;
        DestroyWindow(dialog);
    }
}

TEST(Templates, MenusCarryTheirCommands) {
    const struct {
        int menu;
        std::vector<int> commands;
    } menus[] = {
        {IDR_MAIN_MENU,
         {IDM_NOTE_NEW, IDM_BOOK_NEW_DIARY, IDM_HOT_KEY_TOGGLE, IDM_EXIT, IDM_SELECT_ALL,
          IDM_FIND_NEXT, IDM_HELP_CONTENTS, IDM_WEB_PRODUCT8, IDM_WEB_MAKER_HOME, IDM_HELP_ABOUT}},
        {IDR_NOTE_LIST_MENU, {IDM_NOTE_NEW, IDM_NOTE_DELETE, IDM_NOTE_PRINT}},
        {IDR_WEB_LINKS_MENU,
         {IDM_WEB_HOME, IDM_WEB_SUPPORT, IDM_WEB_PRODUCT1, IDM_WEB_MORE_SOFTWARE,
          IDM_WEB_MAKER_HOME}},
        {IDR_TRAY_MENU, {IDM_OPEN, IDM_CLOSE, IDM_EXIT}},
        {IDR_NOTE_TEXT_MENU, {IDM_UNDO, IDM_CUT, IDM_CLEAR, IDM_SELECT_ALL, IDM_NOTE_PRINT}},
    };
    for (const auto& m : menus) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m.menu));
        ASSERT_NE(nullptr, menu) << m.menu;
        for (int command : m.commands)
            EXPECT_NE(static_cast<UINT>(-1), GetMenuState(menu, command, MF_BYCOMMAND))
                << "menu " << m.menu << " lacks " << command;
        DestroyMenu(menu);
    }
    HMENU main = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    char label[64] = "";
    GetMenuStringA(main, IDM_BOOK_PRINT, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ("Print Book\tCtrl+Shift+P", label);
    GetMenuStringA(main, IDM_HELP_CONTENTS, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ("&Help Contents F1", label);
    DestroyMenu(main);
}

} // namespace
