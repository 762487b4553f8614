#include "app/run_modes.h"

// The installer and uninstaller windows are not built yet: every mark runs the program itself.
bool RunSetupRoad(uint32_t, HWND) {
    return false;
}
