// MainDialog: Quillmark's one main window (dialog template 1). It shows the current book in the
// book list, that book's notes in the note list, and the open note's name and text in the editor
// pane, which it saves five seconds after the last edit, before another note opens and when the
// window goes. Its member functions are spread over several files by concern:
//   main_dialog.cpp           life cycle, window messages, timers and layout
//   main_dialog_books.cpp     the book list, the note list and the note commands
//   main_dialog_editor.cpp    loading the open note, showing what its saves did; control states
//   main_dialog_sync.cpp      keeping the open note: leaving it, conflict copies, changes by others
// The open note's state and the rules of saving it are OpenNote's (notes/open_note.h).
//   main_dialog_commands.cpp  the command table, menus and web links
//   main_dialog_keys.cpp      keyboard shortcuts, note paging and Tab through note fields
//   main_dialog_tools.cpp     book commands, properties, Find and Print Book
#pragma once

#include "dialogs/lkey_dialog_box.h"
#include "dialogs/lsplash_screen.h"
#include "mainwindow/find_state.h"
#include "notes/note_files.h"
#include "notes/note_list.h"
#include "notes/open_note.h"
#include "platform/handles.h"
#include "platform/lfile.h"

#include <string>
#include <vector>

class MainDialog : public LKeyDialogBox {
  public:
    // argv holds argc arguments, argv[0] being the program; "/logon" as the first argument after
    // it (exactly so) closes the window as soon as it is up.
    MainDialog(int argc, const char* const* argv);
    ~MainDialog() override;

    // Slots of the dialog framework.
    void InitDialog() override;
    bool CmOk() override;     // Enter neither closes nor acts
    bool CmCancel() override; // Escape never gets here; the close box and Alt+F4 run CmClose
    void CmHelp() override;
    void UpdateControls() override;
    void Command(int id, int notifyCode) override;
    void DestroyDialog() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    void LayoutControls();

    // The book list and the note list.
    void InitFolderList();
    void InitItemsList();
    void RefreshReadOnly();
    // The current book's folder into folder (260 bytes); empty when no book is selected.
    void GetCurrentBookFolder(char* folder);
    void CmNoteNew();
    void CmNoteDelete();
    void CmNotePrint();

    // The editor pane.
    // Loads a text file into the editor; false when the file exists but could not be read whole.
    // Shows the note at path; true when it could be read (or is missing), with the encoding of
    // its bytes in encoding. fileName: see ReadNoteFileBytes.
    bool LoadRichEditText(const char* path, NoteEncoding* encoding,
                          const std::wstring& fileName = std::wstring());
    void ItemSelectionChanged();
    // Saves a pending rename and text; false when something could not be written, which stays
    // pending so that the next save tries again. leaving: the user is about to leave the note,
    // and is told each time that it stays open because it could not be saved.
    bool SaveData(bool leaving = false);
    // Shows the open note's text afresh when it is unedited and someone else changed its file,
    // or when it could not be read before.
    void ReloadIfChangedOnDisk();

    // Books, their properties, Find and Print Book (main_dialog_tools.cpp).
    void CmBookNewLocal(bool diary);
    void CmBookNew();
    void CmBookRemove();
    void CmBookProperties();
    // Generates the diary entries of folder and lists the notes again.
    void CmDiaryNewEntries(const char* folder);
    void CmFind();
    void CmFindNext();
    void CmBookPrint();

    // Commands.
    void CmClose();
    void CmExit();
    void CmOpen();
    void CmHelpAbout();
    void CmNextNote();
    void CmPreviousNote();
    // Tab (shift false) and Shift+Tab: the next or previous field or control.
    void SetSelection(bool shift);
    // Selects the next (forward) or previous field of the note text from position start; false
    // when there is none.
    bool FindWord(long start, bool forward);

  private:
    // Tests look at the window's state through tests/mainwindow/main_dialog_probe.h.
    friend class MainDialogProbe;

    // The window's state, shared with the dialogs that the window opens.
    FindState findState;
    int statusIndex = 0; // the next status text to show
    DiskNoteStore noteStore;
    OpenNote openNote{noteStore, EditorWriter()};
    LSplashScreen splash;
    HWND toolTips = nullptr;
    bool readOnly = false; // the current book is read-only

    // The window's two timers.
    static constexpr UINT_PTR kStatusTimer = 1;
    static constexpr UINT_PTR kSaveTimer = 2;
    static constexpr const char* kNoteTextTip = "Type note here.";

    // (Re)starts the save delay: the open note is saved five seconds from now.
    void StartSaveTimer();

