// The main window's life: placement, stored moves and sizes, the status line, the first-use
// books, "/logon", Close and the look of the window.
#include "mainwindow/main_dialog_probe.h"
#include "mainwindow/main_window_kit.h"

#include "notes/book_list.h"
#include "platform/settings.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

using mainkit::Do;
using mainkit::WaitFor;

RECT WindowRect(MainDialog& dialog) {
    RECT rect = {};
    GetWindowRect(dialog.hwnd(), &rect);
    return rect;
}

RECT Desktop() {
    RECT rect;
    GetWindowRect(GetDesktopWindow(), &rect);
    return rect;
}

int Setting(const char* name) {
    return GetSettingInt("Settings", name, -12345);
}

void StorePlacement(int x, int y, int width, int height) {
    SetSettingInt("Settings", "WindowX", x);
    SetSettingInt("Settings", "WindowY", y);
    SetSettingInt("Settings", "WindowWidth", width);
    SetSettingInt("Settings", "WindowHeight", height);
}

TEST(MainWindowPlacement, FirstStartAt50x50With532x307AndControlsFillTheWindow) {
    mainkit::AddBook("Work", {{"Shopping", "milk"}});
    RECT rect = {}, client = {}, text = {}, status = {};
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        rect = WindowRect(dialog);
        GetClientRect(dialog.hwnd(), &client);
        GetWindowRect(mainkit::Control(dialog, IDC_NOTE_TEXT), &text);
        GetWindowRect(mainkit::Control(dialog, IDC_STATUS_LINK), &status);
        MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&text), 2);
        MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&status), 2);
    })}));
    EXPECT_EQ(50, rect.left);
    EXPECT_EQ(50, rect.top);
    EXPECT_EQ(532, rect.right - rect.left);
    EXPECT_EQ(307, rect.bottom - rect.top);
    EXPECT_EQ(client.right, text.right);
    EXPECT_EQ(client.bottom, status.bottom);
    EXPECT_EQ(text.bottom + 2, status.top);
}

TEST(MainWindowPlacement, StoredPlaceIsKeptOnTheDesktop) {
    mainkit::AddBook("Work", {});
    const RECT desktop = Desktop();
    RECT past = {}, negative = {}, huge = {};
    StorePlacement(desktop.right - 100, desktop.bottom - 50, 400, 300);
    mainkit::RunMainWindow({Do([&](MainDialog& dialog) { past = WindowRect(dialog); })});
    StorePlacement(-30, -7, 400, 300);
    mainkit::RunMainWindow({Do([&](MainDialog& dialog) { negative = WindowRect(dialog); })});
    // The system keeps a window at most a little larger than the screen.
    StorePlacement(10, 10, desktop.right + 10, 300);
    mainkit::RunMainWindow({Do([&](MainDialog& dialog) { huge = WindowRect(dialog); })});

    EXPECT_EQ(desktop.right, past.right);
    EXPECT_EQ(desktop.bottom, past.bottom);
    EXPECT_EQ(400, past.right - past.left);
    EXPECT_EQ(0, negative.left);
    EXPECT_EQ(0, negative.top);
    EXPECT_EQ(0, huge.left);
    EXPECT_EQ(desktop.right + 10, huge.right - huge.left);
}

TEST(MainWindowPlacement, MovingStoresOnlyThePositionAndResizingOnlyTheSize) {
    mainkit::AddBook("Work", {});
    int afterMove[4] = {}, afterSize[4] = {};
    RECT text = {}, client = {};
    auto read = [](int* values) {
        const char* names[] = {"WindowX", "WindowY", "WindowWidth", "WindowHeight"};
        for (int i = 0; i < 4; ++i)
            values[i] = Setting(names[i]);
    };
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            StorePlacement(1, 2, 3, 4);
            SetWindowPos(dialog.hwnd(), nullptr, 120, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            read(afterMove);
            StorePlacement(1, 2, 3, 4);
            SetWindowPos(dialog.hwnd(), nullptr, 0, 0, 640, 420, SWP_NOMOVE | SWP_NOZORDER);
            read(afterSize);
            GetClientRect(dialog.hwnd(), &client);
            GetWindowRect(mainkit::Control(dialog, IDC_NOTE_TEXT), &text);
            MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&text), 2);
        }),
    }));
    EXPECT_EQ(120, afterMove[0]);
    EXPECT_EQ(130, afterMove[1]);
    EXPECT_EQ(3, afterMove[2]);
    EXPECT_EQ(4, afterMove[3]);
    EXPECT_EQ(1, afterSize[0]);
    EXPECT_EQ(2, afterSize[1]);
    EXPECT_EQ(640, afterSize[2]);
    EXPECT_EQ(420, afterSize[3]);
    EXPECT_EQ(client.right, text.right); // laid out again for the new size
}

