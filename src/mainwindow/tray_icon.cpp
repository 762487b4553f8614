#include "mainwindow/tray_icon.h"

#include "dialogs/program_instance.h"
#include "platform/handles.h"
#include "resources/resource.h"

#include <shellapi.h>

#include <cstring>

namespace {

const UINT kTrayIconId = 24;
const char kTip[] = "Quillmark";

// The first, smallest layout of the structure, which every shell understands.
NOTIFYICONDATAA TrayData(HWND mainWindow) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = mainWindow;
    data.uID = kTrayIconId;
    return data;
}

void ShowTrayMenu(HWND mainWindow) {
    // Foreground first, so that the menu closes when the user clicks elsewhere.
    SetForegroundWindow(mainWindow);
    POINT at = {0, 0};
    GetCursorPos(&at);
    CMenu menu(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    if (menu.get() == nullptr) return;
    HMENU popup = GetSubMenu(menu.get(), 0);
    SetMenuDefaultItem(popup, IDM_OPEN, FALSE);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, mainWindow, nullptr);
    // The documented companion of a tray menu: without it the menu may not show again until
    // the window gets another message.
    PostMessageA(mainWindow, WM_NULL, 0, 0);
}

} // namespace

void AddTrayIcon(HWND mainWindow) {
    CIcon icon(static_cast<HICON>(
        LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, 0)));
    if (icon.get() == nullptr) return;
    NOTIFYICONDATAA data = TrayData(mainWindow);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon.get();
    lstrcpynA(data.szTip, kTip, sizeof data.szTip);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void RemoveTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA data = TrayData(mainWindow);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

bool RestoreTrayIconOnTaskbarCreated(HWND mainWindow, UINT message) {
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (taskbarCreated == 0 || message != taskbarCreated) return false;
    AddTrayIcon(mainWindow);
    return true;
}

void TrayIconCallback(HWND mainWindow, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        OpenMainWindow(mainWindow);
        break;
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
        ShowTrayMenu(mainWindow);
        break;
    default:
        break;
    }
}

void OpenMainWindow(HWND mainWindow) {
    ShowWindow(mainWindow, SW_RESTORE);
    SetForegroundWindow(mainWindow);
}
