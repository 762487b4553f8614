#include "btree.h"

#include "bytes.h"

#include <cstring>

namespace helpc {

namespace {

constexpr unsigned kMagic = 0x293B;
constexpr unsigned kNoPage = 0xFFFF;
constexpr size_t kLeafHeader = 8;
constexpr size_t kIndexHeader = 6;

struct Page {
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> firstKey; // key of the first record below this page
};

struct Level {
    size_t first; // index of the level's first page
    size_t count;
};

void PutHeader(std::vector<uint8_t>* page, size_t unused, size_t entries) {
    (*page)[0] = static_cast<uint8_t>(unused & 0xFF);
    (*page)[1] = static_cast<uint8_t>(unused >> 8);
    (*page)[2] = static_cast<uint8_t>(entries & 0xFF);
    (*page)[3] = static_cast<uint8_t>(entries >> 8);
}

void Put16(std::vector<uint8_t>* bytes, size_t at, unsigned value) {
    (*bytes)[at] = static_cast<uint8_t>(value & 0xFF);
    (*bytes)[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

bool BuildLeaves(const BTreeShape& shape, const std::vector<BTreeEntry>& entries,
                 std::vector<Page>* pages, std::string* error) {
    size_t next = 0;
    do {
        Page page;
        page.bytes.assign(kLeafHeader, 0);
        if (next < entries.size()) page.firstKey = entries[next].key;
        size_t count = 0;
        while (next < entries.size() &&
               page.bytes.size() + entries[next].leaf.size() <= shape.pageSize) {
            page.bytes.insert(page.bytes.end(), entries[next].leaf.begin(),
                              entries[next].leaf.end());
            ++next;
            ++count;
        }
        if (count == 0 && next < entries.size()) {
            *error = "a record does not fit a B+ tree page";
            return false;
        }
        PutHeader(&page.bytes, shape.pageSize - page.bytes.size(), count);
        page.bytes.resize(shape.pageSize, 0);
        pages->push_back(page);
    } while (next < entries.size());
    for (size_t i = 0; i < pages->size(); ++i) {
        Put16(&(*pages)[i].bytes, 4, i == 0 ? kNoPage : static_cast<unsigned>(i - 1));
        Put16(&(*pages)[i].bytes, 6,
              i + 1 == pages->size() ? kNoPage : static_cast<unsigned>(i + 1));
    }
    return true;
}

// Adds one level of index pages over the pages of below; returns the new level.
bool BuildIndexLevel(const BTreeShape& shape, Level below, std::vector<Page>* pages, Level* level,
                     std::string* error) {
    level->first = pages->size();
    level->count = 0;
    size_t child = below.first;
    const size_t end = below.first + below.count;
    while (child < end) {
        Page page;
        page.bytes.assign(kIndexHeader, 0);
        page.firstKey = (*pages)[child].firstKey;
        Put16(&page.bytes, 4, static_cast<unsigned>(child));
        ++child;
        size_t count = 0;
        while (child < end) {
            const std::vector<uint8_t>& key = (*pages)[child].firstKey;
            if (page.bytes.size() + key.size() + 2 > shape.pageSize) break;
            page.bytes.insert(page.bytes.end(), key.begin(), key.end());
            page.bytes.push_back(static_cast<uint8_t>(child & 0xFF));
            page.bytes.push_back(static_cast<uint8_t>(child >> 8));
            ++child;
            ++count;
        }
        PutHeader(&page.bytes, shape.pageSize - page.bytes.size(), count);
        page.bytes.resize(shape.pageSize, 0);
        pages->push_back(page);
        ++level->count;
    }
    if (level->count >= below.count) {
        *error = "index keys too long for a B+ tree page";
        return false;
    }
    return true;
}

} // namespace

bool BuildBTree(const BTreeShape& shape, const std::vector<BTreeEntry>& entries,
                std::vector<uint8_t>* tree, std::string* error) {
    std::vector<Page> pages;
    if (!BuildLeaves(shape, entries, &pages, error)) return false;
    Level level{0, pages.size()};
    unsigned levels = 1;
    while (level.count > 1) {
        Level above;
        if (!BuildIndexLevel(shape, level, &pages, &above, error)) return false;
        level = above;
        ++levels;
    }
    if (pages.size() >= kNoPage) {
        *error = "B+ tree too large";
        return false;
    }
    Bytes header;
    header.U16(kMagic);
    header.U16(shape.flags);
    header.U16(shape.pageSize);
    char format[16] = {};
    std::strncpy(format, shape.format, sizeof format - 1);
    for (char c : format)
        header.U8(static_cast<uint8_t>(c));
    header.U16(0);                                            // must be zero
    header.U16(static_cast<unsigned>(pages.size() - levels)); // page splits
    header.U16(static_cast<unsigned>(pages.size() - 1));      // root page
    header.U16(kNoPage);                                      // must be -1
    header.U16(static_cast<unsigned>(pages.size()));          // total pages
    header.U16(levels);
    header.U32(static_cast<uint32_t>(entries.size()));
    *tree = header.Data();
    for (const Page& page : pages)
        tree->insert(tree->end(), page.bytes.begin(), page.bytes.end());
    return true;
}

} // namespace helpc
