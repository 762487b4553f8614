// The main window's tray icon (id 24): added when the window opens, removed when it goes, and its
// mouse messages, which arrive at the main window as kTrayCallbackMessage.
#pragma once

#include <windows.h>

constexpr UINT kTrayCallbackMessage = WM_USER + 20;

// Adds the icon with the tip "Quillmark"; without the program's icon nothing is added.
void AddTrayIcon(HWND mainWindow);
void RemoveTrayIcon(HWND mainWindow);
// When message is the "TaskbarCreated" message that Explorer sends every top-level window as it
// starts again (with a tray that knows no icons), adds the icon again and returns true: a
// hidden window would otherwise have no way back but a second start.
bool RestoreTrayIconOnTaskbarCreated(HWND mainWindow, UINT message);

// The tray's mouse message (lParam of kTrayCallbackMessage): a left button release opens the
// main window; a right button press or the context-menu key shows the tray menu, whose choice
// comes back to the main window as WM_COMMAND.
void TrayIconCallback(HWND mainWindow, LPARAM mouseMessage);

// Shows the main window at its normal size, whatever its state, and brings it to the front.
void OpenMainWindow(HWND mainWindow);
