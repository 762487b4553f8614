// Writes a parsed help document as a WinHelp 3.1 file.
#pragma once

#include "help_source.h"

#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

// The whole file: header, the internal files |CONTEXT, |CTXOMAP, |FONT, |SYSTEM, |TOPIC and
// |TTLBTREE, and the internal directory. Returns false with a message when it cannot be laid out.
bool BuildHelpFile(const Document& document, std::vector<uint8_t>* file, std::string* error);

} // namespace helpc
