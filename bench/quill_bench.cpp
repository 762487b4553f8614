// quill_bench CASE ARGS...: times one piece of Quillmark's own code on prepared data and prints
// "seconds=<s>" (and what else the case measures) on one line. bench/run prepares the data,
// repeats each case, runs the baselines beside it and prints the table.
//   list FOLDER             listing the notes of FOLDER and choosing the next "New %d" name
//   find FOLDER TEXT        the "Finding" scan over every note of FOLDER in list order
//   print FOLDER            Print Book's document for every note of FOLDER
//   extract SETUP FOLDER    extraction of a self-installing file into FOLDER
//   startup QMARK BOOK      qmark.exe started with BOOK (a folder) the current book, until its
//                           window is idle with the book listed and its first note open
//   switch QMARK FROM TO    the same program started on book FROM, then switched to book TO
//   find-window QMARK BOOK TEXT  File > Find in the started program, all notes of BOOK, until the
//                           note holding TEXT is open (prints its name)
//   startup-plain           this program started again with a plain window ("idle"), until idle
//   open-each QMARK BOOK    qmark.exe started on BOOK, then each note opened in turn by the Down
//                           key in the note list: median, 95th percentile and slowest opening
//   big-note QMARK BOOK KEYS  qmark.exe started on BOOK (a small first note, then a big one):
//                           opening the big note, KEYS characters typed into its middle, the save
//                           timer's save and switching back to the first note
// and the least any Windows program does for the same work, the floor the platform sets:
//   read FOLDER [COUNT]     opening, reading whole and closing the first COUNT notes, nothing else
//   copy FROM TO CHUNK      copying a file with ReadFile and WriteFile, CHUNK bytes at a time
//   list-folder FOLDER      the notes of FOLDER listed (FindFirstFileA, names cut at the last ".")
//                           into a bare report list view of the note list's size that asks for
//                           the names it draws (LVS_OWNERDATA), then drawn; with this program's
//                           peak working set
//   big-floor FILE KEYS WIDTH HEIGHT [links]  a bare RichEdit20A window of that size with the
//                           program's font: FILE streamed in (SF_TEXT) and KEYS characters typed;
//                           with "links", detecting links as the program's editor does
#include "bench_kit.h"
#include "big_note_bench.h"
#include "installer/extract.h"
#include "notes/book_print.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "notes/note_search.h"
#include "notes/book_list.h"
#include "platform/handles.h"
#include "platform/process_start.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

