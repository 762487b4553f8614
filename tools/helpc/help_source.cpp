#include "help_source.h"

#include "inline_text.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace helpc {

namespace {

// Longest accepted texts: a paragraph stays well inside one 4 KB topic block, and titles fit the
// viewer's caption and history buffers.
constexpr size_t kMaxParagraph = 2000;
constexpr size_t kMaxTitle = 127;

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    size_t end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

// Splits "word rest of line" into the word and the trimmed rest.
std::pair<std::string, std::string> SplitWord(const std::string& s) {
    std::string t = Trim(s);
    size_t space = t.find_first_of(" \t");
    if (space == std::string::npos) return {t, ""};
    return {t.substr(0, space), Trim(t.substr(space))};
}

struct LinkUse {
    std::string context;
    int line;
};

// A paragraph being collected from one or more source lines.
struct PendingParagraph {
    ParagraphStyle style = ParagraphStyle::Body;
    std::string text;
    std::vector<std::pair<size_t, int>> lineStarts; // offset in text -> source line
    bool active = false;
};

class Parser {
  public:
    Parser(const std::string& fileName, Document* document)
        : fileName_(fileName), document_(document) {}

    bool Run(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!Line(line, number)) return false;
        }
        return Flush() && Finish(number);
    }

    const std::string& Error() const { return error_; }

  private:
    Topic& Current() { return document_->topics.back(); }

    bool Fail(int line, const std::string& message) {
        error_ = fileName_ + ":" + std::to_string(line) + ": " + message;
        return false;
    }

    bool Line(const std::string& line, int number) {
        for (char c : line) {
            unsigned char u = static_cast<unsigned char>(c);
            if (u >= 0x80) return Fail(number, "non-ASCII character; the help text is plain ASCII");
            if (u < 0x20 && c != '\t') return Fail(number, "control character in the text");
        }
        std::string trimmed = Trim(line);
        if (trimmed.empty()) return Flush();
        if (trimmed[0] == '#') return true;
        if (line[0] == '.') return Flush() && Directive(line, number);
        if (document_->topics.empty())
            return Fail(number, "text outside a topic (start one with .topic)");
        if (trimmed.size() >= 2 && trimmed[0] == '-' && trimmed[1] == ' ') {
            if (!Flush()) return false;
            return Append(ParagraphStyle::Bullet, Trim(trimmed.substr(2)), number);
        }
        return Append(pending_.active ? pending_.style : ParagraphStyle::Body, trimmed, number);
    }

    bool Append(ParagraphStyle style, const std::string& text, int number) {
        if (!pending_.active) {
            pending_ = PendingParagraph();
            pending_.active = true;
            pending_.style = style;
        } else {
            pending_.text += ' ';
        }
        pending_.lineStarts.emplace_back(pending_.text.size(), number);
        pending_.text += text;
        if (pending_.text.size() > kMaxParagraph)
            return Fail(number, "paragraph longer than " + std::to_string(kMaxParagraph) +
                                    " characters; split it with a blank line");
        return true;
    }

    bool Directive(const std::string& line, int number) {
        auto [name, rest] = SplitWord(line);
        if (name == ".title") return SetOnce(&document_->title, rest, number, ".title");
        if (name == ".copyright") return SetOnce(&document_->copyright, rest, number, ".copyright");
        if (name == ".contents") {
            if (!IsContextName(rest))
                return Fail(number, ".contents needs the context name of the contents topic");
            contentsLine_ = number;
            return SetOnce(&document_->contents, rest, number, ".contents");
        }
        if (name == ".topic") return StartTopic(rest, number);
        if (name == ".map") return MapNumber(rest, number);
        if (name == ".heading") {
            if (document_->topics.empty()) return Fail(number, ".heading outside a topic");
            if (rest.empty()) return Fail(number, ".heading without text");
            return Append(ParagraphStyle::Heading, rest, number) && Flush();
        }
        return Fail(number, "unknown directive '" + name + "'");
    }

    bool SetOnce(std::string* target, const std::string& value, int number, const char* what) {
        if (value.empty()) return Fail(number, std::string(what) + " without a value");
        if (!target->empty()) return Fail(number, std::string(what) + " given twice");
        if (value.size() > kMaxTitle)
            return Fail(number, std::string(what) + " longer than " + std::to_string(kMaxTitle) +
                                    " characters");
        *target = value;
        return true;
    }

    bool StartTopic(const std::string& rest, int number) {
        auto [context, title] = SplitWord(rest);
        if (context.empty()) return Fail(number, ".topic needs a context name and a title");
        if (!IsContextName(context))
            return Fail(number, "context name '" + context +
                                    "' may hold only letters, digits, '_' and '.'");
        if (title.empty()) return Fail(number, "topic '" + context + "' has no title");
        if (title.size() > kMaxTitle)
            return Fail(number,
                        "topic title longer than " + std::to_string(kMaxTitle) + " characters");
        auto known = contexts_.find(context);
        if (known != contexts_.end())
            return Fail(number, "duplicate context '" + context + "' (first defined on line " +
                                    std::to_string(known->second) + ")");
        for (const Topic& other : document_->topics) {
            if (ContextHash(other.context) == ContextHash(context))
                return Fail(number, "context '" + context + "' has the same hash as '" +
                                        other.context + "'; choose another name");
        }
        contexts_[context] = number;
        Topic topic;
        topic.context = context;
        topic.title = title;
        topic.line = number;
        Paragraph heading;
        heading.style = ParagraphStyle::Title;
        heading.spans.push_back(Span{title, false, ""});
        topic.paragraphs.push_back(heading);
        document_->topics.push_back(topic);
        return true;
    }

    bool MapNumber(const std::string& rest, int number) {
        if (document_->topics.empty()) return Fail(number, ".map outside a topic");
        if (rest.empty() || rest.size() > 9 || !std::all_of(rest.begin(), rest.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            }))
            return Fail(number, ".map needs a context number (digits only)");
        uint32_t value = static_cast<uint32_t>(std::stoul(rest));
        auto known = numbers_.find(value);
        if (known != numbers_.end())
            return Fail(number, "context number " + rest + " already mapped on line " +
                                    std::to_string(known->second));
        numbers_[value] = number;
        Current().numbers.push_back(value);
        return true;
    }

    int LineAt(size_t offset) const {
        int line = pending_.lineStarts.front().second;
        for (const auto& start : pending_.lineStarts) {
            if (start.first <= offset) line = start.second;
        }
        return line;
    }

    // Turns the collected text into spans and remembers its links for the final check.
    bool Flush() {
        if (!pending_.active) return true;
        pending_.active = false;
        InlineResult parsed = ParseInline(pending_.text);
        if (!parsed.error.empty()) return Fail(LineAt(parsed.errorOffset), parsed.error);
        size_t link = 0;
        for (const Span& span : parsed.spans) {
            if (!span.link.empty())
                links_.push_back(LinkUse{span.link, LineAt(parsed.linkOffsets[link++])});
        }
        if (parsed.spans.empty()) return true;
        Paragraph paragraph;
        paragraph.style = pending_.style;
        paragraph.spans = parsed.spans;
        Current().paragraphs.push_back(paragraph);
        return true;
    }

    bool Finish(int lastLine) {
        if (document_->title.empty()) return Fail(1, "missing .title");
        if (document_->topics.empty()) return Fail(lastLine, "no topics");
        if (document_->contents.empty())
            return Fail(1, "missing .contents naming the contents topic");
        if (contexts_.count(document_->contents) == 0)
            return Fail(contentsLine_,
                        "contents topic '" + document_->contents + "' does not exist");
        for (const LinkUse& link : links_) {
            if (contexts_.count(link.context) == 0)
                return Fail(link.line, "link to unknown context '" + link.context + "'");
        }
        return true;
    }

    std::string fileName_;
    Document* document_;
    PendingParagraph pending_;
    std::map<std::string, int> contexts_;
    std::map<uint32_t, int> numbers_;
    std::vector<LinkUse> links_;
    int contentsLine_ = 1;
    std::string error_;
};

} // namespace

bool ParseHelpSource(const std::string& text, const std::string& fileName, Document* document,
                     std::string* error) {
    *document = Document();
    Parser parser(fileName, document);
    if (parser.Run(text)) return true;
    *error = parser.Error();
    return false;
}

uint32_t ContextHash(const std::string& name) {
    uint32_t hash = 0;
    for (char c : name) {
        uint32_t value = 0;
        if (c >= 'A' && c <= 'Z')
            value = static_cast<uint32_t>(c - 'A') + 17;
        else if (c >= 'a' && c <= 'z')
            value = static_cast<uint32_t>(c - 'a') + 17;
        else if (c >= '1' && c <= '9')
            value = static_cast<uint32_t>(c - '0');
        else if (c == '0')
            value = 10;
        else if (c == '.')
            value = 12;
        else if (c == '_')
            value = 13;
        hash = hash * 43 + value;
    }
    return hash;
}

} // namespace helpc
