// LDialog: the object behind a dialog window built from a resource template. One shared dialog
// procedure (StaticDialogProc) keeps the object in the window's DWLP_USER slot and calls its
// virtual operations; the object does not own the window, which must be closed before the object
// goes away. The non-virtual helpers work on the dialog's own controls and menu.
#pragma once

#include <windows.h>

// The program's help file, beside the program.
constexpr char kHelpFile[] = "qmark.hlp";

class LDialog {
  public:
    LDialog() = default;
    LDialog(const LDialog&) = delete;
    LDialog& operator=(const LDialog&) = delete;

    // Virtual operations, in this order; descendants append theirs after DialogProc.
    virtual ~LDialog();
    virtual void InitDialog() {}
    // Validate and take the controls' values; false keeps the dialog open.
    virtual bool CmOk() { return true; }
    virtual bool CmCancel() { return true; }
    virtual void CmHelp() {}
    // Re-derives the enabled and checked state of controls; runs after InitDialog and Command.
    virtual void UpdateControls() {}
    virtual void Command(int /*id*/, int /*notifyCode*/) {}
    virtual void DestroyDialog() {}
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Runs the dialog modally over parent (may be null). True exactly when it ended with IDOK;
    // false for Cancel, when the template cannot be created and when the object is already open.
    bool Open(HWND parent, LPCSTR templateName);

    // Helpers on the dialog's controls and menu.
    BOOL DisplayHelpContents(int contextId);
    int MapDialogHeight(int dialogUnits);
    void EnableMenuCommand(int id, bool enable);
    void CheckMenuCommand(int id, bool check);
    void EnableControl(int id, bool enable);
    void MoveControl(int id, int x, int y, int width, int height);
    // Copies at most 259 characters and the terminator into buffer (260 bytes); returns the
    // length copied. The buffer is emptied first, so it holds "" when the control is missing.
    int GetControlText(int id, char* buffer);
    // One column per title of the null-ended list, sized by percentages of the client width.
    void LVInsertColumns(int id, const char* const* titles, const int* percentages);
    void LVSetColumnWidth(int id, int column, int width);
    // Makes item the only selected and focused one; -1 or an index past the end clears both.
    void LVSetSelection(int id, int item);
    // Registers control id as a tool of the dialog's tooltip window, which is created on first use
    // into toolTips; the owner destroys that window when it goes away. The tips show when the
    // dialog's message loop passes the mouse messages on with RelayToolTipEvent.
    void AddTool(HWND& toolTips, int id, const char* text);
    static void RelayToolTipEvent(HWND toolTips, HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam);

    // The dialog's window while it exists, null otherwise.
    HWND hwnd() const { return hwnd_; }

  private:
    friend INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

    // DestroyDialog, then the object and its window let go of each other.
    void ReleaseWindow();

    HWND hwnd_ = nullptr;
};

// Shows a message box about window's work and returns the button pressed. The box is owned by
// window only while window is visible: a message from a window that is being destroyed or is
// hidden in the tray stands on its own, where the user sees it. window may be null.
int ShowMessage(HWND window, const char* text, const char* caption, UINT type);

// The dialog procedure of every LDialog window; the creation parameter is the object.
INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
