#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// YAML's block scalars: "|" or ">" at a value's start, its indicators
// ("|-", ">2"), blanks and maybe a comment to the line's end; then the body,
// a literal: the lines after it whose indent is deeper than that of the
// indicator's line, and every line after those at least as deep as the
// first, with blank lines between. The first line of a lesser indent is
// code again. Anything else after the indicator makes it plain code.
template <>
struct machineHook<hook::blockScalars> {
  static constexpr hookToken tokens[] = {
      {"|", placement::afterSeparator},
      {">", placement::afterSeparator},
  };
  static constexpr hookNeeds needs = {.indents = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    parent_ = m.indentOf(p);
    bodyIndent_ = -1;
    afterBlank_ = false;
    m.frame.code(false);
    step_ = step::header;
    m.template enterHook<hook::blockScalars>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::header: return header(m, p);
      case step::comment: {
        p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
        if (p == end) return p;
        m.frame.closeComment(p);
        m.frame.lineCommentEnd(p);
        startLine();
        return p + 1;
      }
      case step::indent: return indent(m, p);
      case step::body: {
        p = m.frame.template literalRun<byteSet<'\r', '\n'>>(p, end);
        if (p == end) return p;
        m.frame.literal(p, p + 1);
        startLine();
        return p + 1;
      }
    }
    return p;
  }

 private:
  enum class step : uint8_t {
    header,   // the indicator's line
    comment,  // a comment at its end
    indent,   // a line's leading blanks, after the header
    body,     // the rest of a line of the body
  };

  template <class M>
  const unsigned char* header(M& m, const unsigned char* p) {
    if (isLineEnd(*p)) {
      m.frame.code(false);
      startLine();
    } else if (isBlankByte(*p)) {
      m.frame.code(false);
      afterBlank_ = true;
    } else if (*p == '#' && afterBlank_) {
      m.frame.openComment(p);
      m.frame.marker(p, p + 1);
      step_ = step::comment;
    } else if (!afterBlank_ && isBlockScalarIndicator(*p)) {
      m.frame.code(false);
    } else {
      m.enterCode();  // no block scalar: the indicator was plain code, and so is the rest
      return p;
    }
    return p + 1;
  }

  template <class M>
  const unsigned char* indent(M& m, const unsigned char* p) {
    if (isLineEnd(*p)) {
      m.frame.literal(p, p + 1);  // a blank line: the body may go on after it
      startLine();
      return p + 1;
    }
    if (isBlankByte(*p)) {
      m.frame.literal(p, p + 1);
      if (*p != ' ') counting_ = false;  // the indent is the spaces before any other blank
      if (counting_) ++spaces_;
      return p + 1;
    }
    if (bodyIndent_ < 0 ? spaces_ > parent_ : spaces_ >= bodyIndent_) {
      if (bodyIndent_ < 0) bodyIndent_ = spaces_;
      step_ = step::body;
    } else {
      m.enterCode();
    }
    return p;
  }

  void startLine() {
    step_ = step::indent;
    spaces_ = 0;
    counting_ = true;
  }

  step step_ = step::header;
  bool afterBlank_ = false;  // header: a blank stood after the indicators
  bool counting_ = true;     // indent: only spaces so far
  int64_t parent_ = 0;       // the indent of the indicator's line
  int64_t bodyIndent_ = -1;  // that of the body's first line, once known
  int64_t spaces_ = 0;       // indent: the spaces so far
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_H_
