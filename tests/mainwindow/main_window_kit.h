// Running the main window in a test: books and notes on disk, the window driven step by step
// from its own message loop, and what its controls show.
#pragma once

#include "mainwindow/main_dialog.h"
#include "testkit/gui.h"

#include <windows.h>

#include <richedit.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mainkit {

// Loads the editor's library and the common controls, as start-up does.
void LoadWindowLibraries();

// A book folder in the scratch folder with these notes (name, bytes), added to the book list and
// made the current book. Returns the folder.
struct Note {
    std::string name;
    std::string text;
};
std::string AddBook(const std::string& name, const std::vector<Note>& notes, bool readOnly = false);
std::string NotePath(const std::string& folder, const std::string& name);
// The file names of folder's conflict copies of note.
std::vector<std::string> ConflictCopies(const std::string& folder, const std::string& note);

// One step of a run: it runs from a timer of the window's own loop, so everything posted before
// has been handled by then. A step that answers false runs again at the next tick (a wait).
using Step = std::function<bool(MainDialog&)>;
Step Do(std::function<void(MainDialog&)> action);
Step WaitFor(std::function<bool(MainDialog&)> condition);

// A key pressed in control id (0: the window itself) with modifiers held, taken by the window's
// loop as a typed key would be.
Step PressKey(int id, UINT virtualKey, std::vector<int> modifiers = {});

// Starts answering, in order, the dialogs that the following steps open (the main window itself
// is not one of them).
Step Answer(std::unique_ptr<testkit::DialogScript>& script,
            std::vector<testkit::DialogScript::Step> answers);

// Opens the main window with the command line args (the program first) and runs the steps; then
// the window is exited, unless a step ended it. True when every step ran within timeoutMs; a
// run that takes longer fails the test and its window is destroyed.
bool RunMainWindow(std::vector<Step> steps, const std::vector<const char*>& args = {"qmark.exe"},
                   DWORD timeoutMs = 20000);

// What the controls show.
HWND Control(MainDialog& dialog, int id);
std::string ControlText(MainDialog& dialog, int id);
std::vector<std::string> ListedNotes(MainDialog& dialog);
std::vector<int> SelectedNotes(MainDialog& dialog);
// The item's state when the user opens its menu.
bool MenuItemEnabled(MainDialog& dialog, int id);
int FocusedControl();
CHARRANGE NoteTextSelection(MainDialog& dialog);

// What the user does.
void SelectNotes(MainDialog& dialog, const std::vector<int>& items); // added to the selection
// Selects item alone, as a click on it does.
void SelectOnly(MainDialog& dialog, int item);
void SendCommand(MainDialog& dialog, int id, int notifyCode = 0);
void FireTimer(MainDialog& dialog, UINT_PTR id);
// Types text at the start of the note text (posted: it arrives through the window's loop).
void TypeIntoNote(MainDialog& dialog, const char* text);

} // namespace mainkit
