#include "platform/process_start.h"

#include "platform/command_line.h"
#include "platform/handles.h"
#include "platform/lfile.h"

#include <windows.h>

bool StartProgram(const char* program, const char* arguments, int show) {
    char commandLine[2 * LFile::kPathSize];
    if (!QuotedCommandLine(program, arguments, commandLine, sizeof commandLine)) return false;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    CHandle process(info.hProcess), thread(info.hThread);
    WaitForInputIdle(process.get(), 30000);
    return true;
}
