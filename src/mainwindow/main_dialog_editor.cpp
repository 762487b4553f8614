// MainDialog's editor pane: opening the selected note, saving and renaming it, and the state of
// the note controls.
#include "mainwindow/main_dialog.h"

#include "dialogs/program_instance.h"

#include "notes/note_codec.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "platform/settings.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Any note the program can open is loaded whole and can grow: the editor's own limit
// (32,767 characters) would cut a longer note, and saving it would then shorten its file.
const LPARAM kTextLimit = 0x7FFFFFFE;
// No ENM_SELCHANGE: what follows the selection (Cut, Copy, Clear) is read when a menu opens, not
// after every key.
const DWORD kEditorEvents = ENM_CHANGE | ENM_MOUSEEVENTS | ENM_LINK;
const COLORREF kReadOnlyBackground = RGB(0xF0, 0xF0, 0xF0);
const COLORREF kEditableBackground = RGB(0xFF, 0xFF, 0xFF);

// The stream cookie for reading: the note's text and how much of it the editor has taken.
struct StreamText {
    const std::wstring* text;
    size_t taken;
};

DWORD CALLBACK EditStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* stream = reinterpret_cast<StreamText*>(cookie);
    const std::wstring& text = *stream->text;
    size_t units =
        std::min(static_cast<size_t>(count) / sizeof(wchar_t), text.size() - stream->taken);
    // A line end is never split between two pieces: the editor would take a CR at the end of
    // one and the LF starting the next for two line ends, and the next save would add an empty
    // line to the note. The CR goes with the next piece.
    if (units > 1 && stream->taken + units < text.size() &&
        text[stream->taken + units - 1] == L'\r')
        --units;
    std::memcpy(buffer, text.data() + stream->taken, units * sizeof(wchar_t));
    stream->taken += units;
    *done = static_cast<LONG>(units * sizeof(wchar_t));
    return 0;
}

// Collects the editor's text as UTF-16 bytes.
DWORD CALLBACK EditStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                   static_cast<size_t>(count));
    *done = count;
    return 0;
}

} // namespace

HWND MainDialog::NoteText() {
    return GetDlgItem(hwnd(), IDC_NOTE_TEXT);
}

// Replaces the editor with a fresh control of the same kind, place and font, showing state. Wine's
// rich edit takes time growing with the square of the line count to delete a text (minutes for a
// 1 MB note), while a control that is destroyed frees its text at once.
HWND MainDialog::RenewNoteText(EditorState state) {
    HWND old = NoteText();
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
    char kind[64];
    GetClassNameA(old, kind, sizeof kind);
    // The editor hides its scroll bar, clearing the style bit, while the text fits: the new one
    // asks for it again.
    HWND fresh = CreateWindowExA(
        static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE)), kind, "",
        static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE)) | WS_VSCROLL, place.left, place.top,
        place.right - place.left, place.bottom - place.top, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_NOTE_TEXT)), ProgramInstance(), nullptr);
    if (fresh == nullptr) return old; // the old control stays and empties the slow way
    // The dialog's font, as the dialog manager gave the first editor: the rich edit answers
    // WM_GETFONT with none, which would leave the next one in the System font.
    SendMessageA(fresh, WM_SETFONT, SendMessageA(hwnd(), WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); // tab order
    const bool focused = GetFocus() == old;
    if (toolTips != nullptr) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(old);
        SendMessageA(toolTips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    DestroyWindow(old);
    if (toolTips != nullptr) AddTool(toolTips, IDC_NOTE_TEXT, kNoteTextTip);
    if (focused) SetFocus(fresh);
    editorState_ = state;
    ShowEditorState(fresh);
    return fresh;
}

void MainDialog::ShowEditorState(HWND text) {
    const bool locked = editorState_ == EditorState::ReadOnly;
    SendMessageA(text, EM_SETBKGNDCOLOR, 0, locked ? kReadOnlyBackground : kEditableBackground);
    SendMessageA(text, EM_SETREADONLY, locked, 0);
}

// Every property of the editor is set before the text goes in: Wine's rich edit wraps the whole
// text again when some change afterwards (its font: seconds for a long paragraph).
bool MainDialog::LoadRichEditText(const char* path, NoteEncoding* encoding,
                                  const std::wstring& fileName) {
    std::string bytes;
    const bool read = path[0] != '\0' && ReadNoteFileBytes(path, fileName, &bytes);
    // A missing file is an empty note; one that exists and cannot be read is unreadable.
    const DWORD error = read ? ERROR_SUCCESS : GetLastError();
    const bool missing =
        path[0] == '\0' || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    const bool readable = read || missing;
    // The editor is given UTF-16, so a note in any encoding shows as its characters.
    std::wstring shown;
    *encoding = DecodeNoteText(bytes, &shown);
    bytes = std::string();
    const bool locked =
        readOnly || openNote.ReadOnlyOnDisk() || openNote.NameUnspellable() || !readable;
    HWND text = RenewNoteText(locked ? EditorState::ReadOnly : EditorState::Editable);
    LRESULT events = SendMessageA(text, EM_GETEVENTMASK, 0, 0);
    SendMessageA(text, EM_SETEVENTMASK, 0, events | kEditorEvents);
    SendMessageA(text, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageA(text, EM_EXLIMITTEXT, 0, kTextLimit);
    StreamText stream = {&shown, 0};
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&stream), 0, EditStreamInCallback};
    SendMessageA(text, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&editStream));
    return readable;
}

