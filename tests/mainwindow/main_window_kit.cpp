#include "mainwindow/main_window_kit.h"

#include "notes/book_list.h"
#include "notes/note_names.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/testkit.h"

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>

namespace mainkit {

namespace {

struct Run {
    MainDialog* dialog;
    std::vector<Step> steps;
    DWORD deadline;
    size_t next = 0;
    bool busy = false;    // a step is running (its message boxes run loops of their own)
    bool started = false; // the window has been shown: its set-up is over
    bool timedOut = false;
};

Run* g_run = nullptr;

// Cancels a dialog or message box of this thread other than the main window.
BOOL CALLBACK CancelOtherDialog(HWND window, LPARAM mainWindow) {
    char kind[16] = "";
    GetClassNameA(window, kind, sizeof kind);
    if (window != reinterpret_cast<HWND>(mainWindow) && lstrcmpA(kind, "#32770") == 0)
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Run* run = g_run;
    if (run == nullptr || run->dialog->hwnd() == nullptr) return;
    HWND window = run->dialog->hwnd();
    // A question nobody answers, even one that set-up asks before the window shows, ends the
    // run when time is up instead of holding it for ever.
    if (static_cast<LONG>(GetTickCount() - run->deadline) >= 0) {
        if (!run->timedOut)
            ADD_FAILURE() << "the main window's steps ran out of time at step " << run->next;
        run->timedOut = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelOtherDialog,
                          reinterpret_cast<LPARAM>(window));
        if (!run->busy) DestroyWindow(window);
        return;
    }
    if (run->busy) return;
    // Set-up may ask questions in loops of their own; the steps wait for the window to show.
    if (!run->started && !IsWindowVisible(window)) return;
    run->started = true;
    // A disabled window is inside a dialog or progress loop that a key or command started; the
    // timer fires in that loop too, and the next step must wait for the command to finish.
    if (!IsWindowEnabled(window)) return;
    if (run->next > run->steps.size()) return;
    if (run->next == run->steps.size()) {
        ++run->next;
        PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
        return;
    }
    run->busy = true;
    const bool done = run->steps[run->next](*run->dialog);
    run->busy = false;
    if (done) ++run->next;
}

} // namespace

void LoadWindowLibraries() {
    InitCommonControls();
    LoadLibraryA("RICHED20.DLL");
}

std::string NotePath(const std::string& folder, const std::string& name) {
    char path[LFile::kPathSize];
    BuildNotePath(folder.c_str(), name.c_str(), path);
    return path;
}

std::vector<std::string> ConflictCopies(const std::string& folder, const std::string& note) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search =
        FindFirstFileA((folder + "\\" + note + " (conflict copy *).txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        names.emplace_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string AddBook(const std::string& name, const std::vector<Note>& notes, bool readOnly) {
    std::string folder = testkit::ScratchPath(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const Note& note : notes)
        EXPECT_TRUE(testkit::WriteFileBytes(NotePath(folder, note.name), note.text));
    BookList::AddBook(folder.c_str(), false);
    if (readOnly) BookList::SetReadOnly(BookList::Count() - 1, true);
    return folder;
}

Step Do(std::function<void(MainDialog&)> action) {
    return [action](MainDialog& dialog) {
        action(dialog);
        return true;
    };
}

Step WaitFor(std::function<bool(MainDialog&)> condition) {
    return condition;
}

Step PressKey(int id, UINT virtualKey, std::vector<int> modifiers) {
    auto held = std::make_shared<std::unique_ptr<testkit::HeldKeys>>();
    return [=](MainDialog& dialog) {
        if (*held) { // the key has gone through the loop: let go of the modifiers
            held->reset();
            return true;
        }
        held->reset(new testkit::HeldKeys({}));
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : modifiers)
            state[key] |= 0x80;
        SetKeyboardState(state);
        HWND target = id != 0 ? Control(dialog, id) : dialog.hwnd();
        SetFocus(target);
        testkit::PostKey(target, virtualKey, true);
        return false;
    };
}

Step Answer(std::unique_ptr<testkit::DialogScript>& script,
            std::vector<testkit::DialogScript::Step> answers) {
    return Do(
        [&script, answers](MainDialog&) { script.reset(new testkit::DialogScript(answers)); });
}

bool RunMainWindow(std::vector<Step> steps, const std::vector<const char*>& args, DWORD timeoutMs) {
    LoadWindowLibraries();
    MainDialog dialog(static_cast<int>(args.size()), args.data());
    Run run = {&dialog, std::move(steps), GetTickCount() + timeoutMs};
    g_run = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
    EXPECT_TRUE(dialog.Open(nullptr, MAKEINTRESOURCEA(IDD_MAIN)));
    KillTimer(nullptr, timer);
    g_run = nullptr;
    testkit::PumpPending();
    return run.next >= run.steps.size() && !run.timedOut;
}

HWND Control(MainDialog& dialog, int id) {
    return GetDlgItem(dialog.hwnd(), id);
}

std::string ControlText(MainDialog& dialog, int id) {
    char text[4096] = "";
    GetWindowTextA(Control(dialog, id), text, sizeof text);
    return text;
}

std::vector<std::string> ListedNotes(MainDialog& dialog) {
    std::vector<std::string> names;
    HWND list = Control(dialog, IDC_NOTE_LIST);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[LFile::kPathSize] = "";
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        names.emplace_back(text);
    }
    return names;
}

std::vector<int> SelectedNotes(MainDialog& dialog) {
    std::vector<int> selected;
    int index = -1;
    while ((index = static_cast<int>(SendMessageA(Control(dialog, IDC_NOTE_LIST), LVM_GETNEXTITEM,
                                                  index, LVNI_SELECTED))) >= 0)
        selected.push_back(index);
    return selected;
}

bool MenuItemEnabled(MainDialog& dialog, int id) {
    // The items are read as the user sees them: each popup of the menu bar opened first.
    HMENU bar = GetMenu(dialog.hwnd());
    for (int i = 0; i < GetMenuItemCount(bar); ++i)
        if (HMENU popup = GetSubMenu(bar, i))
            SendMessageA(dialog.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                         MAKELPARAM(i, FALSE));
    UINT state = GetMenuState(bar, id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

int FocusedControl() {
    HWND focus = GetFocus();
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

CHARRANGE NoteTextSelection(MainDialog& dialog) {
    CHARRANGE selection = {-1, -1};
    SendMessageA(Control(dialog, IDC_NOTE_TEXT), EM_EXGETSEL, 0,
                 reinterpret_cast<LPARAM>(&selection));
    return selection;
}

void SelectNotes(MainDialog& dialog, const std::vector<int>& items) {
    for (int item : items) {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageA(Control(dialog, IDC_NOTE_LIST), LVM_SETITEMSTATE, item,
                     reinterpret_cast<LPARAM>(&state));
    }
}

void SelectOnly(MainDialog& dialog, int item) {
    HWND list = Control(dialog, IDC_NOTE_LIST);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    }
    SelectNotes(dialog, {item});
}

void SendCommand(MainDialog& dialog, int id, int notifyCode) {
    SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(id, notifyCode),
                 reinterpret_cast<LPARAM>(Control(dialog, id)));
}

void FireTimer(MainDialog& dialog, UINT_PTR id) {
    SendMessageA(dialog.hwnd(), WM_TIMER, id, 0);
}

void TypeIntoNote(MainDialog& dialog, const char* text) {
    HWND editor = Control(dialog, IDC_NOTE_TEXT);
    SetFocus(editor);
    SendMessageA(editor, EM_SETSEL, 0, 0);
    testkit::PostText(editor, text);
}

} // namespace mainkit
