#include "inline_text.h"

#include <algorithm>
#include <cctype>

namespace helpc {

namespace {

constexpr size_t kMaxContextName = 64;

class InlineParser {
  public:
    explicit InlineParser(const std::string& text) : text_(text) {}

    InlineResult Run() {
        for (size_t i = 0; i < text_.size() && result_.error.empty(); ++i)
            Character(&i);
        if (result_.error.empty() && inLink_)
            Fail(linkStart_, "unterminated link; write [text|context]");
        if (result_.error.empty() && bold_)
            Fail(boldStart_, "unterminated bold text (missing '*')");
        if (result_.error.empty()) CloseSpan();
        return result_;
    }

  private:
    void Fail(size_t at, const std::string& message) {
        result_.errorOffset = at;
        result_.error = message;
    }

    void CloseSpan() {
        if (!span_.text.empty()) result_.spans.push_back(span_);
        span_ = Span();
        span_.bold = bold_;
    }

    void Character(size_t* i) {
        const char c = text_[*i];
        if (c == '\\') return Escape(i);
        if (inTarget_) return TargetCharacter(*i);
        if (c == '*') {
            if (inLink_) return Fail(*i, "bold text inside a link");
            CloseSpan();
            bold_ = !bold_;
            span_.bold = bold_;
            boldStart_ = *i;
        } else if (c == '[') {
            if (inLink_) return Fail(*i, "link inside a link");
            CloseSpan();
            inLink_ = true;
            linkStart_ = *i;
        } else if (c == '|' && inLink_) {
            inTarget_ = true;
        } else if (c == ']' && inLink_) {
            Fail(*i, "link without a target; write [text|context]");
        } else {
            span_.text += c;
        }
    }

    void Escape(size_t* i) {
        if (*i + 1 >= text_.size() ||
            std::string("\\*[]|").find(text_[*i + 1]) == std::string::npos)
            return Fail(*i, "unknown escape; use \\\\, \\*, \\[, \\] or \\|");
        (inTarget_ ? target_ : span_.text) += text_[++*i];
    }

    void TargetCharacter(size_t i) {
        if (text_[i] != ']') {
            target_ += text_[i];
            return;
        }
        if (!IsContextName(target_))
            return Fail(i, "link target '" + target_ + "' is not a context name");
        if (span_.text.empty()) return Fail(i, "link without text");
        span_.link = target_;
        result_.linkOffsets.push_back(linkStart_);
        CloseSpan();
        inLink_ = inTarget_ = false;
        target_.clear();
    }

    const std::string& text_;
    InlineResult result_;
    Span span_;
    std::string target_;
    bool bold_ = false, inLink_ = false, inTarget_ = false;
    size_t boldStart_ = 0, linkStart_ = 0;
};

} // namespace

InlineResult ParseInline(const std::string& text) {
    return InlineParser(text).Run();
}

bool IsContextName(const std::string& name) {
    return !name.empty() && name.size() <= kMaxContextName &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
           });
}

} // namespace helpc
