#include "testkit/gui.h"

#include "platform/handles.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace testkit {

namespace {

// The scripts alive on this thread, so that the timer callback finds its own.
std::vector<DialogScript*>& ActiveScripts() {
    static std::vector<DialogScript*> scripts;
    return scripts;
}

std::string WindowText(HWND window) {
    char text[4096];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsClass(HWND window, const char* name) {
    char className[64];
    return GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, name) == 0;
}

UINT SystemIconBits(HICON icon) {
    const struct {
        LPCSTR id;
        UINT bits;
    } icons[] = {{IDI_HAND, MB_ICONHAND},
                 {IDI_QUESTION, MB_ICONQUESTION},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                 {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& candidate : icons)
        if (icon != nullptr && LoadIconA(nullptr, candidate.id) == icon) return candidate.bits;
    return 0;
}

// The message box's text control has this id.
const int kMessageTextId = 0xFFFF;

struct Search {
    const std::vector<HWND>* known;
    HWND found;
};

BOOL CALLBACK ConsiderDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window) || !IsClass(window, "#32770"))
        return TRUE;
    for (HWND known : *search->known)
        if (known == window) return TRUE;
    search->found = window;
    return FALSE;
}

// The first visible, enabled dialog of this thread that is not in known.
HWND FindNewDialog(const std::vector<HWND>& known) {
    Search search = {&known, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), ConsiderDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

SeenDialog Describe(HWND dialog) {
    SeenDialog seen;
    seen.caption = WindowText(dialog);
    std::string statics;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (IsClass(child, "Button")) {
            LONG kind = style & BS_TYPEMASK;
            if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)
                seen.buttons.push_back(GetDlgCtrlID(child));
        } else if (IsClass(child, "Static")) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                seen.icon =
                    SystemIconBits(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
            } else if (GetDlgCtrlID(child) == kMessageTextId) {
                seen.text = WindowText(child);
            } else if (!WindowText(child).empty()) {
                statics += (statics.empty() ? "" : "\n") + WindowText(child);
            }
        }
    }
    if (seen.text.empty()) seen.text = statics;
    return seen;
}

DialogScript::DialogScript(std::vector<Step> steps, DWORD timeoutMs)
    : steps_(std::move(steps)), deadline_(GetTickCount() + timeoutMs) {
    // Dialogs already on screen are not the ones this script answers.
    HWND window;
    while ((window = FindNewDialog(known_)) != nullptr)
        known_.push_back(window);
    ActiveScripts().push_back(this);
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
}

DialogScript::~DialogScript() {
    KillTimer(nullptr, timer_);
    auto& scripts = ActiveScripts();
    for (size_t i = 0; i < scripts.size(); ++i)
        if (scripts[i] == this) scripts.erase(scripts.begin() + static_cast<long>(i));
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogScript::Step DialogScript::Press(int buttonId) {
    return [buttonId](HWND dialog) { PressButton(dialog, buttonId); };
}

void CALLBACK DialogScript::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    for (DialogScript* script : ActiveScripts())
        if (script->timer_ == id) script->Poll();
}

void DialogScript::Poll() {
    HWND dialog = FindNewDialog(known_);
    if (dialog == nullptr) return;
    known_.push_back(dialog);
    for (const std::string& caption : ignored_)
        if (WindowText(dialog) == caption) return;
    seen_.push_back(Describe(dialog));
    bool late = static_cast<LONG>(GetTickCount() - deadline_) >= 0;
    if (next_ < steps_.size() && !late) {
        steps_[next_++](dialog);
        return;
    }
    ++unexpected_;
    ADD_FAILURE() << (late ? "dialog after the script's time ran out: \"" : "unexpected dialog: \"")
                  << seen_.back().caption << "\" " << seen_.back().text;
    PressButton(dialog, IDCANCEL);
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::memcpy(state, saved_, sizeof state);
    for (int key : keys)
        state[key] |= 0x80;
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

void PostKey(HWND target, UINT virtualKey, bool up) {
    bool alt = GetKeyState(VK_MENU) < 0;
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey,
                 scan | 1 | (alt ? (1 << 29) : 0));
    if (up)
        PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                     scan | 1 | (alt ? (1 << 29) : 0) | (3u << 30));
}

void PostText(HWND target, const char* text) {
    for (const char* c = text; *c != '\0'; ++c)
        PostMessageA(target, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

namespace {

std::string SelectedTreeItem(HWND tree) {
    char text[MAX_PATH] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (item.hItem == nullptr || !TreeView_GetItem(tree, &item)) return "";
    return text;
}

} // namespace

// BFFM_SETSELECTIONA is the picker's own message for choosing a folder programmatically. A
// folder the picker does not reach fails the test and cancels the picker, rather than
// accepting whatever it shows (Wine's picker then answers its root, the desktop folder).
void ChooseFolderInPicker(HWND picker, const std::string& folder) {
    const std::string leaf = folder.substr(folder.find_last_of("\\/") + 1);
    HWND tree = FindWindowExA(picker, nullptr, WC_TREEVIEWA, nullptr);
    LRESULT reached = FALSE;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
        reached = SendMessageA(picker, BFFM_SETSELECTIONA, TRUE,
                               reinterpret_cast<LPARAM>(folder.c_str()));
        if (SelectedTreeItem(tree) == leaf) {
            PressButton(picker, IDOK);
            return;
        }
        PumpPending();
        Sleep(50);
    }
    ADD_FAILURE() << "the folder picker did not reach " << folder << " (BFFM_SETSELECTION gave "
                  << reached << ", the tree shows \"" << SelectedTreeItem(tree) << "\")";
    PressButton(picker, IDCANCEL);
}

namespace {

// What the screen shows under the window.
HBITMAP Capture(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture =
        CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left,
           rect.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

std::string SaveBitmap(HBITMAP picture, const std::string& name) {
    BITMAP size = {};
    GetObjectA(picture, sizeof size, &size);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = size.bmWidth;
    info.biHeight = size.bmHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD rowBytes = ((size.bmWidth * 3u) + 3u) & ~3u;
    std::vector<BYTE> pixels(rowBytes * size.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, picture, 0, size.bmHeight, pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);

    CreateDirectoryA("screenshots", nullptr);
    std::string path = "screenshots\\" + name + ".bmp";
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return "";
    bool ok = std::fwrite(&header, sizeof header, 1, file) == 1 &&
              std::fwrite(&info, sizeof info, 1, file) == 1 &&
              std::fwrite(pixels.data(), pixels.size(), 1, file) == 1;
    std::fclose(file);
    return ok ? path : "";
}

} // namespace

std::string SaveScreenImage(HWND window, const std::string& name) {
    HBITMAP picture = Capture(window);
    if (picture == nullptr) return "";
    std::string path = SaveBitmap(picture, name);
    DeleteObject(picture);
    return path;
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP pixel = CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ previous = SelectObject(memory, pixel);
    BitBlt(memory, 0, 0, 1, 1, screen, at.x, at.y, SRCCOPY);
    COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, previous);
    DeleteObject(pixel);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string FontFaceFound(const char* face, BYTE charset) {
    HDC screen = GetDC(nullptr);
    CGdiObject<HFONT> font(CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH, face));
    HGDIOBJ previous = SelectObject(screen, font.get());
    char found[LF_FACESIZE] = "";
    GetTextFaceA(screen, sizeof found, found);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace testkit
