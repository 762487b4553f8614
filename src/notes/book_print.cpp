#include "notes/book_print.h"

#include "notes/note_names.h"
#include "notes/print_document.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstring>
#include <memory>

namespace {

// Collects the document and writes it in large pieces.
class BufferedFile {
  public:
    explicit BufferedFile(const char* path)
        : file_(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr)),
          ok_(file_ != INVALID_HANDLE_VALUE) {}
    ~BufferedFile() { Close(); }

    std::string& buffer() { return buffer_; }
    void FlushIfFull() {
        if (buffer_.size() >= kFlushSize) Flush();
    }
    bool Close() {
        if (file_ == INVALID_HANDLE_VALUE) return false;
        Flush();
        ok_ = CloseHandle(file_) && ok_;
        file_ = INVALID_HANDLE_VALUE;
        return ok_;
    }

  private:
    static constexpr size_t kFlushSize = 64 * 1024;

    void Flush() {
        DWORD written = 0;
        if (!buffer_.empty() &&
            (!WriteFile(file_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &written,
                        nullptr) ||
             written != buffer_.size()))
            ok_ = false;
        buffer_.clear();
    }

    HANDLE file_;
    bool ok_;
    std::string buffer_;
};

} // namespace

bool ReadPrintNotePerPage() {
    return GetSettingBool("Settings", "PrintBookNotePerPage", true);
}

bool WritePrintDocument(const char* folder, const std::vector<std::string>& names, bool perPage,
                        const PrintProgress& progress, char* path) {
    lstrcpynA(path, folder, LFile::kPathSize);
    LFile::FilePathCat(path, kPrintDocumentName);
    BufferedFile document(path);
    AppendPrintHeader(document.buffer());
    for (size_t i = 0; i < names.size(); ++i) {
        progress(i, names.size());
        char notePath[LFile::kPathSize];
        if (!BuildNotePath(folder, names[i].c_str(), notePath)) continue;
        std::unique_ptr<char[]> text(LFile::LoadTextFile(notePath));
        if (!text) continue;
        AppendPrintNote(document.buffer(), names[i].c_str(), text.get(), std::strlen(text.get()),
                        perPage);
        document.FlushIfFull();
    }
    AppendPrintEnd(document.buffer());
    return document.Close();
}
