// The text of a book's template as it is stored: every colon that ends a line is followed by a
// space, the form of the diary's hour lines, so that the main window's Tab key lands after it.
#pragma once

#include <string>

// A copy of text with one space inserted after every ":" that is followed by the end of the text,
// a line feed or a carriage return. Nothing else changes, and nothing is cut.
std::string SpaceAfterLineEndColons(const std::string& text);
