#include "mainwindow/logon_start.h"

#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "QuillmarkRun";
const char kLogonArgument[] = " /logon";

} // namespace

void UpdateLogonStart() {
    HKEY run;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) != ERROR_SUCCESS) return;
    if (GetSettingBool("Settings", "HotKeyOn", false)) {
        char path[LFile::kPathSize] = "";
        GetModuleFileNameA(nullptr, path, sizeof path);
        path[sizeof path - 1] = '\0';
        char command[sizeof path + sizeof kLogonArgument];
        std::snprintf(command, sizeof command, "%s%s", path, kLogonArgument);
        RegSetValueExA(run, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                       static_cast<DWORD>(std::strlen(command) + 1));
    } else {
        RegDeleteValueA(run, kRunValue);
    }
    RegCloseKey(run);
}
