#include "notes/note_search.h"

#include "notes/note_codec.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "platform/lfile.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

bool NoteTextContains(const std::wstring& text, const std::wstring& needle, bool matchCase) {
    if (matchCase) return text.find(needle) != std::wstring::npos;
    // The editor's search compares characters as equal when their capitals are.
    auto same = [](wchar_t a, wchar_t b) { return a == b || std::towupper(a) == std::towupper(b); };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), same) != text.end();
}

bool FindNoteContaining(const char* folder, const std::vector<std::string>& names, int* index,
                        const char* text, bool matchCase, const NoteScanStep& step,
                        const std::vector<std::wstring>& fileNames) {
    // The search text as the editor's own search reads it: in the ANSI code page.
    const std::wstring needle = WideFromAnsi(text);
    const size_t count = names.size();
    if (*index < 0) *index = 0;
    std::string bytes;
    std::wstring note;
    for (; static_cast<size_t>(*index) < count; ++*index) {
        const size_t i = static_cast<size_t>(*index);
        if (!step(i, count)) return false;
        if (!ReadListedNote(folder, names, fileNames, i, &bytes) || bytes.empty()) continue;
        DecodeNoteText(bytes, &note);
        if (NoteTextContains(note, needle, matchCase)) return true;
    }
    return false;
}
