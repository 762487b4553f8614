#include "testkit/verb_recorder.h"

#include "platform/handles.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <sstream>

namespace testkit {

namespace {

void SetClassDefault(const std::string& key, const std::string& value) {
    CKey handle;
    if (handle.Create(HKEY_CLASSES_ROOT, key.c_str(), KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    RegSetValueExA(handle.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

// The log's lines, after waiting up to timeoutMs for at least `expected` of them.
std::vector<std::string> ReadLines(const std::string& log, size_t expected, unsigned timeoutMs) {
    std::vector<std::string> lines;
    DWORD start = GetTickCount();
    for (;;) {
        lines.clear();
        std::string bytes = ReadFileBytes(log);
        if (bytes != "<missing>") {
            std::istringstream in(bytes);
            for (std::string line; std::getline(in, line);)
                lines.push_back(line);
        }
        if (lines.size() >= expected || GetTickCount() - start >= timeoutMs) return lines;
        PumpPending(); // this thread's windows stay responsive while the handlers run
        Sleep(50);
    }
}

} // namespace

// The recorder is built beside the test kit; Wine shows the Unix root as drive Z:.
std::string RecorderWindowsPath() {
    std::string path = std::string("Z:") + QUILL_RECORDER;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

CommandLineRecorder::CommandLineRecorder() : log_(ScratchPath("command-lines.log")) {
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("QUILL_COMMAND_LOG", log_.c_str());
}

CommandLineRecorder::~CommandLineRecorder() {
    SetEnvironmentVariableA("QUILL_COMMAND_LOG", nullptr);
}

std::vector<std::string> CommandLineRecorder::Lines(size_t expected, unsigned timeoutMs) const {
    return ReadLines(log_, expected, timeoutMs);
}

VerbRecorder::VerbRecorder() : log_(ScratchPath("shell-verbs.log")) {
    const std::string recorder = "\"" + RecorderWindowsPath() + "\"";
    SetClassDefault(".txt", "txtfile");
    SetClassDefault(".rtf", "rtffile");
    SetClassDefault("txtfile\\shell\\print\\command", recorder + " print \"%1\"");
    SetClassDefault("rtffile\\shell\\print\\command", recorder + " print \"%1\"");
    SetClassDefault("http\\shell\\open\\command", recorder + " open \"%1\"");
    SetClassDefault("https\\shell\\open\\command", recorder + " open \"%1\"");
    SetClassDefault("Folder\\shell\\explore\\command", recorder + " explore \"%1\"");
    SetClassDefault("Directory\\shell\\explore\\command", recorder + " explore \"%1\"");
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("QUILL_VERB_LOG", log_.c_str());
}

std::vector<std::string> VerbRecorder::Calls(size_t expected, unsigned timeoutMs) const {
    return ReadLines(log_, expected, timeoutMs);
}

} // namespace testkit
