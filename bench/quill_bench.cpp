// quill_bench CASE ARGS...: times one piece of Quillmark's own code on prepared data and prints
// "seconds=<s>" (and what else the case measures) on one line. bench/run prepares the data,
// repeats each case, runs the baselines beside it and prints the table.
//   list FOLDER             listing the notes of FOLDER and choosing the next "New %d" name
//   find FOLDER TEXT        the "Finding" scan over every note of FOLDER in list order
//   print FOLDER            Print Book's document for every note of FOLDER
//   extract SETUP FOLDER    extraction of a self-installing file into FOLDER
#include "installer/extract.h"
#include "notes/book_print.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "notes/note_search.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

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

// The notes in the order the note list shows them (ascending, ignoring case).
std::vector<std::string> ListedNotes(const char* folder) {
    std::vector<std::string> names = ListNotes(folder);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

int List(const char* folder) {
    LARGE_INTEGER start = Now();
    std::vector<std::string> names = ListNotes(folder);
    char name[LFile::kPathSize] = "";
    bool free = FirstFreeNewNoteName(names, name);
    std::printf("seconds=%.4f notes=%zu next=%s\n", SecondsSince(start), names.size(),
                free ? name : "-");
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
    std::fprintf(stderr,
                 "usage: quill_bench list FOLDER | find FOLDER TEXT | print FOLDER | extract "
                 "SETUP "
                 "FOLDER\n");
    return 2;
}
