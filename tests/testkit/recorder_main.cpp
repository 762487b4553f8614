// quill-recorder VERB ARGUMENT: the shell-verb handler of the test prefix. Appends one line
// "VERB ARGUMENT" to the file named by QUILL_VERB_LOG, so that tests can see what the program
// asked the shell to open, print or explore. With QUILL_COMMAND_LOG set, it first appends its
// whole command line there, so that tests can see exactly how the program started it.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// Appends line to the file named by the environment variable; false without it.
bool AppendToLog(const char* variable, const std::string& line) {
    char log[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(variable, log, sizeof log);
    if (length == 0 || length >= sizeof log) return false;
    // Several handlers may start at once: retry while another one holds the log.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return true;
        }
        Sleep(10);
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    AppendToLog("QUILL_COMMAND_LOG", std::string(GetCommandLineA()) + "\n");
    std::string line;
    for (int i = 1; i < __argc; ++i) {
        if (i > 1) line += ' ';
        line += __argv[i];
    }
    return AppendToLog("QUILL_VERB_LOG", line + "\n") ? 0 : 1;
}
