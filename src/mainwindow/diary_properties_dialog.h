// The Diary Properties dialog (template 6): how diary entries are generated, one set of settings
// shared by every diary book. Its callers generate entries only when it ends with OK.
#pragma once

#include "dialogs/ldialog.h"

class DiaryPropertiesDialog : public LDialog {
  public:
    void InitDialog() override;
    // Stores "WeekPerView" at once; the rest only when the number and the hours are acceptable,
    // otherwise says what is wrong and keeps the dialog open.
    bool CmOk() override;
    void CmHelp() override;
    void Command(int id, int notifyCode) override;

  private:
    // Shows the stored number of weeks or days and the label that goes with it.
    void ShowCount(bool weekPerView);
    // The selected hour of a box; for the From box, also an hour typed exactly. -1 when none.
    int SelectedHour(int id);
};
