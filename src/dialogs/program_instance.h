// The program's module instance, from which every window loads its templates, icons and pictures.
// Start-up records it once; the test programs record GetModuleHandle(nullptr).
#pragma once

#include <windows.h>

HINSTANCE ProgramInstance();
void SetProgramInstance(HINSTANCE instance);
