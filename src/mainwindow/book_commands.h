// The questions of the book commands on the File menu: the name of a new book or diary on this
// computer, the folder of a shared book, and whether to remove a book. Each asks over the main
// window (owner) and leaves adding or removing the book to its caller.
#pragma once

#include <windows.h>

// New Book "On My Computer" (diary false) or "Special Diary On My Computer" (diary true): asks
// for a name until it is usable, text kept between tries, and for a diary the diary properties.
// The book's folder below the data folder is created (or an existing one adopted) and its path
// goes into folderOut (260 bytes). False when the user cancelled; nothing is then created.
bool AskNewLocalBook(HWND owner, bool diary, char* folderOut);

// New Book "Shared Network Folder": the folder picker, then the name check. The folder is taken
// as picked and goes into folderOut (260 bytes). False when cancelled or the name is taken.
bool AskSharedBookFolder(HWND owner, char* folderOut);

// Remove Book: whether the user confirms taking the book called name out of the list.
bool ConfirmRemoveBook(HWND owner, const char* name);