bool MainDialog::StreamOut(void* file) {
    std::string unicode;
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&unicode), 0, EditStreamOutCallback};
    SendMessageA(NoteText(), EM_STREAMOUT, SF_TEXT | SF_UNICODE,
                 reinterpret_cast<LPARAM>(&editStream));
    if (editStream.dwError != 0) return false;
    const std::wstring text(reinterpret_cast<const wchar_t*>(unicode.data()),
                            unicode.size() / sizeof(wchar_t));
    unicode = std::string();
    // The note is saved in the encoding it was read in; an ANSI note whose text the code page
    // cannot hold is saved as UTF-8 with a mark from then on.
    NoteEncoding encoding = openNote.Encoding();
    const std::string bytes = EncodeNoteText(text, &encoding);
    openNote.SetEncoding(encoding);
    return WriteNoteBytes(file, bytes);
}

void MainDialog::ItemSelectionChanged() {
    const int selected = FirstSelectedNote();
    // A click on the empty part of the list selects nothing: the open note stays open.
    if (selected < 0 && SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_GETITEMCOUNT, 0, 0) > 0)
        return;
    char name[LFile::kPathSize] = "";
    char path[LFile::kPathSize] = "";
    std::wstring fileName;
    if (selected >= 0) {
        NoteNameAt(selected, name);
        fileName = NoteFileNameAt(selected);
        char folder[LFile::kPathSize];
        GetCurrentBookFolder(folder);
        BuildNotePath(folder, name, path);
    }
    if (lstrcmpiA(path, openNote.CurrentNote()) == 0 && fileName == openNote.FileName()) {
        ReloadIfChangedOnDisk();
        return;
    }
    // A note whose edits could not be saved is not left: the choice of another is undone.
    if (!SaveData(true)) {
        SelectOpenNote();
        return;
    }
    if (selected >= 0) WriteSetting(setting::kCurrentNote, name);
    OpenNoteFile(path, name, fileName);
}

void MainDialog::OpenNoteFile(const char* path, const char* name, const std::wstring& fileName) {
    // Before loading: a change made meanwhile then counts as someone else's.
    openNote.Open(path, fileName);
    ShowNoteName(name);
    NoteEncoding encoding;
    const bool readable = LoadRichEditText(path, &encoding, fileName);
    ReportLoaded(openNote.Loaded(readable, encoding));
}

// Shows the open note's name; the window's own change of the field is not an edit.
void MainDialog::ShowNoteName(const char* name) {
    showingName_ = true;
    SetDlgItemTextA(hwnd(), IDC_NOTE_NAME, name);
    showingName_ = false;
}