TEST(MainWindowStatusLine, FirstTimerShowsTheTitleAndTheTextsGoRound) {
    mainkit::AddBook("Work", {});
    std::string first, eleventh, twelfth, second;
    EXPECT_TRUE(mainkit::RunMainWindow({
        WaitFor([&](MainDialog& dialog) { // the real 500 ms timer
            first = mainkit::ControlText(dialog, IDC_STATUS_LINK);
            return !first.empty();
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 1);
            second = mainkit::ControlText(dialog, IDC_STATUS_LINK);
            for (int i = 2; i < 11; ++i)
                mainkit::FireTimer(dialog, 1);
            eleventh = mainkit::ControlText(dialog, IDC_STATUS_LINK);
            mainkit::FireTimer(dialog, 1);
            twelfth = mainkit::ControlText(dialog, IDC_STATUS_LINK);
        }),
    }));
    EXPECT_EQ(PRODUCT_TITLE, first);
    EXPECT_NE(std::string::npos, second.find(OTHER_PRODUCT1_NAME));
    EXPECT_NE(std::string::npos, eleventh.find(MAKER_CATALOGUE_URL));
    EXPECT_EQ(PRODUCT_TITLE, twelfth);
}

TEST(MainWindowStart, FirstUseWritesTheDefaultBooksAfterAskingForADiary) {
    testkit::SeenDialog question;
    testkit::DialogScript script({[&](HWND box) {
        question = testkit::Describe(box);
        testkit::PressButton(box, IDNO);
    }});
    script.IgnoreCaption(PRODUCT_NAME);
    std::vector<std::string> books;
    EXPECT_TRUE(mainkit::RunMainWindow({Do([&](MainDialog& dialog) {
        HWND list = mainkit::Control(dialog, IDC_BOOK_LIST);
        for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char name[LFile::kPathSize] = "";
            SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            books.emplace_back(name);
        }
    })}));
    EXPECT_EQ("Create Diary", question.caption);
    EXPECT_EQ(0u, question.text.find("Do you want to create a diary as one of the Quillmark"));
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), question.icon);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO, IDCANCEL}), question.buttons);
    EXPECT_EQ((std::vector<std::string>{"Other Notes", "PhoneBook", "Useful Web Links"}), books);
    EXPECT_EQ(3, BookList::Count());
}

TEST(MainWindowStart, LogonAsFirstArgumentClosesTheWindowAtOnce) {
    mainkit::AddBook("Work", {});
    bool alive = false;
    auto stillUp = Do([&](MainDialog& dialog) { alive = IsWindowVisible(dialog.hwnd()) != 0; });
    EXPECT_FALSE(mainkit::RunMainWindow({stillUp}, {"qmark.exe", "/logon"}));
    EXPECT_FALSE(alive);
    EXPECT_TRUE(mainkit::RunMainWindow({stillUp}, {"qmark.exe", "/LOGON"}));
    EXPECT_TRUE(alive);
    alive = false;
    EXPECT_TRUE(mainkit::RunMainWindow({stillUp}, {"qmark.exe", "/x", "/logon"}));
    EXPECT_TRUE(alive);
}

