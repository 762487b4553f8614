// Start-up as a process: handing over to a running copy, and refusing a file named as an
// installer that lacks the installer mark. Each test runs copies of the built qmark.exe.
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "notes/book_list.h"
#include "resources/resource.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The built program as Wine sees it (the Unix root is drive Z:).
std::string BuiltProgram() {
    std::string path = std::string("Z:") + QMARK_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// A copy of the program under another name in the scratch folder.
std::string CopyProgram(const std::string& name) {
    std::string copy = testkit::ScratchPath(name);
    EXPECT_TRUE(CopyFileA(BuiltProgram().c_str(), copy.c_str(), FALSE)) << copy;
    return copy;
}

// A started program that is ended at the latest when the test lets go of it.
class Started {
  public:
    explicit Started(const std::string& program) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + program + "\"";
        if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            testkit::Scratch().c_str(), &startup, &info_))
            ADD_FAILURE() << "cannot start " << program;
    }
    ~Started() {
        if (info_.hProcess == nullptr) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // True when the process ended within timeoutMs with exit code 0.
    bool EndsCleanly(DWORD timeoutMs = 15000) {
        DWORD code = 1;
        return info_.hProcess != nullptr &&
               WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(info_.hProcess, &code) && code == 0;
    }

  private:
    PROCESS_INFORMATION info_ = {};
};

HWND WaitForWindow(const char* title, DWORD timeoutMs = 15000) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(WC_DIALOG, title);
        if (window != nullptr && IsWindowVisible(window)) return window;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

int CountMainWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM param) CALLBACK -> BOOL {
            char title[64] = "", name[16] = "";
            GetWindowTextA(window, title, sizeof title);
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpA(title, "Quillmark") == 0 && lstrcmpA(name, "#32770") == 0)
                ++*reinterpret_cast<int*>(param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(StartUp, SecondStartRestoresAndRaisesTheRunningCopyAndEnds) {
    std::string book = testkit::ScratchPath("Work");
    CreateDirectoryA(book.c_str(), nullptr);
    BookList::AddBook(book.c_str(), false);
    const std::string program = CopyProgram("qmark.exe");

    Started first(program);
    HWND window = WaitForWindow("Quillmark");
    ASSERT_NE(nullptr, window);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    {
        Started second(program);
        EXPECT_TRUE(second.EndsCleanly());
    }
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window, GetForegroundWindow());

    ShowWindow(window, SW_HIDE); // closed to the tray
    {
        Started second(program);
        EXPECT_TRUE(second.EndsCleanly());
    }
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(1, CountMainWindows());

    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_TRUE(first.EndsCleanly());
}

TEST(StartUp, FileNamedAsAnInstallerWithoutTheInstallerMarkIsRefused) {
    const std::string plain = CopyProgram("mysetupfile.exe");
    const std::string uninstaller = CopyProgram("Setup.exe");
    AppendMagicToFile(uninstaller.c_str(), UNINSTALL_MAGIC);
    for (const std::string& program : {plain, uninstaller}) {
        SCOPED_TRACE(program);
        Started started(program);
        HWND box = WaitForWindow("Install Error");
        ASSERT_NE(nullptr, box);
        char text[512] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ("Installation file corrupt.\n\nA checksum error was detected in your install "
                     "file, please redownload file and install again.",
                     text);
        EXPECT_EQ(nullptr, FindWindowA(WC_DIALOG, "Quillmark"));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(started.EndsCleanly());
    }
}

} // namespace
