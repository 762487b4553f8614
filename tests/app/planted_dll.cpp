// A stand-in for a library that someone planted beside the program: loading it leaves a mark in
// the file named by QUILL_PLANTED_LOG, so a test can see that the program never loaded it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char log[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("QUILL_PLANTED_LOG", log, sizeof log);
    if (length == 0 || length >= sizeof log) return TRUE;
    HANDLE file = CreateFileA(log, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "loaded", 6, &written, nullptr);
        CloseHandle(file);
    }
    return TRUE;
}
