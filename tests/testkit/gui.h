// The GUI test kit: answering message boxes and dialogs, keys with modifiers, bounded waits and
// screenshots. Everything works on the calling thread's windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testkit {

// What a dialog or message box showed when it was answered.
struct SeenDialog {
    std::string caption;
    // A message box's text; for other dialogs the texts of their static controls, one a line.
    std::string text;
    // The MB_ICON* bits of the system icon shown (MB_ICONHAND, MB_ICONQUESTION,
    // MB_ICONEXCLAMATION, MB_ICONASTERISK), 0 when there is none.
    UINT icon = 0;
    // Ids of the push buttons, in window order.
    std::vector<int> buttons;
};

SeenDialog Describe(HWND dialog);

// Clicks a dialog's button by id through the dialog manager (BN_CLICKED as WM_COMMAND).
void PressButton(HWND dialog, int id);

// Answers the dialogs that the code under test opens on this thread, one scripted step per
// dialog in order. It polls by a thread timer, which fires inside any modal loop. A dialog beyond
// the script is recorded as unexpected, fails the test and is cancelled; so is every new dialog
// once timeoutMs have passed, so no test can hang.
class DialogScript {
  public:
    using Step = std::function<void(HWND)>;
    explicit DialogScript(std::vector<Step> steps, DWORD timeoutMs = 10000);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // A step that clicks a button.
    static Step Press(int buttonId);
    // Windows with this caption (a progress window that comes and goes, for instance) are
    // neither answered nor counted.
    void IgnoreCaption(const std::string& caption) { ignored_.push_back(caption); }

    const std::vector<SeenDialog>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }
    bool done() const { return next_ == steps_.size(); }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    std::vector<Step> steps_;
    size_t next_ = 0;
    std::vector<HWND> known_;
    std::vector<std::string> ignored_;
    std::vector<SeenDialog> seen_;
    int unexpected_ = 0;
    DWORD deadline_;
    UINT_PTR timer_;
};

// Holds modifier keys down in this thread's key state (what GetKeyState reports) while alive.
class HeldKeys {
  public:
    // Any of VK_CONTROL, VK_SHIFT, VK_MENU.
    explicit HeldKeys(std::initializer_list<int> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    BYTE saved_[256];
};

// Posts a key press to a window for the thread's own loop to take: WM_KEYDOWN (WM_SYSKEYDOWN
// while Alt is held), and with up also the matching key release.
void PostKey(HWND target, UINT virtualKey, bool up = false);
// Posts WM_CHAR for each character, as typing would.
void PostText(HWND target, const char* text);

// Dispatches this thread's messages until condition holds or timeoutMs pass; the result is the
// condition's last value.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Dispatches the messages already queued.
void PumpPending();

// Chooses folder in the shell's folder picker and presses OK. The picker fills its tree after it
// shows and may then select its start folder over an earlier choice, so the choice is repeated
// until the tree shows the folder's last component (for up to 5 seconds).
void ChooseFolderInPicker(HWND picker, const std::string& folder);

// Saves what the screen shows under the window, frame and caption included, as a 24-bit BMP named
// name + ".bmp" in the "screenshots" folder of the current directory (the test's build folder);
// returns its path, or "" when it could not be written.
std::string SaveScreenImage(HWND window, const std::string& name);
// The colour that the screen shows at a point of the screen.
COLORREF ScreenPixel(POINT at);
// The face the font mapper gives for face in charset: face itself when the font is installed.
std::string FontFaceFound(const char* face, BYTE charset);

} // namespace testkit
