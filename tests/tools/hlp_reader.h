// A reader of WinHelp 3.1 files written for the tests, apart from the compiler's own code: it
// walks the directory, decodes |SYSTEM, |TOPIC, |CTXOMAP, |CONTEXT and |TTLBTREE as a viewer
// would, and reports the first inconsistency it meets.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace hlptest {

struct ReadTopic {
    std::string title;
    uint32_t offset = 0;         // TOPICOFFSET as a viewer computes it
    std::string text;            // paragraphs, each ended by '\n'
    std::vector<uint32_t> links; // context hashes of the jumps in the topic
};

struct HelpContents {
    std::vector<std::string> files; // internal file names in directory order
    unsigned version = 0;
    std::string title;
    uint32_t contentsOffset = 0xFFFFFFFF;
    unsigned fonts = 0;
    std::vector<ReadTopic> topics;
    std::map<uint32_t, uint32_t> contextNumbers;          // |CTXOMAP
    std::vector<std::pair<uint32_t, std::string>> titles; // |TTLBTREE leaves in order
    std::vector<uint8_t> bytes;
};

// Reads the whole file; false with a reason when any structure is inconsistent.
bool ReadHelpFile(const std::vector<uint8_t>& bytes, HelpContents* help, std::string* error);

// |CONTEXT: the topic offset for a hash, searched through the B+ tree's index pages.
bool LookupContext(const HelpContents& help, uint32_t hash, uint32_t* offset);

// The WinHelp context hash, computed from the published character table.
uint32_t HashOf(const std::string& name);

// The topic whose offset is the greatest one not above offset, as a viewer resolves it.
const ReadTopic* TopicAt(const HelpContents& help, uint32_t offset);

} // namespace hlptest