bool MainDialog::SaveData(bool leaving) {
    // A save's own message runs a loop in which the save timer fires too: the running save
    // finishes first, and the timer tries again later.
    if (saving_) {
        StartSaveTimer();
        return false;
    }
    saving_ = true;
    char oldName[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(oldName, openNote.CurrentNote());
    char typed[LFile::kPathSize] = "";
    GetControlText(IDC_NOTE_NAME, typed);
    const SaveOutcome outcome = openNote.Save(typed);
    if (outcome.renameTried) ShowRenameOutcome(outcome.rename, oldName);
    ShowSaveOutcome(outcome, leaving);
    saving_ = false;
    return outcome.result != SaveOutcome::Result::Failed;
}

void MainDialog::ShowSaveOutcome(const SaveOutcome& outcome, bool leaving) {
    if (outcome.showFileText) ShowFileAfresh();
    switch (outcome.result) {
    case SaveOutcome::Result::Failed:
        ReportSaveFailure(outcome.firstFailure || leaving);
        break;
    case SaveOutcome::Result::ConflictCopy: {
        char theirs[LFile::kPathSize];
        char ours[LFile::kPathSize];
        LFile::_GetFileTitleFromPath(theirs, outcome.theirs);
        LFile::_GetFileTitleFromPath(ours, openNote.CurrentNote());
        ShowNoteName(ours);
        ShowConflictCopy(theirs, ours);
        char message[3 * LFile::kPathSize + 200];
        std::snprintf(message, sizeof message,
                      "Someone else saved the note \"%s\" while you were editing it.\r\n\r\n"
                      "Their text is kept in \"%s\". Your text is saved beside it as the note "
                      "\"%s\".",
                      theirs, theirs, ours);
        ShowMessage(hwnd(), message, "Note Changed", MB_OK | MB_ICONINFORMATION);
        break;
    }
    default:
        break;
    }
}

// The note's text always ends up in a file: under the new name, or back under the old one when
// the name is refused, and the field then shows the name the file really has.
void MainDialog::ShowRenameOutcome(const RenameOutcome& rename, const char* oldName) {
    if (rename.result == RenameResult::Renamed) {
        // The list is the open note's book only while that book is shown.
        if (OpenNoteInShownBook()) {
            const int item = noteList_.Find(oldName);
            if (item >= 0) {
                noteList_.Rename(item, rename.name);
                SendDlgItemMessageA(hwnd(), IDC_NOTE_LIST, LVM_REDRAWITEMS, item, item);
            }
            WriteSetting(setting::kCurrentNote, rename.name);
        }
    } else if (rename.result == RenameResult::NameExists) {
        ShowNoteName(oldName);
        ShowMessage(hwnd(),
                    "The item cannot be renamed because another item with the same name already "
                    "exists. To replace the other item, delete it first then rename this file.",
                    "File Exists", MB_OK | MB_ICONINFORMATION);
    } else if (rename.result == RenameResult::Failed) {
        ShowNoteName(oldName);
        char message[2 * LFile::kPathSize + 200];
        std::snprintf(message, sizeof message,
                      "The note cannot be renamed to \"%s\": the file system does not accept "
                      "that name.\r\n\r\nThe note keeps its name \"%s\".",
                      rename.name, oldName);
        ShowMessage(hwnd(), message, "Rename Note", MB_OK | MB_ICONINFORMATION);
    }
}

// Tells the user that the note could not be saved (once per note, unless they are leaving it)
// and tries again quietly every few seconds while the note stays open.
void MainDialog::ReportSaveFailure(bool tell) {
    StartSaveTimer();
    if (!tell) return;
    WarnAboutOpenNote("The note \"%s\" could not be saved. The book folder may be missing, the "
                      "disk may be full, or another program may be using the file.\r\n\r\n"
                      "While the note stays open, Quillmark tries again every few seconds.",
                      "", "Save Note");
}

void MainDialog::ReportLoaded(OpenNote::Notice notice) {
    if (notice == OpenNote::Notice::Unreadable)
        WarnAboutOpenNote("The note \"%s\" cannot be read: another program may be using the "
                          "file, or you may not have access to it.\r\n\r\nIt is shown read only "
                          "and is never saved until it can be read. Quillmark tries again when "
                          "you come back to the window or select the note again.",
                          "", "Open Note");
    else if (notice == OpenNote::Notice::NameUnspellable)
        WarnAboutOpenNote("The name of the note \"%s\" holds characters that the language "
                          "settings of this computer cannot show (\"?\" stands for each).\r\n\r\n"
                          "It is shown read only: Quillmark never saves, renames or deletes it. "
                          "To change it, give its file a name without those characters.",
                          "", "Open Note");
}

void MainDialog::WarnAboutOpenNote(const char* format, const char* detail, const char* caption) {
    char name[LFile::kPathSize];
    LFile::_GetFileTitleFromPath(name, openNote.CurrentNote());
    char message[2 * LFile::kPathSize + 400];
    std::snprintf(message, sizeof message, format, name, detail);
    ShowMessage(hwnd(), message, caption, MB_OK | MB_ICONEXCLAMATION);
}

bool MainDialog::CanPrintNote() const {
    return openNote.CurrentNote()[0] != '\0';
}

bool MainDialog::CanChangeNote() const {
    return openNote.CurrentNote()[0] != '\0' && !NoteLocked();
}

// Runs after every command, each typed key's EN_CHANGE included, so the controls are only told
// when their state changes. The editor above all: each time it repaints it reports EN_UPDATE, a
// command that runs this again, and so it would repaint for ever. The menu items follow the
// state when a menu opens (EnableMenuItems).
void MainDialog::UpdateControls() {
    const EditorState editor = NoteLocked() ? EditorState::ReadOnly : EditorState::Editable;
    if (editorState_ != editor) {
        editorState_ = editor;
        ShowEditorState(NoteText());
    }
    const int buttons = (readOnly ? 0 : kNewAllowed) | (CanChangeNote() ? kChangeAllowed : 0);
    if (buttons == shownButtons_) return;
    shownButtons_ = buttons;
    EnableControl(IDC_NOTE_NEW, !readOnly);
    EnableControl(IDC_NOTE_NAME, CanChangeNote());
    EnableControl(IDC_NOTE_DELETE, CanChangeNote());
}
