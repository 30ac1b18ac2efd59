#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// Comments of an indented syntax (Sass's): "//" or "/*" first on its line
// opens a comment that runs over the rest of its line and every later line
// indented deeper than its own (by its leading spaces), blank lines
// between included; "*/" ends
// nothing. The first line of no deeper indent is code again. Each line's
// indent and line end are code that closes no comment run, so the whole
// block is one comment.
template <>
struct machineHook<hook::indentedComments> {
  static constexpr hookToken tokens[] = {
      {"//", placement::lineStart},
      {"/*", placement::lineStart},
  };
  static constexpr hookNeeds needs = {.indents = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    parent_ = m.indentOf(p);
    m.frame.openComment(p);
    m.frame.marker(p, q);
    inComment_ = true;
    m.template enterHook<hook::indentedComments>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    if (inComment_) {
      p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
      if (p == end) return p;
      m.frame.closeComment(p);
      m.frame.lineCommentEnd(p);
      startLine();
      return p + 1;
    }
    if (isLineEnd(*p)) {
      m.frame.literal(p, p + 1);  // a blank line: the block may go on after it
      startLine();
      return p + 1;
    }
    if (isBlankByte(*p)) {
      m.frame.literal(p, p + 1);
      if (*p != ' ') counting_ = false;  // the indent is the spaces before any other blank
      if (counting_) ++indent_;
      return p + 1;
    }
    if (indent_ <= parent_) {
      m.enterCode();
      return p;
    }
    m.frame.openComment(p);
    inComment_ = true;
    return p;
  }

 private:
  void startLine() {
    inComment_ = false;
    counting_ = true;
    indent_ = 0;
  }

  bool inComment_ = false;  // else in a line's indent, after the comment's line
  bool counting_ = true;    // only spaces so far in that indent
  int64_t parent_ = 0;      // the indent of the comment's first line
  int64_t indent_ = 0;      // the blanks so far of the line under way
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_H_
