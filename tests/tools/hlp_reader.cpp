#include "hlp_reader.h"

#include <cstring>
#include <functional>

namespace hlptest {

namespace {

// Bounds-checked little-endian reads over one span of bytes; a read past the end yields 0 and
// marks the view as failed.
class View {
  public:
    View(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    View Sub(size_t at, size_t size) {
        if (at > size_ || size > size_ - at) {
            failed_ = true;
            return View(data_, 0);
        }
        return View(data_ + at, size);
    }
    uint32_t U8(size_t at) {
        if (at >= size_) {
            failed_ = true;
            return 0;
        }
        return data_[at];
    }
    uint32_t U16(size_t at) { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(size_t at) { return U16(at) | U16(at + 2) << 16; }
    std::string Z(size_t at) {
        std::string s;
        while (at < size_ && data_[at] != 0)
            s += static_cast<char>(data_[at++]);
        if (at >= size_) failed_ = true;
        return s;
    }
    size_t Size() const { return size_; }
    bool Failed() const { return failed_; }

  private:
    const uint8_t* data_;
    size_t size_;
    bool failed_ = false;
};

struct Reader {
    HelpContents* help;
    std::string* error;
    std::map<std::string, View> files;

    bool Fail(const std::string& why) {
        *error = why;
        return false;
    }

    // Visits every leaf record of a B+ tree in order; leaf returns the record's size.
    bool WalkTree(View tree, const std::function<size_t(View, size_t)>& leaf) {
        if (tree.U16(0) != 0x293B) return Fail("bad B+ tree magic");
        const size_t pageSize = tree.U16(4);
        const uint32_t root = tree.U16(26), pages = tree.U16(30), levels = tree.U16(32);
        const uint32_t total = tree.U32(34);
        if (pageSize == 0 || root >= pages || levels == 0 || 38 + pages * pageSize > tree.Size())
            return Fail("bad B+ tree header");
        uint32_t page = root;
        for (uint32_t level = 1; level < levels; ++level)
            page = tree.U16(38 + page * pageSize + 4);
        uint32_t seen = 0, visited = 0;
        while (page != 0xFFFF) {
            if (page >= pages || ++visited > pages) return Fail("bad B+ tree page chain");
            View p = tree.Sub(38 + page * pageSize, pageSize);
            size_t at = 8;
            for (uint32_t n = p.U16(2); n > 0; --n, ++seen)
                at += leaf(p, at);
            if (at > pageSize || p.Failed()) return Fail("B+ tree page overflows");
            page = p.U16(6);
        }
        return seen == total || Fail("B+ tree entry count differs");
    }

    bool Directory(const std::vector<uint8_t>& bytes) {
        View file(bytes.data(), bytes.size());
        if (file.U32(0) != 0x00035F3F) return Fail("bad file magic");
        if (file.U32(12) != bytes.size()) return Fail("file size in header differs");
        View directory = InternalFile(file, file.U32(4));
        bool ok = WalkTree(directory, [&](View page, size_t at) {
            std::string name = page.Z(at);
            uint32_t offset = page.U32(at + name.size() + 1);
            help->files.push_back(name);
            files.emplace(name, InternalFile(file, offset));
            return name.size() + 5;
        });
        if (file.Failed()) return Fail("internal file outside the file");
        for (size_t i = 1; i < help->files.size(); ++i) {
            if (help->files[i - 1] >= help->files[i]) return Fail("directory not in name order");
        }
        return ok;
    }

    View InternalFile(View& file, uint32_t offset) {
        uint32_t reserved = file.U32(offset), used = file.U32(offset + 4);
        if (reserved < used + 9) file.Sub(file.Size(), 1); // marks the failure
        return file.Sub(offset + 9, used);
    }

    bool Has(const char* name) { return files.count(name) != 0; }

    bool System() {
        View s = files.at("|SYSTEM");
        if (s.U16(0) != 0x036C || s.U16(4) != 1) return Fail("bad |SYSTEM header");
        help->version = s.U16(2);
        for (size_t at = 12; at + 4 <= s.Size(); at += 4 + s.U16(at + 2)) {
            if (s.U16(at) == 1) help->title = s.Z(at + 4);
            if (s.U16(at) == 3) help->contentsOffset = s.U32(at + 4);
        }
        return !s.Failed() || Fail("|SYSTEM record overflows");
    }

    bool Topics() {
        View raw = files.at("|TOPIC");
        std::vector<uint8_t> joined; // block data without the 12-byte block headers
        for (size_t block = 0; block * 4096 < raw.Size(); ++block) {
            for (size_t i = 12; i < 4096 && block * 4096 + i < raw.Size(); ++i)
                joined.push_back(static_cast<uint8_t>(raw.U8(block * 4096 + i)));
        }
        View data(joined.data(), joined.size());
        uint32_t position = raw.U32(4), previousBlock = 0xFFFFFFFF, characters = 0;
        int guard = 0;
        while (position != 0xFFFFFFFF) {
            if ((position & 0x3FFF) < 12 || ++guard > 100000) return Fail("bad topic position");
            const size_t block = position >> 14;
            if (block != previousBlock) characters = 0;
            previousBlock = static_cast<uint32_t>(block);
            View record = data.Sub(block * 4084 + (position & 0x3FFF) - 12, 21);
            const uint32_t size = record.U32(0), len2 = record.U32(4), len1 = record.U32(16);
            record = data.Sub(block * 4084 + (position & 0x3FFF) - 12, size);
            if (len1 < 21 || size < len1 || size - len1 != len2 || data.Failed())
                return Fail("bad topic link at " + std::to_string(position));
            const uint32_t next = record.U32(12);
            if (next != 0xFFFFFFFF && next <= position)
                return Fail("topic links do not move forward");
            View data1 = record.Sub(21, len1 - 21), data2 = record.Sub(len1, len2);
            const uint8_t type = static_cast<uint8_t>(record.U8(20));
            if (type == 0x02) {
                ReadTopic topic;
                for (uint32_t i = 0; i < len2; ++i)
                    topic.title += static_cast<char>(data2.U8(i));
                topic.offset = static_cast<uint32_t>(block * 0x8000 + characters);
                help->topics.push_back(topic);
            } else if (type == 0x20) {
                if (help->topics.empty()) return Fail("paragraph before any topic header");
                uint32_t counted = 0;
                if (!Paragraph(data1, data2, &help->topics.back(), &counted)) return false;
                characters += counted;
            } else {
                return Fail("unknown topic link type");
            }
            position = next;
        }
        return true;
    }

    static int CompressedShort(View v, size_t* at) {
        if (v.U8(*at) & 1) {
            int value = (static_cast<int>(v.U16(*at)) - 0x8000) / 2;
            *at += 2;
            return value;
        }
        int value = (static_cast<int>(v.U8(*at)) - 0x80) / 2;
        *at += 1;
        return value;
    }

    static uint32_t CompressedUShort(View v, size_t* at) {
        uint32_t value = (v.U8(*at) & 1) ? v.U16(*at) / 2 : v.U8(*at) / 2;
        *at += (v.U8(*at) & 1) ? 2 : 1;
        return value;
    }

    bool Paragraph(View data1, View data2, ReadTopic* topic, uint32_t* counted) {
        size_t at = (data1.U8(0) & 1) ? 4 : 2; // TopicSize
        *counted = CompressedUShort(data1, &at);
        at += 4; // fixed bytes and paragraph id
        const uint32_t bits = data1.U16(at);
        at += 2;
        if (bits & ~0x0C7Eu) return Fail("unexpected paragraph bits");
        for (uint32_t bit = 0x02; bit <= 0x40; bit <<= 1) {
            if (bits & bit) CompressedShort(data1, &at);
        }
        size_t text = 0;
        for (;;) {
            std::string piece = data2.Z(text);
            text += piece.size() + 1;
            topic->text += piece;
            const uint32_t code = data1.U8(at++);
            if (data1.Failed() || data2.Failed()) return Fail("paragraph runs past its record");
            if (code == 0xFF) break;
            if (code == 0x80)
                at += 2;
            else if (code == 0x82)
                topic->text += '\n';
            else if (code == 0xE3 || code == 0xE2) {
                topic->links.push_back(data1.U32(at));
                at += 4;
            } else if (code != 0x89)
                return Fail("unknown format code " + std::to_string(code));
        }
        return true;
    }

    bool ContextMap() {
        View m = files.at("|CTXOMAP");
        for (uint32_t i = 0, n = m.U16(0); i < n; ++i)
            help->contextNumbers[m.U32(2 + i * 8)] = m.U32(6 + i * 8);
        return !m.Failed() || Fail("|CTXOMAP overflows");
    }

    bool Titles() {
        return WalkTree(files.at("|TTLBTREE"), [&](View page, size_t at) {
            std::string title = page.Z(at + 4);
            help->titles.emplace_back(page.U32(at), title);
            return title.size() + 5;
        });
    }
};

} // namespace

bool ReadHelpFile(const std::vector<uint8_t>& bytes, HelpContents* help, std::string* error) {
    *help = HelpContents();
    help->bytes = bytes;
    Reader reader{help, error, {}};
    if (!reader.Directory(bytes)) return false;
    for (const char* name : {"|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC", "|TTLBTREE"}) {
        if (!reader.Has(name)) return reader.Fail(std::string("missing internal file ") + name);
    }
    help->fonts = reader.files.at("|FONT").U16(2);
    return reader.System() && reader.Topics() && reader.ContextMap() && reader.Titles();
}

bool LookupContext(const HelpContents& help, uint32_t hash, uint32_t* offset) {
    // Re-locate |CONTEXT through the directory, as a viewer does for each look-up.
    std::string dummy;
    HelpContents scratch;
    Reader reader{&scratch, &dummy, {}};
    if (!reader.Directory(help.bytes) || !reader.Has("|CONTEXT")) return false;
    View tree = reader.files.at("|CONTEXT");
    const size_t pageSize = tree.U16(4);
    uint32_t page = tree.U16(26);
    const int32_t key = static_cast<int32_t>(hash);
    for (uint32_t level = tree.U16(32); level > 1; --level) {
        View p = tree.Sub(38 + page * pageSize, pageSize);
        uint32_t child = p.U16(4);
        for (uint32_t i = 0, n = p.U16(2); i < n; ++i) {
            if (static_cast<int32_t>(p.U32(6 + i * 6)) > key) break;
            child = p.U16(10 + i * 6);
        }
        page = child;
    }
    View leaf = tree.Sub(38 + page * pageSize, pageSize);
    for (uint32_t i = 0, n = leaf.U16(2); i < n; ++i) {
        if (leaf.U32(8 + i * 8) == hash) {
            *offset = leaf.U32(12 + i * 8);
            return !tree.Failed() && !leaf.Failed();
        }
    }
    return false;
}

uint32_t HashOf(const std::string& name) {
    static const char kDigits[] = "1234567890";
    uint32_t hash = 0;
    for (char c : name) {
        uint32_t value = 0;
        if (std::strchr(kDigits, c) != nullptr && c != 0)
            value = static_cast<uint32_t>(std::strchr(kDigits, c) - kDigits) + 1;
        else if (c >= 'a' && c <= 'z')
            value = static_cast<uint32_t>(c - 'a') + 17;
        else if (c >= 'A' && c <= 'Z')
            value = static_cast<uint32_t>(c - 'A') + 17;
        else if (c == '.')
            value = 12;
        else if (c == '_')
            value = 13;
        hash = hash * 43 + value;
    }
    return hash;
}

const ReadTopic* TopicAt(const HelpContents& help, uint32_t offset) {
    const ReadTopic* found = nullptr;
    for (const ReadTopic& topic : help.topics) {
        if (topic.offset <= offset && (found == nullptr || found->offset < topic.offset))
            found = &topic;
    }
    return found;
}

} // namespace hlptest
