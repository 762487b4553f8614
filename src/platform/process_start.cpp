#include "platform/process_start.h"

#include "platform/command_line.h"
#include "platform/lfile.h"

bool StartProcess(const char* program, const char* arguments, int show, StartedProcess* started) {
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
    CHandle thread(info.hThread);
    started->process.Reset(info.hProcess);
    started->id = info.dwProcessId;
    return true;
}

bool StartProgram(const char* program, const char* arguments, int show) {
    StartedProcess started;
    if (!StartProcess(program, arguments, show, &started)) return false;
    WaitForInputIdle(started.process.get(), 30000);
    return true;
}
