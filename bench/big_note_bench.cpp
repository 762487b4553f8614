// The big-note cases: a long note opened, typed into, saved and left in the real window, and the
// same text in a bare RichEdit20A window, the floor that Wine's rich edit sets.
#include "big_note_bench.h"

#include "bench_kit.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "platform/lfile.h"
#include "resources/resource.h"

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const UINT_PTR kSaveTimer = 2; // the main window's save timer
const DWORD kTypingDeadlineMs = 600000;

// Posts keys characters to editor, as typed keys reach a window's loop.
void PostTypedKeys(HWND editor, int keys) {
    for (int i = 0; i < keys; ++i)
        PostMessageA(editor, WM_CHAR, 'x', 1);
}

// The window shows everything it has to, then answers.
void Painted(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

long long FileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct BytesStream {
    const std::string* bytes;
    size_t taken;
};

DWORD CALLBACK StreamBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* stream = reinterpret_cast<BytesStream*>(cookie);
    size_t size = std::min(static_cast<size_t>(count), stream->bytes->size() - stream->taken);
    std::memcpy(buffer, stream->bytes->data() + stream->taken, size);
    stream->taken += size;
    *done = static_cast<LONG>(size);
    return 0;
}

// Runs this thread's messages until there are none left.
void RunPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int BigNote(const char* program, const char* book, int keys) {
    const std::vector<std::string> names = ListedNotes(book);
    if (names.size() != 2) return 1;
    char bigPath[LFile::kPathSize];
    BuildNotePath(book, names[1].c_str(), bigPath);
    const long long bigSize = FileSize(bigPath);
    PrepareBooks({book});
    ProgramWindow started;
    if (!StartProgram(program, 2, &started)) {
        EndProgram(started);
        return 1;
    }
    // Opening: the note list's Down key, sent, returns once the note is loaded; then the window
    // paints and answers.
    LARGE_INTEGER start = Now();
    started.Send(IDC_NOTE_LIST, WM_KEYDOWN, VK_DOWN, 0);
    Painted(started.window);
    const bool answered = started.Answers();
    const double open = SecondsSince(start);

    HWND editor = started.Item(IDC_NOTE_TEXT);
    RECT place;
    GetClientRect(editor, &place);
    const LRESULT length = SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(editor, EM_SETSEL, length / 2, length / 2);
    start = Now();
    PostTypedKeys(editor, keys);
    const DWORD deadline = GetTickCount() + kTypingDeadlineMs;
    while (SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) < length + keys &&
           GetTickCount() < deadline)
        Sleep(10);
    Painted(started.window);
    const double typing = SecondsSince(start);

    // The save timer's save, as the timer would start it five seconds after the last key.
    start = Now();
    SendMessageA(started.window, WM_TIMER, kSaveTimer, 0);
    const double save = SecondsSince(start);
    const bool saved = FileSize(bigPath) == bigSize + keys;

    start = Now();
    started.Send(IDC_NOTE_LIST, WM_KEYDOWN, VK_UP, 0);
    Painted(started.window);
    const bool answeredAfter = started.Answers();
    const double away = SecondsSince(start);
    const size_t peak = PeakKb(started);
    EndProgram(started);
    std::printf("seconds=%.4f typing=%.4f save=%.4f away=%.4f size=%ldx%ld peak_kb=%zu ok=%d\n",
                open, typing, save, away, place.right, place.bottom, peak,
                answered && saved && answeredAfter);
    return answered && saved && answeredAfter ? 0 : 1;
}

int BigFloor(const char* file, int keys, int width, int height, bool links) {
    LoadLibraryA("riched20.dll");
    std::string bytes;
    if (!ReadNoteBytes(file, &bytes)) return 1;
    HWND parent = CreateWindowA("STATIC", "quill_bench floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, width + 60, height + 80, nullptr, nullptr, nullptr, nullptr);
    // The font the dialog template gives Quillmark's window (8 points at 96 dots an inch).
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, "Verdana");
    RunPendingMessages();
    LARGE_INTEGER start = Now();
    HWND editor = CreateWindowExA(
        0, "RichEdit20A", "",
        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL |
            WS_BORDER,
        0, 0, width, height, parent, nullptr, nullptr, nullptr);
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (links) SendMessageA(editor, EM_AUTOURLDETECT, TRUE, 0);
    BytesStream stream = {&bytes, 0};
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&stream), 0, StreamBytes};
    SendMessageA(editor, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&editStream));
    Painted(parent);
    RunPendingMessages();
    const double open = SecondsSince(start);

    const LRESULT length = SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(editor, EM_SETSEL, length / 2, length / 2);
    start = Now();
    PostTypedKeys(editor, keys);
    RunPendingMessages();
    Painted(parent);
    const double typing = SecondsSince(start);
    const bool typed = SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) == length + keys;
    DestroyWindow(parent);
    DeleteObject(font);
    std::printf("seconds=%.4f typing=%.4f ok=%d\n", open, typing, typed);
    return typed ? 0 : 1;
}