    // Life cycle and window messages.
    void SetWindowIcons();
    void RestorePlacement();
    void SetUpNoteList();
    void FitNoteColumn();
    void SetNameFont();
    void AddToolTips();
    void StoreWindowRect(bool position);
    void OnTimer(UINT_PTR id);
    INT_PTR OnNotify(NMHDR& header);
    static INT_PTR AnswerNotification();
    INT_PTR OnNoteListNotify(NMHDR& header);
    // Answers the list's request for an item's text (ANSI or wide, as it asks).
    void GiveNoteName(NMHDR& header);
    // The item the list's type-ahead search asks for, or -1.
    int FindTypedNote(const NMHDR& header);
    void OnNoteTextNotify(const NMHDR& header);
    void OpenClickedLink(long first, long last);

    // The note list.
    int FirstSelectedNote();
    // Lists a note named name in its sorted place; the selection stays on the notes it was on.
    // Returns the new item's index.
    int AddListedNote(const char* name);
    // The name of item index of the note list into name (260 bytes).
    void NoteNameAt(int index, char* name);
    // The file name of item index when the ANSI code page cannot spell it; empty otherwise.
    std::wstring NoteFileNameAt(int index);
    // The texts of the items, or of the selected ones, in list order; with fileNames, their
    // NoteFileNameAt too (for all items, only when the book has such names: see ReadListedNote).
    std::vector<std::string> NoteNames(bool selectedOnly,
                                       std::vector<std::wstring>* fileNames = nullptr);
    // Refuses (with a message) to delete notes whose file names the ANSI code page cannot spell;
    // true when there is none among names.
    bool CanDeleteNotes(const std::vector<std::string>& names,
                        const std::vector<std::wstring>& fileNames);

    // The editor pane.
    HWND NoteText();
    enum class EditorState { Unset, Editable, ReadOnly };
    HWND RenewNoteText(EditorState state);
    void ShowEditorState(HWND text);
    bool StreamOut(void* file);
    // The editor's text as a note writer, for saving, renaming and conflict copies.
    NoteTextWriter EditorWriter() {
        return [this](void* file) { return StreamOut(file); };
    }
    // Opens path (name: its note name; fileName: see NoteFileNameAt) in the editor pane.
    void OpenNoteFile(const char* path, const char* name, const std::wstring& fileName);
    void ShowSaveOutcome(const SaveOutcome& outcome, bool leaving);
    void ShowRenameOutcome(const RenameOutcome& rename, const char* oldName);
    void ShowNoteName(const char* name);
    void ReportSaveFailure(bool tell);
    // Tells the user what OpenNote::Loaded asks for.
    void ReportLoaded(OpenNote::Notice notice);
    // A warning about the open note: format takes the note's name, then detail, as "%s" each.
    void WarnAboutOpenNote(const char* format, const char* detail, const char* caption);
    // The open note belongs to the book the window shows.
    bool OpenNoteInShownBook();
    // Lists (when missing) and selects the open note: another choice is undone.
    void SelectOpenNote();
    // Selects the book of the open note in the book list; false when it is not listed.
    bool SelectOpenNoteBook();
    bool CanPrintNote() const;
    bool CanChangeNote() const;
    bool HasOpenNote() const;
    // The open note cannot be changed: its book or its file is read-only.
    bool NoteLocked() const;

    // The open note against its file on disk (main_dialog_sync.cpp).
    void ShowConflictCopy(const char* theirs, const char* ours);
    // Loads the open note's file again, keeping the caret and the scroll position.
    void ShowFileAfresh();
    // The last save when the window goes: what could not be saved is kept in a copy.
    void SaveForGood();

    bool AskDiaryProperties();
    bool OpenNextNoteWithText();

    // Menus.
    // Enables and grays the items of menu (a popup of the menu bar or a context menu) as the
    // open note and the editor's selection allow.
    void EnableMenuItems(HMENU menu);
    bool NoteTextHasSelection();
    void TrackContextMenu(int menuId);
    void OpenWebLink(HWND owner, const char* address);

    // Tab through the note text.
    void FocusControl(int id);
    void HideNoteTextSelection();

    EditorState editorState_ = EditorState::Unset; // what the editor was last told
    // What the New, Delete and name controls were last told (-1: nothing yet).
    static constexpr int kNewAllowed = 1;
    static constexpr int kChangeAllowed = 2;
    int shownButtons_ = -1;

    CGdiObject<HBRUSH> nameBrush_; // background of the note name field
    bool logonStart_ = false;
    CGdiObject<HFONT> nameFont_;
    // A save is running (its messages run loops of their own, in which the timer fires too).
    bool saving_ = false;
    // The window itself is writing the name field: its change is not the user's.
    bool showingName_ = false;
    // The notes the note list shows; the list asks for their names as it draws them.
    NoteList noteList_;
    // The note list's selection is being moved along with its notes: not the user's choice.
    bool shiftingSelection_ = false;
};
