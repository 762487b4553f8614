// Opening a link clicked in a note.
#pragma once

#include <windows.h>

// Opens target with the shell. A link that is not a web page or mail address is opened only
// after the user says Yes to a question that shows the whole target; No is the default.
void OpenNoteLink(HWND owner, const char* target);
