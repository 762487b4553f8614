// MainDialog's editor pane: opening the selected note, saving and renaming it, and the state of
// the note controls.
#include "mainwindow/main_dialog.h"

#include "dialogs/program_instance.h"

#include "notes/note_files.h"
#include "notes/note_names.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>

namespace {

// Any note the program can open is loaded whole and can grow: the editor's own limit
// (32,767 characters) would cut a longer note, and saving it would then shorten its file.
const LPARAM kTextLimit = 0x7FFFFFFE;
const DWORD kEditorEvents = ENM_CHANGE | ENM_SELCHANGE | ENM_MOUSEEVENTS | ENM_LINK;
const COLORREF kReadOnlyBackground = RGB(0xF0, 0xF0, 0xF0);
const COLORREF kEditableBackground = RGB(0xFF, 0xFF, 0xFF);

// The stream cookie: the open file, and whether a write fell short.
struct StreamFile {
    HANDLE file;
    bool failed;
};

DWORD CALLBACK EditStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* stream = reinterpret_cast<StreamFile*>(cookie);
    DWORD read = 0;
    if (stream->file == INVALID_HANDLE_VALUE ||
        !ReadFile(stream->file, buffer, static_cast<DWORD>(count), &read, nullptr))
        read = 0;
    // A line end is never split between two pieces: the editor would take a CR at the end of
    // one and the LF starting the next for two line ends, and the next save would add an empty
    // line to the note. The CR is read again with the next piece.
    if (read > 1 && read == static_cast<DWORD>(count) && buffer[read - 1] == '\r' &&
        SetFilePointer(stream->file, -1, nullptr, FILE_CURRENT) != INVALID_SET_FILE_POINTER)
        --read;
    // A NUL byte has no place in a note's plain text, and an editor that ends the stream there
    // would cut the note at the next save: it is shown, and saved after an edit, as a blank,
    // so the rest of the note is always kept.
    std::replace(buffer, buffer + read, '\0', ' ');
    *done = static_cast<LONG>(read);
    return 0;
}

DWORD CALLBACK EditStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* stream = reinterpret_cast<StreamFile*>(cookie);
    DWORD written = 0;
    if (!WriteFile(stream->file, buffer, static_cast<DWORD>(count), &written, nullptr)) written = 0;
    if (written < static_cast<DWORD>(count)) stream->failed = true;
    *done = static_cast<LONG>(written);
    return 0;
}

} // namespace

HWND MainDialog::NoteText() {
    return GetDlgItem(hwnd, IDC_NOTE_TEXT);
}

// Replaces the editor with a fresh control of the same kind, place, font and state. Wine's rich
// edit takes time growing with the square of the line count to delete a text (minutes for a
// 1 MB note), while a control that is destroyed frees its text at once.
HWND MainDialog::RenewNoteText() {
    HWND old = NoteText();
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&place), 2);
    char kind[64];
    GetClassNameA(old, kind, sizeof kind);
    // The editor hides its scroll bar, clearing the style bit, while the text fits: the new one
    // asks for it again.
    HWND fresh = CreateWindowExA(
        static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE)), kind, "",
        static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE)) | WS_VSCROLL, place.left, place.top,
        place.right - place.left, place.bottom - place.top, hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_NOTE_TEXT)), ProgramInstance(), nullptr);
    if (fresh == nullptr) return old; // the old control stays and empties the slow way
    SendMessageA(fresh, WM_SETFONT, SendMessageA(old, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); // tab order
    const bool focused = GetFocus() == old;
    if (toolTips != nullptr) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(old);
        SendMessageA(toolTips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    DestroyWindow(old);
    if (toolTips != nullptr) AddTool(toolTips, IDC_NOTE_TEXT, kNoteTextTip);
    if (focused) SetFocus(fresh);
    if (editorState_ != EditorState::Unset) ShowEditorState(fresh);
    return fresh;
}

void MainDialog::ShowEditorState(HWND text) {
    const bool locked = editorState_ == EditorState::ReadOnly;
    SendMessageA(text, EM_SETBKGNDCOLOR, 0, locked ? kReadOnlyBackground : kEditableBackground);
    SendMessageA(text, EM_SETREADONLY, locked, 0);
}

void MainDialog::LoadRichEditText(const char* path) {
    HWND text = RenewNoteText();
    LRESULT events = SendMessageA(text, EM_GETEVENTMASK, 0, 0);
    SendMessageA(text, EM_SETEVENTMASK, 0, events | kEditorEvents);
    SendMessageA(text, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageA(text, EM_EXLIMITTEXT, 0, kTextLimit);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    StreamFile stream = {file, false};
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&stream), 0, EditStreamInCallback};
    SendMessageA(text, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&editStream));
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool MainDialog::StreamOut(void* file) {
    StreamFile stream = {file, false};
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&stream), 0, EditStreamOutCallback};
    SendMessageA(NoteText(), EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&editStream));
    return !stream.failed && editStream.dwError == 0;
}

void MainDialog::ItemSelectionChanged() {
    const int selected = FirstSelectedNote();
    char name[LFile::kPathSize] = "";
    char path[LFile::kPathSize] = "";
    if (selected >= 0) {
        NoteNameAt(selected, name);
        char folder[LFile::kPathSize];
        GetCurrentBookFolder(folder);
        BuildNotePath(folder, name, path);
        SetSettingString(kSettings, "CurrentNote", name);
    }
    if (lstrcmpiA(path, currentNote) == 0) {
        ReloadIfChangedOnDisk();
        return;
    }
    SaveData();
    lstrcpynA(currentNote, path, sizeof currentNote);
    ShowNoteName(name);
    RememberNoteOnDisk(); // before loading: a change made meanwhile then counts as someone else's
    LoadRichEditText(path);
    textChanged = false;
}

