#include "mainwindow/logon_start.h"

#include "platform/command_line.h"
#include "platform/handles.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstring>

namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "QuillmarkRun";
const char kLogonArgument[] = "/logon";

} // namespace

void UpdateLogonStart() {
    CKey run;
    if (run.Open(HKEY_LOCAL_MACHINE, kRunKey, KEY_SET_VALUE) != ERROR_SUCCESS) return;
    if (ReadSetting(setting::kHotKeyOn)) {
        char path[LFile::kPathSize] = "";
        GetModuleFileNameA(nullptr, path, sizeof path);
        path[sizeof path - 1] = '\0';
        // Quoted: unquoted, a path with spaces lets Windows try "C:\Program.exe" first.
        char command[sizeof path + 16];
        if (QuotedCommandLine(path, kLogonArgument, command, sizeof command))
            RegSetValueExA(run.get(), kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                           static_cast<DWORD>(std::strlen(command) + 1));
    } else {
        RegDeleteValueA(run.get(), kRunValue);
    }
}
