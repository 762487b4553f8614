// Starting another program: its path quoted on the command line and named as the application,
// so that a path with spaces can never start a different program that a shorter path names.
#pragma once

#include "platform/handles.h"

// A program started by StartProcess: its process handle (owned) and id.
struct StartedProcess {
    CHandle process;
    DWORD id = 0;
};

// Starts program with arguments (null or empty for none), shown as show (SW_SHOWNORMAL, ...),
// without waiting for it. False when it could not be started or its command line does not fit.
bool StartProcess(const char* program, const char* arguments, int show, StartedProcess* started);
// StartProcess, then waits up to 30 seconds for the program to take input, as WinExec did.
bool StartProgram(const char* program, const char* arguments, int show);
