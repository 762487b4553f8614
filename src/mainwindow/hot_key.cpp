#include "mainwindow/hot_key.h"

#include "dialogs/key_value.h"
#include "mainwindow/hot_key_text.h"
#include "platform/settings.h"
#include "resources/resource.h"

namespace {

const int kHotKeyId = 0;

} // namespace

HotKeySettings ReadHotKeySettings() {
    HotKeySettings settings;
    settings.on = ReadSetting(setting::kHotKeyOn);
    settings.modifiers = static_cast<unsigned>(ReadSetting(setting::kHotKeyModifier));
    settings.key = static_cast<unsigned>(ReadSetting(setting::kHotKey));
    return settings;
}

void WriteHotKey(unsigned key, unsigned modifiers) {
    WriteSetting(setting::kHotKey, static_cast<int>(key));
    WriteSetting(setting::kHotKeyModifier, static_cast<int>(modifiers));
}

void HotKeyText(unsigned modifiers, unsigned key, char* out) {
    // The key's name as the keyboard layout gives it: the scan code in bits 16-23 of the key
    // code, without the extended-key flag.
    const LONG keyCode = static_cast<LONG>((MapVirtualKeyA(key, 0) & 0xFF) << 16 | (key & 0xFFFF));
    char name[kHotKeyTextSize] = "";
    if (GetKeyNameTextA(keyCode, name, sizeof name) <= 0) name[0] = '\0';
    ComposeHotKeyText(modifiers, name, out);
}

void HotKeyOpen(LDialog& mainWindow) {
    const HotKeySettings settings = ReadHotKeySettings();
    char keyText[kHotKeyTextSize];
    HotKeyText(settings.modifiers, settings.key, keyText);
    char menuText[kHotKeyTextSize];
    FormatHotKeyMenuText(keyText, menuText);
    ModifyMenuA(GetMenu(mainWindow.hwnd()), IDM_HOT_KEY_TOGGLE, MF_BYCOMMAND | MF_STRING,
                IDM_HOT_KEY_TOGGLE, menuText);
    mainWindow.CheckMenuCommand(IDM_HOT_KEY_TOGGLE, settings.on);
    mainWindow.EnableMenuCommand(IDM_HOT_KEY_CHANGE, settings.on);
    // A combination that another program holds simply does not work; nothing to tell.
    if (settings.on) RegisterHotKey(mainWindow.hwnd(), kHotKeyId, settings.modifiers, settings.key);
}

void HotKeyClose(LDialog& mainWindow) {
    UnregisterHotKey(mainWindow.hwnd(), kHotKeyId);
}

void ToggleHotKey(LDialog& mainWindow) {
    WriteSetting(setting::kHotKeyOn, !ReadSetting(setting::kHotKeyOn));
    HotKeyClose(mainWindow);
    HotKeyOpen(mainWindow);
}

void ChangeHotKey(LDialog& mainWindow) {
    // The current hot key must not fire while the new one is being pressed.
    HotKeyClose(mainWindow);
    ChangeHotKeyDialog dialog;
    dialog.Open(mainWindow.hwnd(), MAKEINTRESOURCEA(IDD_CHANGE_HOT_KEY));
    HotKeyOpen(mainWindow);
}

bool ChangeHotKeyDialog::FilterMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return false;
    switch (wParam) {
    case VK_RETURN: // neither closes the dialog nor becomes the hot key
        return true;
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:   // a modifier alone does not end the capture
    case VK_ESCAPE: // the dialog manager turns it into Cancel
        return false;
    default:
        break;
    }
    const unsigned pressed = CurrentKeyValue(wParam);
    WriteHotKey(keyvalue::KeyCode(pressed), keyvalue::HotKeyModifiers(pressed));
    PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    return true;
}
