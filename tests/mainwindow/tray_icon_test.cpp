// The tray icon of the main window: added and removed, and its mouse messages.
#include "main_window_kit.h"
#include "mainwindow/plain_main_window.h"
#include "mainwindow/tray_icon.h"
#include "testkit/gui.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Whether the shell knows icon 24 of the window: only a known icon can be modified.
bool TrayKnowsIcon(HWND window) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 24;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

TEST(TrayIcon, IsAddedAndRemovedAndALeftButtonReleaseOpensTheWindow) {
    PlainMainWindow main;
    AddTrayIcon(main.hwnd());
    EXPECT_TRUE(TrayKnowsIcon(main.hwnd()));
    RemoveTrayIcon(main.hwnd());
    EXPECT_FALSE(TrayKnowsIcon(main.hwnd()));

    ShowWindow(main.hwnd(), SW_HIDE);
    TrayIconCallback(main.hwnd(), WM_MOUSEMOVE);
    TrayIconCallback(main.hwnd(), WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(main.hwnd()));
    TrayIconCallback(main.hwnd(), WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(main.hwnd()));
    EXPECT_EQ(main.hwnd(), GetForegroundWindow());
    ShowWindow(main.hwnd(), SW_MAXIMIZE);
    OpenMainWindow(main.hwnd());
    EXPECT_FALSE(IsZoomed(main.hwnd()));
}

// What the tray menu showed; filled by a thread timer inside the menu's own loop.
struct MenuSeen {
    HWND main = nullptr;
    int shown = 0;
    std::string items; // "id:text" of each item, the default one marked with "*"
    bool mainInFront = false;
};
MenuSeen* g_seen = nullptr;

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    char name[16];
    if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) ||
        lstrcmpA(name, "#32768") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWindow = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&menuWindow));
    if (menuWindow == nullptr) return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    ++g_seen->shown;
    g_seen->items.clear();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        UINT id = GetMenuItemID(menu, i);
        g_seen->items +=
            std::to_string(id) + (id == GetMenuDefaultItem(menu, FALSE, 0) ? "*:" : ":");
        g_seen->items += std::string(text) + "|";
    }
    g_seen->mainInFront = GetForegroundWindow() == g_seen->main;
    EndMenu();
}

// Takes the window's posted messages; true when a WM_NULL was among them.
bool TakeNullMessage(HWND window) {
    bool seen = false;
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
        seen = seen || message.message == WM_NULL;
    return seen;
}

TEST(TrayIcon, ARightPressOrTheMenuKeyShowsTheTrayMenuWithOpenAsDefault) {
    PlainMainWindow other, main;
    MenuSeen seen;
    seen.main = main.hwnd();
    g_seen = &seen;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtMenu);
    SetForegroundWindow(other.hwnd());
    TrayIconCallback(main.hwnd(), WM_RBUTTONDOWN);
    EXPECT_EQ(1, seen.shown);
    EXPECT_EQ("1011*:Open Quillmark|1009:Close|0:|1010:Exit (Turn Hot Key Off)|", seen.items);
    EXPECT_TRUE(seen.mainInFront);
    EXPECT_TRUE(TakeNullMessage(main.hwnd())); // posted after the menu
    TrayIconCallback(main.hwnd(), WM_CONTEXTMENU);
    TrayIconCallback(main.hwnd(), WM_RBUTTONUP);
    EXPECT_EQ(2, seen.shown);
    KillTimer(nullptr, timer);
    g_seen = nullptr;
}

// Explorer that starts again has a tray without icons and tells every window so.
TEST(TrayIcon, IsAddedAgainWhenExplorerStartsAgain) {
    mainkit::AddBook("Work", {{"Alpha", "text"}});
    bool knownAfterLoss = true, knownAgain = false;
    EXPECT_TRUE(mainkit::RunMainWindow({mainkit::Do([&](MainDialog& dialog) {
        RemoveTrayIcon(dialog.hwnd()); // what a restarted Explorer knows
        knownAfterLoss = TrayKnowsIcon(dialog.hwnd());
        SendMessageA(dialog.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        knownAgain = TrayKnowsIcon(dialog.hwnd());
    })}));
    EXPECT_FALSE(knownAfterLoss);
    EXPECT_TRUE(knownAgain);
}

} // namespace
