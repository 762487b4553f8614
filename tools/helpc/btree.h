// The B+ trees of a help file: the internal directory, the context hashes and the topic titles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

// One record of a tree: key is what an index page stores for it, leaf the whole leaf record.
struct BTreeEntry {
    std::vector<uint8_t> key;
    std::vector<uint8_t> leaf;
};

struct BTreeShape {
    uint16_t flags;     // 0x0402 for the directory, 0x0002 for the others
    uint16_t pageSize;  // 1024 for the directory, 2048 for the others
    const char* format; // the record layout string, e.g. "z4" or "L4"
};

// Lays out entries (already in key order) as leaf pages under as many index levels as needed.
// Returns false when one entry does not fit a page.
bool BuildBTree(const BTreeShape& shape, const std::vector<BTreeEntry>& entries,
                std::vector<uint8_t>* tree, std::string* error);

} // namespace helpc
