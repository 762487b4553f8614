// Arithmetic behind the main window's navigation keys: which note Page Up and Page Down go to,
// and where Tab finds the next field of a note text. No platform calls.
#pragma once

namespace notekeys {

// The note that Page Down selects when selected is the first selected note (-1 for none) of a
// list of count notes: the next one, or the same one when it is the last.
int NextNoteIndex(int selected, int count);
// The note that Page Up selects: the previous one, or the same one when it is the first; -1
// (nothing) when nothing was selected.
int PreviousNoteIndex(int selected);

// A field is the text after a ":" up to the end of its line, as in the hour lines of a diary
// entry. Searches text (length characters, positions counted as the editor counts them) for the
// ":" of a field: forward, the first at or after start; backward, the last before start. Returns
// the position where the field's text begins (after the ":" and one space, if there is one), or
// -1 when there is no such field.
long FieldStart(const char* text, long length, long start, bool forward);

} // namespace notekeys
