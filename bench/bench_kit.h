// What the benchmark cases share: the clock, the notes in list order, and a started Quillmark
// (or any program with one window) driven from outside.
#pragma once

#include "platform/process_start.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

double SecondsSince(const LARGE_INTEGER& start);
LARGE_INTEGER Now();

// The notes in the order the note list shows them (ascending, ignoring case).
std::vector<std::string> ListedNotes(const char* folder);

// The running program's main window and what it shows.
struct ProgramWindow {
    StartedProcess process;
    HWND window = nullptr;
    bool plain = false;

    HWND Item(int id) const { return GetDlgItem(window, id); }
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Item(id), message, wParam, lParam);
    }
    // Listed notes count expected, the first one open, and the window answering messages; a
    // plain window (notes -1) only answering.
    bool Shows(LRESULT notes) const;
    // The window answers a message (within 5 s).
    bool Answers() const;
};

// Only the books given, the current one first, and no note remembered: the first one opens.
void PrepareBooks(const std::vector<const char*>& folders);
// Starts program and waits until its window shows notes notes with the first open.
bool StartProgram(const char* program, LRESULT notes, ProgramWindow* started,
                  const char* argument = "");
// The peak working set of the started program so far, in KB.
size_t PeakKb(const ProgramWindow& program);
void EndProgram(ProgramWindow& program);