int List(const char* folder) {
    LARGE_INTEGER start = Now();
    std::vector<std::string> names = ListNotes(folder);
    char name[LFile::kPathSize] = "";
    bool free = FirstFreeNewNoteName(names, name);
    const double seconds = SecondsSince(start);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("seconds=%.4f notes=%zu next=%s peak_kb=%zu\n", seconds, names.size(),
                free ? name : "-", static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
    return names.empty() ? 1 : 0;
}

int Find(const char* folder, const char* text) {
    std::vector<std::string> names = ListedNotes(folder);
    LARGE_INTEGER start = Now();
    int index = 0;
    bool found =
        FindNoteContaining(folder, names, &index, text, false, [](size_t, size_t) { return true; });
    std::printf("seconds=%.4f notes=%zu found=%d\n", SecondsSince(start), names.size(),
                found ? index : -1);
    return found ? 0 : 1;
}

int Print(const char* folder) {
    std::vector<std::string> names = ListedNotes(folder);
    LARGE_INTEGER start = Now();
    char path[LFile::kPathSize];
    bool written = WritePrintDocument(
        folder, names, true, [](size_t, size_t) {}, path);
    std::printf("seconds=%.4f notes=%zu\n", SecondsSince(start), names.size());
    return written ? 0 : 1;
}

int ReadEach(const char* folder, size_t count) {
    std::vector<std::string> names = ListedNotes(folder);
    if (count < names.size()) names.resize(count);
    std::vector<char> buffer(1 << 20);
    LARGE_INTEGER start = Now();
    unsigned long long bytes = 0;
    for (const std::string& name : names) {
        char path[LFile::kPathSize];
        BuildNotePath(folder, name.c_str(), path);
        CHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD read = 0;
        ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
        bytes += read;
    }
    std::printf("seconds=%.4f notes=%zu bytes=%llu\n", SecondsSince(start), names.size(), bytes);
    return bytes > 0 ? 0 : 1;
}

int Copy(const char* from, const char* to, DWORD chunk) {
    std::vector<char> buffer(chunk);
    LARGE_INTEGER start = Now();
    {
        CHandle source(CreateFileA(from, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        CHandle destination(CreateFileA(to, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD read = 0, written = 0;
        while (ReadFile(source.get(), buffer.data(), chunk, &read, nullptr) && read > 0)
            WriteFile(destination.get(), buffer.data(), read, &written, nullptr);
    } // closed before the time is taken, as the copy is only done then
    std::printf("seconds=%.4f\n", SecondsSince(start));
    return 0;
}


int StartUp(const char* program, const char* book) {
    PrepareBooks({book});
    const LRESULT notes = static_cast<LRESULT>(ListNotes(book).size());
    ProgramWindow started;
    LARGE_INTEGER start = Now();
    bool shown = StartProgram(program, notes, &started);
    double seconds = SecondsSince(start);
    const size_t peak = PeakKb(started);
    EndProgram(started);
    std::printf("seconds=%.4f notes=%ld shown=%d peak_kb=%zu\n", seconds, static_cast<long>(notes),
                shown, peak);
    return shown ? 0 : 1;
}

// The floor of start-up: this program started again with a plain window ("idle").
int StartUpPlain() {
    char self[LFile::kPathSize];
    GetModuleFileNameA(nullptr, self, sizeof self);
    ProgramWindow started;
    LARGE_INTEGER start = Now();
    bool shown = StartProgram(self, -1, &started, "idle");
    double seconds = SecondsSince(start);
    EndProgram(started);
    std::printf("seconds=%.4f shown=%d\n", seconds, shown);
    return shown ? 0 : 1;
}

int Idle() {
    HWND window = CreateWindowA("STATIC", "quill_bench idle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

int Switch(const char* program, const char* from, const char* to) {
    PrepareBooks({from, to});
    ProgramWindow started;
    if (!StartProgram(program, static_cast<LRESULT>(ListNotes(from).size()), &started)) {
        EndProgram(started);
        return 1;
    }
    const LRESULT notes = static_cast<LRESULT>(ListNotes(to).size());
    // The book list is sorted by name; the other book is the one not selected.
    const LRESULT target = started.Send(IDC_BOOK_LIST, CB_GETCURSEL) == 0 ? 1 : 0;
    LARGE_INTEGER start = Now();
    started.Send(IDC_BOOK_LIST, CB_SETCURSEL, target);
    SendMessageA(started.window, WM_COMMAND, MAKEWPARAM(IDC_BOOK_LIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(started.Item(IDC_BOOK_LIST)));
    RedrawWindow(started.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    bool shown = started.Shows(notes);
    double seconds = SecondsSince(start);
    const size_t peak = PeakKb(started);
    EndProgram(started);
    std::printf("seconds=%.4f notes=%ld shown=%d peak_kb=%zu\n", seconds, static_cast<long>(notes),
                shown, peak);
    return shown ? 0 : 1;
}

BOOL CALLBACK FindFindDialog(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[32] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (process != found->first || !IsWindowVisible(window) || std::strcmp(caption, "Find") != 0)
        return TRUE;
    found->second = window;
    return FALSE;
}

int FindThroughWindow(const char* program, const char* book, const char* text) {
    PrepareBooks({book});
    ProgramWindow started;
    if (!StartProgram(program, static_cast<LRESULT>(ListNotes(book).size()), &started)) {
        EndProgram(started);
        return 1;
    }
    PostMessageA(started.window, WM_COMMAND, IDM_FIND, 0);
    std::pair<DWORD, HWND> find(started.process.id, nullptr);
    for (DWORD deadline = GetTickCount() + 10000; find.second == nullptr && GetTickCount() < deadline;
         Sleep(1))
        EnumWindows(FindFindDialog, reinterpret_cast<LPARAM>(&find));
    // Another process's control answers WM_GETTEXT; GetWindowText would not ask it.
    auto shownName = [&started](char* name) {
        started.Send(IDC_NOTE_NAME, WM_GETTEXT, LFile::kPathSize, reinterpret_cast<LPARAM>(name));
    };
    char before[LFile::kPathSize] = "";
    shownName(before);
    char name[LFile::kPathSize] = "";
    LARGE_INTEGER start = Now();
    if (find.second != nullptr) {
        SetDlgItemTextA(find.second, IDC_FIND_TEXT, text);
        SendDlgItemMessageA(find.second, IDC_FIND_SCOPE_NOTE, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(find.second, IDC_FIND_SCOPE_BOOK, BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(find.second, WM_COMMAND, IDOK, 0);
        for (DWORD deadline = GetTickCount() + 60000; GetTickCount() < deadline; Sleep(1)) {
            shownName(name);
            if (std::strcmp(name, before) != 0 && started.Shows(-1)) break;
        }
    }
    double seconds = SecondsSince(start);
    EndProgram(started);
    std::printf("seconds=%.4f opened=%s\n", seconds, name);
    return std::strcmp(name, before) != 0 ? 0 : 1;
}

int OpenEach(const char* program, const char* book) {
    PrepareBooks({book});
    const LRESULT notes = static_cast<LRESULT>(ListNotes(book).size());
    ProgramWindow started;
    if (notes < 2 || !StartProgram(program, notes, &started)) {
        EndProgram(started);
        return 1;
    }
    // The program reopens the note it showed last: start from the first.
    started.Send(IDC_NOTE_LIST, WM_KEYDOWN, VK_HOME, 0);
    std::vector<double> seconds;
    for (LRESULT i = 1; i < notes; ++i) {
        LARGE_INTEGER start = Now();
        // Sent, so it returns once the list has moved on and the note is open.
        started.Send(IDC_NOTE_LIST, WM_KEYDOWN, VK_DOWN, 0);
        RedrawWindow(started.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        seconds.push_back(SecondsSince(start));
    }
    const LRESULT last = started.Send(IDC_NOTE_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                      LVNI_SELECTED);
    EndProgram(started);
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double p95 = seconds[std::min(seconds.size() - 1, seconds.size() * 95 / 100)];
    std::printf("seconds=%.4f p95=%.4f slowest=%.4f opened=%zu last=%ld\n", median, p95,
                seconds.back(), seconds.size(), static_cast<long>(last));
    return last == notes - 1 ? 0 : 1;
}

// The names the floor's list shows, for its parent's answers.
std::vector<std::string> floorNames;

LRESULT CALLBACK ListParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 &&
            static_cast<size_t>(item.iItem) < floorNames.size())
            lstrcpynA(item.pszText, floorNames[static_cast<size_t>(item.iItem)].c_str(),
                      item.cchTextMax);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int ListFolder(const char* folder) {
    InitCommonControls();
    WNDCLASSA parentClass = {};
    parentClass.lpfnWndProc = ListParentProc;
    parentClass.lpszClassName = "quill_bench_list";
    RegisterClassA(&parentClass);
    HWND parent = CreateWindowA("quill_bench_list", "quill_bench list",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr,
                                nullptr, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS |
                                    LVS_NOCOLUMNHEADER | LVS_OWNERDATA,
                                0, 0, 180, 290, parent, nullptr, nullptr, nullptr);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 170;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    LARGE_INTEGER start = Now();
    std::string pattern = std::string(folder) + "\\*.txt";
    WIN32_FIND_DATAA found;
    CFindHandle search(pattern.c_str(), &found);
    if (search.valid()) {
        do {
            std::string name = found.cFileName;
            floorNames.push_back(name.substr(0, name.rfind('.')));
        } while (search.Next(&found));
    }
    SendMessageA(list, LVM_SETITEMCOUNT, floorNames.size(), 0);
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double seconds = SecondsSince(start);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const LRESULT listed = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    DestroyWindow(parent);
    std::printf("seconds=%.4f notes=%ld peak_kb=%zu\n", seconds, static_cast<long>(listed),
                static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
    return listed > 0 ? 0 : 1;
}

struct NoProgress : ExtractProgress {
    void ShowFileName(const char*) override {}
    void ShowProgress(double) override {}
    bool Cancelled() override { return false; }
};

int Extract(const char* setup, const char* folder) {
    NoProgress progress;
    LARGE_INTEGER start = Now();
    ExtractResult result = ExtractPayload(setup, folder, kInstalledFiles, progress);
    double seconds = SecondsSince(start);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("seconds=%.4f peak_working_set_kb=%zu\n", seconds,
                static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
    return result == ExtractResult::Done ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "list") == 0) return List(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "find") == 0) return Find(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "print") == 0) return Print(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "extract") == 0) return Extract(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "startup") == 0) return StartUp(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "startup-plain") == 0) return StartUpPlain();
    if (argc == 2 && std::strcmp(argv[1], "idle") == 0) return Idle();
    if (argc == 4 && std::strcmp(argv[1], "open-each") == 0) return OpenEach(argv[2], argv[3]);
    if (argc == 5 && std::strcmp(argv[1], "switch") == 0) return Switch(argv[2], argv[3], argv[4]);
    if (argc == 5 && std::strcmp(argv[1], "find-window") == 0)
        return FindThroughWindow(argv[2], argv[3], argv[4]);
    if (argc == 3 && std::strcmp(argv[1], "list-folder") == 0) return ListFolder(argv[2]);
    if (argc == 5 && std::strcmp(argv[1], "big-note") == 0)
        return BigNote(argv[2], argv[3], std::atoi(argv[4]));
    if ((argc == 6 || (argc == 7 && std::strcmp(argv[6], "links") == 0)) &&
        std::strcmp(argv[1], "big-floor") == 0)
        return BigFloor(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                        argc == 7);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "read") == 0)
        return ReadEach(argv[2], argc == 4 ? std::strtoul(argv[3], nullptr, 10) : SIZE_MAX);
    if (argc == 5 && std::strcmp(argv[1], "copy") == 0)
        return Copy(argv[2], argv[3], std::strtoul(argv[4], nullptr, 10));
    std::fprintf(stderr, "usage: quill_bench list|find|print|extract|startup|switch|big-note|read|copy ... "
                         "(see the top of quill_bench.cpp)\n");
    return 2;
}
