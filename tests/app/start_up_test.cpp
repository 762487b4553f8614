// Start-up as a process: handing over to a running copy, and refusing a file named as an
// installer that lacks the installer mark. Each test runs copies of the built qmark.exe.
#include "installer/payload.h"
#include "installer/shell_items.h"
#include "notes/book_list.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A file of the build as Wine sees it (the Unix root is drive Z:).
std::string BuiltFile(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string BuiltProgram() {
    return BuiltFile(QMARK_EXE);
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
    explicit Started(const std::string& program) : Started(program, "\"" + program + "\"") {}
    // Started with exactly this command line, as Windows passes a Run value or a shortcut's.
    Started(const std::string& program, std::string commandLine) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
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

// What is on the screen, for a failure's message.
std::string TopWindowTitles() {
    std::string titles;
    EnumWindows(
        [](HWND window, LPARAM param) CALLBACK -> BOOL {
            char title[128] = "";
            GetWindowTextA(window, title, sizeof title);
            if (title[0] != '\0') *reinterpret_cast<std::string*>(param) += std::string(title) + "; ";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&titles));
    return titles;
}

// The main window, shown or not, once it exists.
HWND WaitForMainWindow() {
    for (int i = 0; i < 600; ++i) {
        if (HWND window = FindWindowA(WC_DIALOG, "Quillmark")) return window;
        Sleep(50);
    }
    return nullptr;
}

// The window's thread has taken its posted messages: a message sent to the window is answered
// before the posted ones are taken, so a second one only after those before it were handled.
bool LoopHasRun(HWND window) {
    for (int i = 0; i < 2; ++i) {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer)) return false;
        Sleep(50);
    }
    return true;
}

// A logon start waits hidden in the tray, whether its command line quotes the program's path
// (as the logon value is written now) or not (as earlier versions wrote it, where the path's
// spaces split it into several arguments before "/logon"). The program starts at logon only with
// its hot key on; without it, closing the window ends the program.
TEST(StartUp, LogonArgumentIsFoundAfterAQuotedOrUnquotedPathWithSpaces) {
    WriteSetting(setting::kHotKeyOn, true);
    std::string book = testkit::ScratchPath("Work");
    CreateDirectoryA(book.c_str(), nullptr);
    BookList::AddBook(book.c_str(), false);
    CreateDirectoryA(testkit::ScratchPath("Program Files").c_str(), nullptr);
    const std::string program = CopyProgram("Program Files\\qmark.exe");
    struct Case {
        std::string commandLine;
        bool shown;
    };
    for (const Case& start : {Case{"\"" + program + "\" /logon", false},
                              Case{program + " /logon", false}, Case{program, true}}) {
        SCOPED_TRACE(start.commandLine);
        Started started(program, start.commandLine);
        HWND window = WaitForMainWindow();
        ASSERT_NE(nullptr, window) << TopWindowTitles();
        // The logon start hides its window with a message it posts to itself while the window is
        // made: once the window's loop has answered twice, that message has been handled.
        ASSERT_TRUE(LoopHasRun(window)) << TopWindowTitles();
        for (int i = 0; i < 200 && IsWindowVisible(window) != start.shown; ++i)
            Sleep(50);
        EXPECT_EQ(start.shown, IsWindowVisible(window) != FALSE);
        EXPECT_TRUE(IsWindow(window)) << "the program ended instead of waiting";
        PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_TRUE(started.EndsCleanly());
    }
}

// While it lives, Wine loads a library found by name from the program's folder before its own,
// as Windows does for a library that is not among its known system ones.
class NativeLibraryFirst {
  public:
    explicit NativeLibraryFirst(const char* library) : library_(library) {
        key_.Create(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", KEY_SET_VALUE);
        const char order[] = "native,builtin";
        if (set())
            RegSetValueExA(key_.get(), library_, 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                           sizeof order);
    }
    ~NativeLibraryFirst() {
        if (set()) RegDeleteValueA(key_.get(), library_);
    }
    NativeLibraryFirst(const NativeLibraryFirst&) = delete;
    NativeLibraryFirst& operator=(const NativeLibraryFirst&) = delete;
    bool set() const { return key_.get() != nullptr; }

  private:
    const char* library_;
    CKey key_;
};

// A rich edit library planted in the program's folder (which is also its current folder) is
// never loaded: the system folder's is.
TEST(StartUp, TheRichEditLibraryComesFromTheSystemFolder) {
    std::string book = testkit::ScratchPath("Work");
    CreateDirectoryA(book.c_str(), nullptr);
    BookList::AddBook(book.c_str(), false);
    const std::string program = CopyProgram("qmark.exe");
    ASSERT_TRUE(CopyFileA(BuiltFile(PLANTED_DLL).c_str(),
                          testkit::ScratchPath("RICHED20.DLL").c_str(), FALSE));
    const std::string log = testkit::ScratchPath("planted.log");
    SetEnvironmentVariableA("QUILL_PLANTED_LOG", log.c_str());
    {
        NativeLibraryFirst windowsOrder("riched20");
        ASSERT_TRUE(windowsOrder.set());
        Started started(program);
        HWND window = WaitForWindow("Quillmark");
        EXPECT_NE(nullptr, window) << TopWindowTitles();
        PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_TRUE(started.EndsCleanly());
    }
    SetEnvironmentVariableA("QUILL_PLANTED_LOG", nullptr);
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(log));
}

} // namespace
