// Starting at logon: while the hot key is on, the program asks to be started with "/logon" at the
// next logon, so that it waits in the tray.
#pragma once

// Writes "QuillmarkRun" = "\"<this program's path>\" /logon" under HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Run" while "HotKeyOn" is set, and deletes it
// otherwise. Where that key cannot be written, nothing happens.
void UpdateLogonStart();
