// How long listing a book of 10,000 notes takes, and choosing the next "New %d" name in it.
// The notes are created once in a folder of the temporary folder and kept for later runs
// (creating them takes about a minute under Wine); "list_notes_bench /remove" removes them.
#include "notes/note_files.h"
#include "notes/note_names.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kNotes = 10000;
constexpr int kRuns = 5;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

bool MakeBook(const std::string& folder) {
    if (ListNotes(folder.c_str()).size() == static_cast<size_t>(kNotes)) return true;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 1; i <= kNotes; ++i) {
        std::string path = folder + "\\New " + std::to_string(i) + ".txt";
        if (!SaveNoteText(path.c_str(), "note text\r\n", 11)) return false;
    }
    return true;
}

void RemoveBook(const std::string& folder, const std::vector<std::string>& names) {
    DeleteNotes(folder.c_str(), names);
    RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "quill-bench-notes";
    if (argc > 1 && std::string(argv[1]) == "/remove") {
        RemoveBook(folder, ListNotes(folder.c_str()));
        return 0;
    }
    LARGE_INTEGER start = Now();
    if (!MakeBook(folder)) {
        std::printf("could not create the notes in %s\n", folder.c_str());
        return 1;
    }
    std::printf("book of %d notes ready in %.3f s\n", kNotes, Seconds(start, Now()));

    std::vector<double> listing, naming;
    std::vector<std::string> names;
    for (int run = 0; run < kRuns; ++run) {
        start = Now();
        names = ListNotes(folder.c_str());
        LARGE_INTEGER listed = Now();
        char name[LFile::kPathSize] = "";
        // "New 1" .. "New 9999" are all taken: the whole range is checked.
        bool free = FirstFreeNewNoteName(names, name);
        listing.push_back(Seconds(start, listed));
        naming.push_back(Seconds(listed, Now()));
        if (names.size() != static_cast<size_t>(kNotes) || free) {
            std::printf("wrong result: %zu notes, free name \"%s\"\n", names.size(), name);
            return 1;
        }
    }
    std::sort(listing.begin(), listing.end());
    std::sort(naming.begin(), naming.end());
    std::printf("ListNotes, %d notes: best %.3f s, median %.3f s, worst %.3f s\n", kNotes,
                listing.front(), listing[kRuns / 2], listing.back());
    std::printf("FirstFreeNewNoteName: median %.4f s\n", naming[kRuns / 2]);
    return 0;
}