// Shows the open note's name; the field then counts as unedited.
void MainDialog::ShowNoteName(const char* name) {
    SetDlgItemTextA(hwnd, IDC_NOTE_NAME, name);
    nameChanged = false;
}

bool MainDialog::SaveData() {
    if (!HasOpenNote()) return true;
    if ((nameChanged || textChanged) && ChangedOnDisk()) {
        // Someone else saved the note: edited text goes into a conflict copy; a rename alone
        // takes their text along to the new name.
        if (textChanged) {
            nameChanged = false;
            return SaveConflictCopy();
        }
        RememberNoteOnDisk();
        LoadRichEditText(currentNote);
    }
    if (nameChanged) {
        nameChanged = false;
        RenameCurrentNote();
    }
    bool saved = true;
    if (textChanged) {
        textChanged = false;
        saved = SaveRichEditText();
        // Text that did not reach the file stays marked, so that the next save tries again.
        if (!saved) textChanged = true;
    }
    if (saved)
        reportedSaveFailure_[0] = '\0';
    else
        ReportSaveFailure();
    return saved;
}

bool MainDialog::SaveRichEditText() {
    if (!WriteNoteFile(currentNote, EditorWriter())) return false;
    RememberNoteOnDisk();
    return true;
}

// Renames the open note to the name typed into the name field. The note's text always ends up
// in a file: under the new name, or back under the old one when the name is refused, and the
// field then shows the name the file really has.
void MainDialog::RenameCurrentNote() {
    char typed[LFile::kPathSize];
    GetControlText(IDC_NOTE_NAME, typed);
    RenameOutcome outcome = RenameNote(currentNote, typed, EditorWriter());
    if (outcome.result == RenameResult::NotRenamed) return;
    char oldName[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(oldName, currentNote);
    if (outcome.result == RenameResult::Renamed) {
        LVFINDINFOA find = {};
        find.flags = LVFI_STRING;
        find.psz = oldName;
        LRESULT item =
            SendDlgItemMessageA(hwnd, IDC_NOTE_LIST, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(&find));
        if (item >= 0) {
            LVITEMA text = {};
            text.pszText = outcome.name;
            SendDlgItemMessageA(hwnd, IDC_NOTE_LIST, LVM_SETITEMTEXTA, item,
                                reinterpret_cast<LPARAM>(&text));
        }
        lstrcpynA(currentNote, outcome.path, sizeof currentNote);
        SetSettingString(kSettings, "CurrentNote", outcome.name);
    } else if (outcome.result == RenameResult::NameExists) {
        MessageBoxA(hwnd,
                    "The item cannot be renamed because another item with the same name already "
                    "exists. To replace the other item, delete it first then rename this file.",
                    "File Exists", MB_OK | MB_ICONINFORMATION);
        ShowNoteName(oldName);
    } else {
        char message[2 * LFile::kPathSize + 200];
        std::snprintf(message, sizeof message,
                      "The note cannot be renamed to \"%s\": the file system does not accept "
                      "that name.\r\n\r\nThe note keeps its name \"%s\".",
                      outcome.name, oldName);
        MessageBoxA(hwnd, message, "Rename Note", MB_OK | MB_ICONINFORMATION);
        ShowNoteName(oldName);
    }
    textChanged = !outcome.textSaved;
    if (outcome.textSaved) RememberNoteOnDisk();
}

// Tells the user once per note that its save failed, and tries again quietly every few seconds
// while the note stays open.
void MainDialog::ReportSaveFailure() {
    StartSaveTimer();
    if (lstrcmpiA(reportedSaveFailure_, currentNote) == 0) return;
    lstrcpynA(reportedSaveFailure_, currentNote, sizeof reportedSaveFailure_);
    char name[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(name, currentNote);
    char message[LFile::kPathSize + 300];
    std::snprintf(message, sizeof message,
                  "The note \"%s\" could not be saved. The book folder may be missing, the disk "
                  "may be full, or another program may be using the file.\r\n\r\nWhile the note "
                  "stays open, Quillmark tries again every few seconds.",
                  name);
    MessageBoxA(MessageOwner(), message, "Save Note", MB_OK | MB_ICONEXCLAMATION);
}

bool MainDialog::CanPrintNote() const {
    return currentNote[0] != '\0';
}

bool MainDialog::CanChangeNote() const {
    return currentNote[0] != '\0' && !NoteLocked();
}

void MainDialog::UpdateControls() {
    // The editor is only told when the state changes: each time it repaints it reports
    // EN_UPDATE, a command that runs this again, and so it would repaint for ever.
    const bool locked = NoteLocked();
    if (editorState_ != (locked ? EditorState::ReadOnly : EditorState::Editable)) {
        editorState_ = locked ? EditorState::ReadOnly : EditorState::Editable;
        ShowEditorState(NoteText());
    }
    EnableControl(IDC_NOTE_NEW, !readOnly);
    EnableMenuCommand(IDM_NOTE_NEW, !readOnly);
    EnableMenuCommand(IDM_NOTE_PRINT, CanPrintNote());
    EnableMenuCommand(IDM_NOTE_DELETE, CanChangeNote());
    EnableControl(IDC_NOTE_NAME, CanChangeNote());
    EnableControl(IDC_NOTE_DELETE, CanChangeNote());
}
