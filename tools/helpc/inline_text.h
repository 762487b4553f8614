// The marks inside a paragraph's text: *bold*, [shown text|context] and backslash escapes.
#pragma once

#include "help_source.h"

#include <cstddef>
#include <string>
#include <vector>

namespace helpc {

struct InlineResult {
    std::vector<Span> spans;
    std::vector<size_t> linkOffsets; // where each link of spans begins in the text
    size_t errorOffset = 0;
    std::string error; // empty when the text is well formed
};

InlineResult ParseInline(const std::string& text);

// Letters, digits, '_' and '.': the characters the context hash gives a value to.
bool IsContextName(const std::string& name);

} // namespace helpc
