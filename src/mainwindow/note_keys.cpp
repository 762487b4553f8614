#include "mainwindow/note_keys.h"

namespace notekeys {

int NextNoteIndex(int selected, int count) {
    return selected == count - 1 ? selected : selected + 1;
}

int PreviousNoteIndex(int selected) {
    if (selected < 0) return -1;
    return selected == 0 ? 0 : selected - 1;
}

long FieldStart(const char* text, long length, long start, bool forward) {
    long colon = -1;
    if (forward) {
        for (long i = start < 0 ? 0 : start; i < length && colon < 0; ++i)
            if (text[i] == ':') colon = i;
    } else {
        for (long i = (start > length ? length : start) - 1; i >= 0 && colon < 0; --i)
            if (text[i] == ':') colon = i;
    }
    if (colon < 0) return -1;
    long field = colon + 1;
    if (field < length && text[field] == ' ') ++field;
    return field;
}

} // namespace notekeys
