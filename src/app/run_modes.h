// The installer and uninstaller roads of start-up, chosen by the run-mode mark at the end of the
// executable.
#pragma once

#include <windows.h>

#include <cstdint>

// Runs the installation (INSTALL_MAGIC) or the uninstallation (UNINSTALL_MAGIC) and returns true;
// returns false at once for any other mark, which is the program's own run. runningCopy is the
// main window of a running Quillmark, or null; it is told to exit first and has waitMs to end,
// or it is reported and nothing is installed or removed.
bool RunSetupRoad(uint32_t magic, HWND runningCopy, unsigned long waitMs = 10000);
