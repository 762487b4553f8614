// The Book Properties dialog (template 5): a book's read-only flag and the template text that
// every new note of the book starts with.
#pragma once

#include "dialogs/ldialog.h"
#include "notes/note_encoding.h"
#include "platform/lfile.h"

#include <string>

class BookPropertiesDialog : public LDialog {
  public:
    // folder: the book's folder (the current book's); Browse may replace it.
    explicit BookPropertiesDialog(const char* folder);

    void InitDialog() override;
    bool CmOk() override;
    void CmHelp() override;
    void Command(int id, int notifyCode) override;

    // Shows the read-only flag of the book of folder and the folder's template; a diary book's
    // template box only says that diaries use none.
    void LoadBookProperties();
    // Stores the read-only flag and writes the template, each colon at a line end followed by a
    // space; a template that would stay as it is on disk is not written.
    void SaveBookProperties();

  private:
    char folder_[LFile::kPathSize];
    NoteEncoding templateEncoding = NoteEncoding::Ansi; // the shown template's
    std::wstring shownTemplate_;                        // the template box's text as loaded
};