TEST(MainWindowClose, CloseEndsTheProgramWithTheHotKeyOffAndHidesTheWindowWithItOn) {
    mainkit::AddBook("Work", {});
    // With the hot key off, Close ends the window before any further step can run.
    bool stillThere = false;
    EXPECT_FALSE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { mainkit::SendCommand(dialog, IDM_CLOSE); }),
        Do([&](MainDialog&) { stillThere = true; }),
    }));
    EXPECT_FALSE(stillThere);

    SetSettingBool("Settings", "HotKeyOn", true);
    bool hidden = false, alive = false, escapeKept = false;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) { testkit::PostKey(dialog.hwnd(), VK_ESCAPE); }),
        Do([&](MainDialog& dialog) {
            escapeKept = IsWindowVisible(dialog.hwnd()) != 0;
            PostMessageA(dialog.hwnd(), WM_CLOSE, 0, 0); // the close box
        }),
        Do([&](MainDialog& dialog) {
            hidden = !IsWindowVisible(dialog.hwnd());
            alive = IsWindow(dialog.hwnd()) != 0;
        }),
    }));
    EXPECT_TRUE(escapeKept); // Escape does nothing
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(alive);
}

TEST(MainWindowLook, BookWithNotesLooksFinished) {
    mainkit::AddBook("Work", {{"Shopping", "milk\r\nbread\r\nhttps://velmora.example/\r\n"},
                              {"Ideas", "09.00am: call Anna\r\n"},
                              {"Phone numbers", ""}});
    mainkit::AddBook("Home", {});
    SetSettingString("Books", "Current", "Work");
    SetSettingString("Settings", "CurrentNote", "Shopping");
    std::string shot;
    DWORD shown = 0;
    COLORREF nameBackground = 0;
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([&](MainDialog& dialog) {
            DestroyWindow(MainDialogProbe::Splash(dialog));
            mainkit::FireTimer(dialog, 1);
            shown = GetTickCount();
        }),
        WaitFor([&](MainDialog&) { return GetTickCount() - shown > 1000; }), // painted by now
        Do([&](MainDialog& dialog) {
            shot = testkit::SaveScreenImage(dialog.hwnd(), "main_window");
            // A pixel of the name field right of the note's name: its own pale yellow.
            HWND name = mainkit::Control(dialog, IDC_NOTE_NAME);
            RECT client;
            GetClientRect(name, &client);
            POINT at = {client.right - 3, client.bottom / 2};
            ClientToScreen(name, &at);
            nameBackground = testkit::ScreenPixel(at);
        }),
    }));
    EXPECT_FALSE(shot.empty());
    EXPECT_EQ(RGB(255, 255, 195), nameBackground);
    // The caption buttons and check marks are drawn with Marlett: without it they show as letters.
    EXPECT_EQ("Marlett", testkit::FontFaceFound("Marlett", SYMBOL_CHARSET));
}

TEST(MainWindowLook, HoveringTheNoteListShowsItsTip) {
    mainkit::AddBook("Work", {{"Alpha", "a"}});
    HWND tipTool = nullptr;
    char tipText[100] = "";
    EXPECT_TRUE(mainkit::RunMainWindow({
        Do([](MainDialog& dialog) {
            DestroyWindow(MainDialogProbe::Splash(dialog));
            HWND list = mainkit::Control(dialog, IDC_NOTE_LIST);
            RECT rect;
            GetWindowRect(list, &rect);
            POINT point = {(rect.left + rect.right) / 2, rect.bottom - 10};
            SetCursorPos(point.x, point.y);
            ScreenToClient(list, &point);
            PostMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        }),
        WaitFor([](MainDialog& dialog) {
            return IsWindowVisible(MainDialogProbe::ToolTips(dialog)) != 0;
        }),
        Do([&](MainDialog& dialog) {
            TOOLINFOA tool = {};
            tool.cbSize = TTTOOLINFOA_V1_SIZE;
            tool.lpszText = tipText;
            SendMessageA(MainDialogProbe::ToolTips(dialog), TTM_GETCURRENTTOOLA, 0,
                         reinterpret_cast<LPARAM>(&tool));
            tipTool = reinterpret_cast<HWND>(tool.uId);
            EXPECT_EQ(mainkit::Control(dialog, IDC_NOTE_LIST), tipTool);
        }),
    }));
    EXPECT_STREQ("List of notes in this book. Click on a note to view it.", tipText);
}

} // namespace
