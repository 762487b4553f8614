// Records the shell verbs the program under test asks for, through quill-recorder.exe
// registered in the test prefix as the handler of: print for .txt and .rtf files, open for
// http and https addresses, explore for folders.
#pragma once

#include <string>
#include <vector>

namespace testkit {

class VerbRecorder {
  public:
    // Registers the handlers and points the recorder at a fresh log in the test's scratch folder.
    VerbRecorder();
    // The recorded lines ("print C:\...\a.txt"), after waiting up to timeoutMs for at least
    // `expected` of them (handlers run as separate processes and arrive a little later).
    std::vector<std::string> Calls(size_t expected, unsigned timeoutMs = 10000) const;

  private:
    std::string log_;
};

// The recorder program (quill-recorder.exe) as Wine sees it.
std::string RecorderWindowsPath();

// While it lives, every recorder started (as any program name) also logs its whole command line,
// as GetCommandLineA gives it, one a line, in a fresh log in the test's scratch folder.
class CommandLineRecorder {
  public:
    CommandLineRecorder();
    ~CommandLineRecorder();
    CommandLineRecorder(const CommandLineRecorder&) = delete;
    CommandLineRecorder& operator=(const CommandLineRecorder&) = delete;
    std::vector<std::string> Lines(size_t expected, unsigned timeoutMs = 10000) const;

  private:
    std::string log_;
};

} // namespace testkit
