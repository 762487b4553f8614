#include "testkit/dialog_watch.h"

#include <cstring>

namespace testkit {

namespace {

DialogWatch* g_activeWatch = nullptr;

struct Search {
    const HWND* except;
    int exceptCount;
    HWND found;
};

BOOL CALLBACK ConsiderWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char className[32];
    if (!IsWindowVisible(window) || !GetClassNameA(window, className, sizeof className) ||
        std::strcmp(className, "#32770") != 0)
        return TRUE;
    for (int i = 0; i < search->exceptCount; ++i)
        if (search->except[i] == window) return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindThreadDialog(const HWND* except, int exceptCount) {
    Search search = {except, exceptCount, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), ConsiderWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogWatch::DialogWatch(std::function<void(HWND)> action, DWORD timeoutMs)
    : action_(std::move(action)), deadline_(GetTickCount() + timeoutMs) {
    // Dialogs already on screen are not the one this watch waits for.
    HWND window;
    while (existingCount_ < 64 && (window = FindThreadDialog(existing_, existingCount_)) != nullptr)
        existing_[existingCount_++] = window;
    g_activeWatch = this;
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
}

DialogWatch::~DialogWatch() {
    KillTimer(nullptr, timer_);
    if (g_activeWatch == this) g_activeWatch = nullptr;
}

void CALLBACK DialogWatch::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_activeWatch != nullptr) g_activeWatch->Poll();
}

void DialogWatch::Poll() {
    if (answered_ || timedOut_) return;
    HWND dialog = FindThreadDialog(existing_, existingCount_);
    if (dialog != nullptr && IsWindowEnabled(dialog)) {
        answered_ = true;
        action_(dialog);
        return;
    }
    if (static_cast<LONG>(GetTickCount() - deadline_) >= 0) {
        timedOut_ = true;
        if (dialog != nullptr) PressButton(dialog, IDCANCEL);
    }
}

} // namespace testkit
