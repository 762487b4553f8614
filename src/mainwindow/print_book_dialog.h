// Print Book: the Print Book dialog (template 2: page breaks between notes or not) and the
// "Printing book" window, which writes the book's print document and hands it to the shell's
// "print" verb.
#pragma once

#include "dialogs/ldialog.h"
#include "dialogs/lprogress_dialog.h"

#include <string>
#include <vector>

class BookPrintDialog : public LDialog {
  public:
    void InitDialog() override;
    // Stores the choice ("PrintBookNotePerPage").
    bool CmOk() override;
};

class BookPrintProgress : public LProgressDialog {
  public:
    // owner: the window that asks the shell to print; folder: the book's folder; names: the note
    // list's texts in list order and fileNames their file names (see ReadListedNote), kept by
    // the window for its run.
    BookPrintProgress(HWND owner, const char* folder, std::vector<std::string> names,
                      std::vector<std::wstring> fileNames);

    int MainFunction() override { return PrintBook() ? 1 : 0; }
    // Writes "print.rtf" into the folder and asks the shell to print it; reports success.
    bool PrintBook();

  private:
    HWND owner_;
    std::string folder_;
    std::vector<std::string> names_;
    std::vector<std::wstring> fileNames_;
};

// Print Book: the Print Book dialog over owner, then, unless it is cancelled or the book has no
// notes, the "Printing book" window.
void RunBookPrint(HWND owner, const char* folder, const std::vector<std::string>& names,
                  const std::vector<std::wstring>& fileNames = {});
