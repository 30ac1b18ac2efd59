#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// PHP's heredocs <<<ID and <<<"ID" and nowdocs <<<'ID': "<<<" is code, then
// blanks, an optional quote and the label, and the text to the line's end;
// the body is a literal closed by the label at a line's start, after blanks,
// where no label byte follows it (ID; ID, ID) close, ID2 does not). Anything
// else after "<<<" makes it plain code.
template <>
struct machineHook<hook::phpHeredocs> {
  static constexpr hookToken tokens[] = {{"<<<"}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    for (; p < q; ++p) m.frame.code(false);
    quote_ = 0;
    label_.clear();
    step_ = step::start;
    m.template enterHook<hook::phpHeredocs>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::start: return start(m, p);
      case step::label: return label(m, p);
      case step::line: return line(m, p, end);
      case step::lineStart: return lineStart(m, p);
      case step::labelEnd:
        // "EOT2" or "EOTX" at a line's start is text of a heredoc labelled EOT.
        if (isLabelByte(*p)) {
          step_ = step::line;
        } else {
          m.enterCode();
        }
        return p;
    }
    return p;
  }

 private:
  enum class step : uint8_t {
    start,      // after "<<<": blanks, a quote, the label
    label,
    line,       // the rest of the "<<<" line, or a body line
    lineStart,  // a body line's start: blanks, then maybe the label
    labelEnd,   // the label at a line's start; a label byte next means it was not
  };

  template <class M>
  const unsigned char* start(M& m, const unsigned char* p) {
    if (isPhpBlank(*p)) {
      m.frame.code(false);
      return p + 1;
    }
    if (quote_ == 0 && (*p == '\'' || *p == '"')) {
      m.frame.literal(p, p + 1);
      quote_ = *p;
      return p + 1;
    }
    if (startsLabel(*p)) {
      step_ = step::label;
    } else {
      m.enterCode();  // no heredoc after all: "<<<" and what followed were code
    }
    return p;
  }

  template <class M>
  const unsigned char* label(M& m, const unsigned char* p) {
    if (isLabelByte(*p) && label_.size() == kMaxHeredocLabel) {
      m.enterCode();  // too long for a label: no heredoc, and this byte is code
      return p;
    }
    if (isLabelByte(*p)) {
      m.frame.literal(p, p + 1);
      label_ += static_cast<char>(*p);
      return p + 1;
    }
    step_ = step::line;
    if (quote_ == 0 || *p != quote_) return p;
    m.frame.literal(p, p + 1);
    return p + 1;
  }

  template <class M>
  const unsigned char* line(M& m, const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = m.frame.template literalRun<byteSet<'\r', '\n'>>(p, end);
    if (stop == end) return stop;
    m.frame.literal(stop, stop + 1);
    matched_ = 0;
    step_ = step::lineStart;
    return stop + 1;
  }

  template <class M>
  const unsigned char* lineStart(M& m, const unsigned char* p) {
    if (matched_ == 0 && isPhpBlank(*p)) {
      m.frame.literal(p, p + 1);  // the closing label may be indented
      return p + 1;
    }
    if (*p == static_cast<unsigned char>(label_[matched_])) {
      m.frame.literal(p, p + 1);
      if (++matched_ == label_.size()) step_ = step::labelEnd;
      return p + 1;
    }
    step_ = step::line;  // no label here: this byte is body text, or a line end
    return p;
  }

  step step_ = step::start;
  unsigned char quote_ = 0;  // around the label, or 0
  std::string label_;
  size_t matched_ = 0;  // label bytes at a body line's start
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_H_
