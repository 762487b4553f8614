#include "notes/book_print.h"

#include "notes/note_encoding.h"
#include "notes/note_files.h"
#include "notes/note_names.h"
#include "notes/print_document.h"
#include "platform/handles.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <algorithm>

namespace {

// Collects the document and writes it in large pieces.
class BufferedFile {
  public:
    explicit BufferedFile(const char* path)
        : file_(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr)),
          ok_(file_.valid()) {}
    ~BufferedFile() { Close(); }

    std::string& buffer() { return buffer_; }
    void FlushIfFull() {
        if (buffer_.size() >= kFlushSize) Flush();
    }
    bool Close() {
        if (!file_.valid()) return false;
        Flush();
        ok_ = file_.Close() && ok_;
        return ok_;
    }

  private:
    static constexpr size_t kFlushSize = 64 * 1024;

    void Flush() {
        DWORD written = 0;
        if (!buffer_.empty() &&
            (!WriteFile(file_.get(), buffer_.data(), static_cast<DWORD>(buffer_.size()), &written,
                        nullptr) ||
             written != buffer_.size()))
            ok_ = false;
        buffer_.clear();
    }

    CHandle file_;
    bool ok_;
    std::string buffer_;
};

bool AnsiCharacterBytes(char16_t character, std::string* bytes) {
    const wchar_t wide = static_cast<wchar_t>(character);
    char buffer[8];
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, buffer,
                                         sizeof buffer, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) return false;
    bytes->assign(buffer, static_cast<size_t>(size));
    return true;
}

// Appends the note whose file holds bytes: ANSI text as it stands, other text decoded, with
// the characters the ANSI code page cannot hold as Unicode escapes. A NUL prints as a blank, as
// the editor shows it.
void AppendNoteBytes(std::string& out, const char* name, std::string& bytes, bool perPage) {
    const NoteEncoding encoding = DetectNoteEncoding(bytes);
    if (encoding == NoteEncoding::Ansi) {
        std::replace(bytes.begin(), bytes.end(), '\0', ' ');
        AppendPrintNote(out, name, bytes.data(), bytes.size(), perPage);
        return;
    }
    std::u16string text = DecodeUnicodeNote(bytes, encoding);
    std::replace(text.begin(), text.end(), u'\0', u' ');
    std::string rtf;
    AppendRtfUnicodeText(rtf, text, AnsiCharacterBytes);
    AppendPrintNoteRtf(out, name, rtf, perPage);
}

} // namespace

bool ReadPrintNotePerPage() {
    return ReadSetting(setting::kPrintBookNotePerPage);
}

bool WritePrintDocument(const char* folder, const std::vector<std::string>& names, bool perPage,
                        const PrintProgress& progress, char* path,
                        const std::vector<std::wstring>& fileNames) {
    lstrcpynA(path, folder, LFile::kPathSize);
    LFile::FilePathCat(path, kPrintDocumentName);
    BufferedFile document(path);
    AppendPrintHeader(document.buffer());
    std::string bytes;
    for (size_t i = 0; i < names.size(); ++i) {
        progress(i, names.size());
        if (!ReadListedNote(folder, names, fileNames, i, &bytes)) continue;
        AppendNoteBytes(document.buffer(), names[i].c_str(), bytes, perPage);
        document.FlushIfFull();
    }
    AppendPrintEnd(document.buffer());
    return document.Close();
}
