// A plain modeless dialog on the main window's template 1, with its menu, for the pieces that
// work on the main window: hot key, tray icon.
#pragma once

#include "dialogs/lkey_dialog_box.h"
#include "dialogs/program_instance.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

class PlainMainWindow {
  public:
    PlainMainWindow() {
        LoadLibraryA("riched20.dll");
        InitCommonControls();
        CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, StaticDialogProc,
                           reinterpret_cast<LPARAM>(&dialog));
    }
    ~PlainMainWindow() {
        if (dialog.hwnd() != nullptr) DestroyWindow(dialog.hwnd());
    }
    PlainMainWindow(const PlainMainWindow&) = delete;
    PlainMainWindow& operator=(const PlainMainWindow&) = delete;

    HWND hwnd() const { return dialog.hwnd(); }
    std::string MenuText(int id) const {
        char text[260] = "";
        GetMenuStringA(GetMenu(dialog.hwnd()), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    bool MenuChecked(int id) const {
        return (GetMenuState(GetMenu(dialog.hwnd()), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    bool MenuGrayed(int id) const {
        return (GetMenuState(GetMenu(dialog.hwnd()), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }

    LModelessDialogBox dialog;
};
