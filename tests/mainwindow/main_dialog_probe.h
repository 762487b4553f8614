// What the main-window tests look at of the window's own state.
#pragma once

#include "mainwindow/main_dialog.h"

class MainDialogProbe {
  public:
    // The splash window, while it is up.
    static HWND Splash(const MainDialog& dialog) { return dialog.splash.hwnd; }
    static HWND ToolTips(const MainDialog& dialog) { return dialog.toolTips; }
    // The window shows its current book as read-only.
    static bool ReadOnly(const MainDialog& dialog) { return dialog.readOnly; }
};
