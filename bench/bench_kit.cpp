// The running program's window and the clock, shared by the benchmark cases.
#include "bench_kit.h"

#include "notes/book_list.h"
#include "notes/note_files.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>

double SecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

std::vector<std::string> ListedNotes(const char* folder) {
    std::vector<std::string> names = ListNotes(folder);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

bool ProgramWindow::Answers() const {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer) != 0;
}

bool ProgramWindow::Shows(LRESULT notes) const {
    return (notes < 0 || (Send(IDC_NOTE_LIST, LVM_GETITEMCOUNT) == notes &&
                          Send(IDC_NOTE_TEXT, WM_GETTEXTLENGTH) > 0)) &&
           Answers();
}

namespace {

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
    auto* program = reinterpret_cast<ProgramWindow*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != program->process.id || !IsWindowVisible(window) ||
        (!program->plain && GetDlgItem(window, IDC_NOTE_LIST) == nullptr))
        return TRUE;
    program->window = window;
    return FALSE;
}

} // namespace

void PrepareBooks(const std::vector<const char*>& folders) {
    WriteSetting(setting::kCurrentNote, "");
    while (BookList::Count() > 0)
        BookList::RemoveBook(BookList::Count() - 1);
    for (size_t i = folders.size(); i-- > 0;)
        BookList::AddBook(folders[i], false);
}

bool StartProgram(const char* program, LRESULT notes, ProgramWindow* started,
                  const char* argument) {
    started->plain = notes < 0;
    if (!StartProcess(program, argument, SW_SHOWNORMAL, &started->process)) return false;
    // A book of 100,000 notes takes its time.
    WaitForInputIdle(started->process.process.get(), 120000);
    const DWORD deadline = GetTickCount() + 120000;
    while (GetTickCount() < deadline) {
        if (started->window == nullptr)
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(started));
        if (started->window != nullptr && started->Shows(notes)) return true;
        Sleep(1);
    }
    return false;
}

size_t PeakKb(const ProgramWindow& program) {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(program.process.process.get(), &memory, sizeof memory)) return 0;
    return static_cast<size_t>(memory.PeakWorkingSetSize / 1024);
}

void EndProgram(ProgramWindow& program) {
    if (program.window != nullptr)
        PostMessageA(program.window, program.plain ? WM_CLOSE : WM_COMMAND, IDM_EXIT, 0);
    if (program.process.process.valid() &&
        WaitForSingleObject(program.process.process.get(), 10000) != WAIT_OBJECT_0)
        TerminateProcess(program.process.process.get(), 1);
    program.process.process.Reset();
}
