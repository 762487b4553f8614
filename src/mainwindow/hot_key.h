// The main window's hot key: its settings, the menu item that shows and toggles it, and its
// registration (id 0 on the main window). The tray and the logon start are in tray_icon.h and
// logon_start.h.
#pragma once

#include "dialogs/lkey_dialog_box.h"

struct HotKeySettings {
    bool on = false;        // "HotKeyOn"
    unsigned modifiers = 4; // "HotKeyModifier": MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
    unsigned key = VK_F8;   // "HotKey": a virtual-key code
};

HotKeySettings ReadHotKeySettings();
// Stores a new hot key ("HotKey", "HotKeyModifier"); "HotKeyOn" is left as it is.
void WriteHotKey(unsigned key, unsigned modifiers);

// The key's text for the menu, "Shift+F8": the modifiers and the key's name in the keyboard
// layout. out holds 260 bytes.
void HotKeyText(unsigned modifiers, unsigned key, char* out);

// Reads the settings, shows them in menu items 1007 (text, check mark) and 1008 (enabled while
// the hot key is on), and registers the hot key while it is on.
void HotKeyOpen(LDialog& mainWindow);
// Unregisters the hot key.
void HotKeyClose(LDialog& mainWindow);

// Command 1007: switches "HotKeyOn" over and registers or drops the hot key accordingly.
void ToggleHotKey(LDialog& mainWindow);
// Command 1008: lets the user press a new hot key in the Change Hot Key dialog (the main window
// disabled meanwhile), then registers whatever is stored.
void ChangeHotKey(LDialog& mainWindow);

// The Change Hot Key dialog (template 3): the next key pressed, with the modifiers held, becomes
// the hot key. Enter is ignored, modifiers alone are waited through, Escape cancels.
class ChangeHotKeyDialog : public LKeyDialogBox {
  public:
    bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
