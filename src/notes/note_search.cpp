#include "notes/note_search.h"

#include "notes/note_names.h"
#include "platform/lfile.h"
#include "platform/text_search.h"

#include <memory>

bool FindNoteContaining(const char* folder, const std::vector<std::string>& names, int* index,
                        const char* text, bool matchCase, const NoteScanStep& step) {
    const size_t count = names.size();
    if (*index < 0) *index = 0;
    for (; static_cast<size_t>(*index) < count; ++*index) {
        const size_t i = static_cast<size_t>(*index);
        if (!step(i, count)) return false;
        char path[LFile::kPathSize];
        if (!BuildNotePath(folder, names[i].c_str(), path)) continue;
        std::unique_ptr<char[]> note(LFile::LoadTextFile(path));
        if (note && TextContains(note.get(), text, matchCase)) return true;
    }
    return false;
}
