// Starting another program: its path quoted on the command line and named as the application,
// so that a path with spaces can never start a different program that a shorter path names.
#pragma once

// Starts program with arguments (null or empty for none), shown as show (SW_SHOWNORMAL, ...),
// and waits up to 30 seconds for it to take input, as WinExec did. False when it could not be
// started or its command line does not fit.
bool StartProgram(const char* program, const char* arguments, int show);
