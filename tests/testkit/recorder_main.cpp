// quill-recorder VERB ARGUMENT: the shell-verb handler of the test prefix. Appends one line
// "VERB ARGUMENT" to the file named by QUILL_VERB_LOG, so that tests can see what the program
// asked the shell to open, print or explore.
#include <windows.h>

#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char log[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("QUILL_VERB_LOG", log, sizeof log);
    if (length == 0 || length >= sizeof log) return 1;
    std::string line;
    for (int i = 1; i < __argc; ++i) {
        if (i > 1) line += ' ';
        line += __argv[i];
    }
    line += '\n';
    // Several handlers may start at once: retry while another one holds the log.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}
