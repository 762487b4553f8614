#include "mainwindow/link_question.h"

#include "dialogs/ldialog.h"
#include "mainwindow/link_target.h"

#include <shellapi.h>

#include <string>

void OpenNoteLink(HWND owner, const char* target) {
    if (!IsWebOrMailLink(target)) {
        // A note in a shared book may come from anybody: a file: link can start a program.
        const std::string question =
            std::string("This link is not a web page or a mail address. Opening it may start a "
                        "program on this computer:\n\n") +
            target + "\n\nOpen it only if you trust whoever wrote this note. Open the link?";
        if (ShowMessage(owner, question.c_str(), "Open Link",
                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return;
    }
    ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
