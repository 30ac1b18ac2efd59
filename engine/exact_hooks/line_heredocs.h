#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_H_

#include <cstdint>
#include <string>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// Heredocs whose body starts on the next line (heredocRule in
// exact_rules.h): "<<", a mark and blanks are code, the label and its quotes
// a literal; the rest of the line is code, comments included. The bodies of
// the heredocs opened on the line follow it in order, each a literal closed
// by its label alone on a line, indented where the mark allows it. Anything
// else after "<<" makes it plain code, as does a quoted label that its line
// end cuts short (what was read of it stays literal).
template <>
struct machineHook<hook::lineHeredocs> {
  static constexpr hookToken tokens[] = {{"<<"}};
  static constexpr hookNeeds needs = {.lineEnds = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    if (M::kRules.heredoc.notAfterWord && isLabelByte(m.frame.previous(p))) return nullptr;
    if (count_ == kMaxPendingHeredocs) return nullptr;
    for (; p < q; ++p) m.frame.code(false);
    waiting_[count_].label.clear();
    waiting_[count_].indented = false;
    quote_ = 0;
    step_ = step::mark;
    m.template enterHook<hook::lineHeredocs>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    constexpr heredocRule rule = M::kRules.heredoc;
    heredoc& opening = waiting_[count_ < kMaxPendingHeredocs ? count_ : 0];
    switch (step_) {
      case step::mark:
        step_ = step::blanks;
        if (rule.indentMarks.find(static_cast<char>(*p)) == std::string_view::npos) return p;
        opening.indented = true;
        m.frame.code(false);
        return p + 1;
      case step::blanks:
        if (rule.blanksBeforeLabel && (*p == ' ' || *p == '\t')) {
          m.frame.code(false);
          return p + 1;
        }
        if (isHeredocQuote(*p) || *p == '\\') {
          m.frame.literal(p, p + 1);
          quote_ = *p == '\\' ? 0 : *p;
          step_ = quote_ != 0 ? step::quotedLabel : step::label;
          return p + 1;
        }
        step_ = step::label;
        return p;
      case step::label:
        if (opening.label.empty() ? startsLabel(*p) : isLabelByte(*p)) return labelByte(m, p);
        if (opening.label.empty()) return toCode(m, p);
        return waitForLine(m, p);
      case step::quotedLabel:
        if (*p == quote_) {
          m.frame.literal(p, p + 1);
          return waitForLine(m, p + 1);
        }
        if (isLineEnd(*p)) return toCode(m, p);
        return labelByte(m, p);
      case step::lineStart: return lineStart(m, p, rule.tabsOnly);
      case step::line: {
        const unsigned char* stop = m.frame.template literalRun<byteSet<'\r', '\n'>>(p, end);
        if (stop == end) return stop;
        m.frame.literal(stop, stop + 1);
        matched_ = 0;
        step_ = step::lineStart;
        return stop + 1;
      }
    }
    return p;
  }

 private:
  enum class step : uint8_t {
    mark,         // after "<<": an indent mark
    blanks,       // blanks, then a quote, a backslash or the label
    label,        // a bare label
    quotedLabel,  // a label up to its quote
    lineStart,    // a body line's start: its indent, then maybe the label
    line,         // the rest of a body line
  };

  struct heredoc {
    std::string label;
    bool indented = false;
  };

  template <class M>
  const unsigned char* labelByte(M& m, const unsigned char* p) {
    heredoc& opening = waiting_[count_];
    if (opening.label.size() == kMaxHeredocLabel) return toCode(m, p);
    opening.label += static_cast<char>(*p);
    m.frame.literal(p, p + 1);
    return p + 1;
  }

  // The label is read: its body waits for the line's end.
  template <class M>
  const unsigned char* waitForLine(M& m, const unsigned char* p) {
    ++count_;
    m.template watchLineEnd<hook::lineHeredocs>();
    return toCode(m, p);
  }

  // Back to code; the first body, if any waits, starts after the line end
  // the machine hands over.
  template <class M>
  const unsigned char* toCode(M& m, const unsigned char* p) {
    m.enterCode();
    step_ = step::lineStart;
    current_ = 0;
    matched_ = 0;
    return p;
  }

  template <class M>
  const unsigned char* lineStart(M& m, const unsigned char* p, bool tabsOnly) {
    const heredoc& body = waiting_[current_];
    if (matched_ == 0 && body.indented && indentsLabel(*p, tabsOnly)) {
      m.frame.literal(p, p + 1);
      return p + 1;
    }
    if (matched_ < body.label.size() && *p == static_cast<unsigned char>(body.label[matched_])) {
      m.frame.literal(p, p + 1);
      ++matched_;
      return p + 1;
    }
    if (matched_ == body.label.size() && isLineEnd(*p)) {
      if (++current_ < count_) {
        m.frame.literal(p, p + 1);  // the next body starts on the next line
        matched_ = 0;
        return p + 1;
      }
      count_ = 0;
      m.enterCode();  // the line end after the last label is code
      return p;
    }
    step_ = step::line;  // no label here
    return p;
  }

  step step_ = step::mark;
  unsigned char quote_ = 0;
  heredoc waiting_[kMaxPendingHeredocs];  // the labels read, of bodies to come
  int count_ = 0;                         // how many
  int current_ = 0;                       // the body under way
  size_t matched_ = 0;                    // label bytes at a body line's start
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_H_
