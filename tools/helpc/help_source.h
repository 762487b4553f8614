// The help source: a plain-text description of the help file's topics, parsed into a document
// that the writer turns into a WinHelp file. The format is described at the top of
// src/resources/help/qmark.hlpsrc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

// A run of text within a paragraph; link holds the target context name, empty for plain text.
struct Span {
    std::string text;
    bool bold = false;
    std::string link;
};

enum class ParagraphStyle { Title, Heading, Body, Bullet };

struct Paragraph {
    ParagraphStyle style = ParagraphStyle::Body;
    std::vector<Span> spans;
};

struct Topic {
    std::string context; // context name, unique in the file
    std::string title;
    std::vector<uint32_t> numbers; // context numbers mapped to this topic
    std::vector<Paragraph> paragraphs;
    int line = 0; // line of the .topic directive
};

struct Document {
    std::string title;
    std::string copyright;
    std::string contents; // context name of the contents topic
    std::vector<Topic> topics;
};

// Parses a help source. On malformed input returns false and sets error to
// "<fileName>:<line>: <message>".
bool ParseHelpSource(const std::string& text, const std::string& fileName, Document* document,
                     std::string* error);

// The WinHelp hash of a context name (names hold only letters, digits, '.' and '_').
uint32_t ContextHash(const std::string& name);

} // namespace helpc
