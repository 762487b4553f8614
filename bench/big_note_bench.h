// The big-note cases of quill_bench (see the top of quill_bench.cpp).
#pragma once

// qmark.exe on BOOK (a small note, then a big one): opening the big note, keys characters typed
// into its middle, the save timer's save and switching back. Prints the seconds of each.
int BigNote(const char* program, const char* book, int keys);
// The floor: FILE in a bare RichEdit20A window of width by height pixels, then keys typed; with
// links, the window detects links as Quillmark's editor does (EM_AUTOURLDETECT).
int BigFloor(const char* file, int keys, int width, int height, bool links);
