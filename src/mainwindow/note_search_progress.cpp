#include "mainwindow/note_search_progress.h"

#include "notes/note_search.h"

#include <utility>

NoteSearchProgress::NoteSearchProgress(const char* folder, std::vector<std::string> names,
                                       FindState& state, std::vector<std::wstring> fileNames)
    : LProgressDialog("Finding"), folder_(folder), names_(std::move(names)),
      fileNames_(std::move(fileNames)), state_(state) {}

bool NoteSearchProgress::SearchNotes() {
    return FindNoteContaining(folder_.c_str(), names_, &state_.findNoteIndex, state_.findText,
                              state_.findMatchCase, [this](size_t index, size_t count) {
                                  if (PumpMessages()) return false; // cancelled
                                  SetProgress(static_cast<double>(index) /
                                              static_cast<double>(count));
                                  return true;
                              },
                              fileNames_);
}
