// The Print Book dialog (template 2): page breaks between notes or not.
#pragma once

#include "dialogs/ldialog.h"

class BookPrintDialog : public LDialog {
  public:
    void InitDialog() override;
    // Stores the choice ("PrintBookNotePerPage").
    bool CmOk() override;
};
