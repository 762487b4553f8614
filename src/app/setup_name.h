// How start-up recognises a file named as an installer. No platform calls.
#pragma once

// Whether the file name of path, without its extension (cut at the last "."), contains "SETUP"
// in any letter case: Setup.exe and mysetupfile.exe do, setup\qmark.exe does not.
bool IsSetupFileName(const char* path);
