// The |TOPIC internal file: topic headers and display paragraphs as topic link records, laid out
// in uncompressed 4 KB blocks.
#pragma once

#include "help_source.h"

#include <cstdint>
#include <vector>

namespace helpc {

// Font descriptor numbers of the |FONT file that the paragraphs refer to.
enum FontId : unsigned { kFontBody = 0, kFontBold = 1, kFontTitle = 2, kFontHeading = 3 };

struct TopicFile {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> topicOffsets; // per topic of the document, in order
};

TopicFile BuildTopicFile(const Document& document);

} // namespace helpc
