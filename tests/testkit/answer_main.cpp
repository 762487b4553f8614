// quill-answer TIMEOUT-MS CAPTION [ACTION...]: waits for a visible top-level window with exactly
// this caption (in this Wine prefix, any process), prints the texts of its controls, and carries
// out the actions in order:
//   click:ID     BM_CLICK on the control with that id (a radio button, a push button)
//   command:ID   posts WM_COMMAND with that id to the window
// Exits 0 when the window was found and answered, 1 when it did not appear in time. End-to-end
// scripts use it to answer the installer's and the program's windows from outside.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK ConsiderWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char text[256];
    if (IsWindowVisible(window) && GetWindowTextA(window, text, sizeof text) > 0 &&
        std::strcmp(text, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    char text[1024];
    if (GetWindowTextA(child, text, sizeof text) > 0)
        std::printf("%d: %s\n", GetDlgCtrlID(child), text);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quill-answer TIMEOUT-MS CAPTION [click:ID|command:ID]...\n");
        return 2;
    }
    const DWORD timeout = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
    Search search = {argv[2], nullptr};
    for (DWORD start = GetTickCount(); search.found == nullptr; Sleep(100)) {
        EnumWindows(ConsiderWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr && GetTickCount() - start >= timeout) {
            std::fprintf(stderr, "quill-answer: no window \"%s\"\n", argv[2]);
            return 1;
        }
    }
    // Let the window finish its own start before it is answered.
    Sleep(300);
    EnumChildWindows(search.found, PrintControl, 0);
    for (int i = 3; i < argc; ++i) {
        int id = 0;
        if (std::sscanf(argv[i], "click:%d", &id) == 1) {
            SendMessageA(GetDlgItem(search.found, id), BM_CLICK, 0, 0);
        } else if (std::sscanf(argv[i], "command:%d", &id) == 1) {
            PostMessageA(search.found, WM_COMMAND, static_cast<WPARAM>(id), 0);
        } else {
            std::fprintf(stderr, "quill-answer: unknown action %s\n", argv[i]);
            return 2;
        }
        Sleep(100);
    }
    std::fflush(stdout);
    return 0;
}
