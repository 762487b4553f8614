// qmark.hlp in Wine's help viewer: WinHelpA opens it at the contents and at the contexts of the
// two property dialogs. The viewer is a separate process, so every wait here has a deadline and
// any message box it raises is answered and reported.
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kViewerClass[] = "MS_WINHELP";
const int kTextPane = 0x701; // the viewer's rich edit pane
const DWORD kDeadlineMs = 15000;

std::string BuiltHelpFile() {
    std::string path = "Z:" + std::string(QMARK_HLP);
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string TextOf(HWND window, bool viaMessages) {
    char buffer[8192] = {};
    if (!viaMessages) {
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return "";
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

// Closes, and describes, every message box that another process (the viewer) shows.
BOOL CALLBACK AnswerForeignDialog(HWND window, LPARAM report) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (process != GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(cls) == "#32770") {
        std::string* text = reinterpret_cast<std::string*>(report);
        *text += "[" + TextOf(window, false) + "] ";
        PostMessageA(window, WM_COMMAND, IDNO, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

struct HelpCall {
    HWND owner;
    std::string file;
    UINT command;
    ULONG_PTR data;
    BOOL result;
};

DWORD WINAPI CallOnThread(void* argument) {
    HelpCall* call = static_cast<HelpCall*>(argument);
    call->result = WinHelpA(call->owner, call->file.c_str(), call->command, call->data);
    return 0;
}

// WinHelpA on a thread of its own: the call waits for the viewer, which might be held by a
// message box; meanwhile this thread answers such boxes.
bool CallWinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data,
                 std::string* dialogs) {
    HelpCall call{owner, file, command, data, FALSE};
    HANDLE thread = CreateThread(nullptr, 0, CallOnThread, &call, 0, nullptr);
    if (thread == nullptr) return false;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(thread, 100) == WAIT_TIMEOUT) {
        EnumWindows(AnswerForeignDialog, reinterpret_cast<LPARAM>(dialogs));
        if (GetTickCount() - start > kDeadlineMs) {
            *dialogs += "[WinHelpA did not return]";
            TerminateThread(thread, 1);
            break;
        }
    }
    CloseHandle(thread);
    return call.result != FALSE;
}

// Wine 8's WinHelpA starts the viewer and looks for its window once; when the viewer is slow to
// start (a cold start), that call fails and leaves the viewer running, hidden. A second call, as
// a user pressing F1 again makes it, reaches the viewer.
bool OpenHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data,
              std::string* dialogs) {
    if (CallWinHelp(owner, file, command, data, dialogs)) return true;
    const DWORD start = GetTickCount();
    while (FindWindowA(kViewerClass, nullptr) == nullptr && GetTickCount() - start < kDeadlineMs)
        Sleep(100);
    return CallWinHelp(owner, file, command, data, dialogs);
}

struct Shown {
    std::string caption;
    std::string text;
};

// Waits until the visible viewer shows a topic whose text begins with title.
bool WaitForTopic(const std::string& title, Shown* shown, std::string* dialogs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kDeadlineMs) {
        EnumWindows(AnswerForeignDialog, reinterpret_cast<LPARAM>(dialogs));
        HWND viewer = FindWindowA(kViewerClass, nullptr);
        if (viewer != nullptr && IsWindowVisible(viewer)) {
            shown->caption = TextOf(viewer, false);
            shown->text = TextOf(GetDlgItem(viewer, kTextPane), true);
            if (shown->text.rfind(title + "\r", 0) == 0 || shown->text.rfind(title + "\n", 0) == 0)
                return true;
        }
        Sleep(100);
    }
    return false;
}

class HelpViewer : public ::testing::Test {
  protected:
    void SetUp() override {
        file_ = testkit::ScratchPath("qmark.hlp");
        ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), file_.c_str(), FALSE)) << BuiltHelpFile();
        owner_ = CreateWindowA("STATIC", "Help owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    // Quits the viewer through WinHelpA and makes sure it is gone before the next test.
    void TearDown() override {
        CallWinHelp(owner_, file_, HELP_QUIT, 0, &dialogs_);
        const DWORD start = GetTickCount();
        HWND viewer;
        while ((viewer = FindWindowA(kViewerClass, nullptr)) != nullptr &&
               GetTickCount() - start < kDeadlineMs)
            Sleep(100);
        if (viewer != nullptr) {
            ADD_FAILURE() << "the viewer did not quit";
            DWORD process = 0;
            GetWindowThreadProcessId(viewer, &process);
            HANDLE handle = OpenProcess(PROCESS_TERMINATE, FALSE, process);
            if (handle != nullptr) {
                TerminateProcess(handle, 1);
                CloseHandle(handle);
            }
        }
        DestroyWindow(owner_);
        EXPECT_EQ("", dialogs_) << "the viewer showed message boxes";
    }

    // The topic's text is read from the viewer's pane. Its caption names the help file's title
    // only when the viewer was started on the file: the viewer that WinHelpA starts keeps the
    // caption of its first, empty window.
    Shown ExpectTopic(const std::string& title, const std::string& sentence) {
        Shown shown;
        EXPECT_TRUE(WaitForTopic(title, &shown, &dialogs_)) << "shown: " << shown.text;
        EXPECT_NE(std::string::npos, shown.text.find(sentence)) << shown.text;
        return shown;
    }

    std::string file_;
    HWND owner_ = nullptr;
    std::string dialogs_;
};

TEST_F(HelpViewer, ContentsAndTheDialogContextsOpenTheirTopics) {
    EXPECT_TRUE(OpenHelp(owner_, file_, HELP_CONTENTS, 0, &dialogs_));
    ExpectTopic("Quillmark Help", "Installing and removing Quillmark");

    EXPECT_TRUE(CallWinHelp(owner_, file_, HELP_CONTEXT, 102, &dialogs_));
    ExpectTopic("Diary Properties", "No. of weeks from this week");

    EXPECT_TRUE(CallWinHelp(owner_, file_, HELP_CONTEXT, 103, &dialogs_));
    ExpectTopic("Book Properties", "Read only book folder");
}

TEST_F(HelpViewer, BareFileNameIsFoundInTheCurrentFolder) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(testkit::Scratch().c_str()));
    EXPECT_TRUE(OpenHelp(owner_, "qmark.hlp", HELP_CONTEXT, 103, &dialogs_));
    ExpectTopic("Book Properties", "Default Template Text");
    SetCurrentDirectoryA(previous);
}

TEST_F(HelpViewer, ContextNamesResolveThroughTheHashTable) {
    std::string command = "winhlp32.exe -i diary_properties " + file_;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Shown shown = ExpectTopic("Diary Properties", "Times hourly: From and To");
    EXPECT_EQ(0u, shown.caption.find("Quillmark Help")) << shown.caption;
}

} // namespace
