// Every dialog template of the program: it loads, and its texts fit their controls, which do not
// overlap. Each one is also saved as a screenshot
// (build folder, tests/dialogs/screenshots) for a person to look at.
#include "resources/resource.h"
#include "testkit/gui.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// This program's windows are unmanaged: captions show in the screenshots, closing is quick.

struct Template {
    LPCSTR name;
    const char* shot;
    const char* caption;
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
    {MAKEINTRESOURCEA(IDD_MAIN), "1-main", "Quillmark"},
    {MAKEINTRESOURCEA(IDD_PRINT_BOOK), "2-print-book", "Print Book"},
    {MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY), "3-change-hot-key", "Change Hot Key"},
    {MAKEINTRESOURCEA(IDD_FIND), "4-find", "Find"},
    {MAKEINTRESOURCEA(IDD_BOOK_PROPERTIES), "5-book-properties", "Book Properties"},
    {MAKEINTRESOURCEA(IDD_DIARY_PROPERTIES), "6-diary-properties", "Diary Properties"},
    {"AboutDlg", "about", "About Quillmark"},
    {"LTextEditDlg", "text-edit", ""},
    {"LicenceTermsDlg", "licence-terms", "Quillmark Software Licence Terms"},
    {"LProgressDialog", "progress", ""},
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

TEST(Templates, EveryTemplateLoadsAndItsTextsFitWithoutOverlapping) {
    LoadLibraryA("riched20.dll");
    InitCommonControls();
    for (const Template& t : kTemplates) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), t.name, nullptr, PlainProc, 0);
        ASSERT_NE(nullptr, dialog) << t.shot;
        EXPECT_EQ(t.caption, Text(dialog)) << t.shot;
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

} // namespace
