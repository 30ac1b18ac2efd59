#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// reStructuredText's comments: ".." first on its line, then a blank or the
// line's end, and no directive ("name::"), target ("_"), footnote or
// citation ("[") nor substitution ("|") after the blanks. The comment runs
// on over the lines after it that are blank or indented deeper than its
// "..", tabs to the next multiple of 8 columns. Its last line end, the
// blank lines after it and the blanks that start the first line of a
// lesser indent are its text too: they are read before that line tells.
template <>
struct machineHook<hook::explicitComments> {
  static constexpr hookToken tokens[] = {{"..", placement::lineStart}};
  static constexpr hookNeeds needs = {.indents = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    const reading what = markupAfter(q, end, m.atContentEnd());
    if (what == reading::undecided) return waitAt(p);
    if (what == reading::other) return kDeclined;
    marker_ = m.indentOf(p);
    m.frame.openComment(p);
    m.frame.marker(p, q);
    step_ = step::text;
    m.template enterHook<hook::explicitComments>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    if (step_ == step::text) {
      p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
      if (p == end) return p;
      m.frame.comment(p);
      startLine();
      return p + 1;
    }
    if (isLineEnd(*p) || isBlankByte(*p)) {
      m.frame.comment(p);
      if (isLineEnd(*p)) {
        startLine();
      } else {
        column_ = columnAfter(column_, *p);
      }
      return p + 1;
    }
    if (column_ > marker_) {
      step_ = step::text;
      return p;
    }
    m.frame.closeComment(p);
    m.enterCode();
    return p;
  }

 private:
  enum class step : uint8_t {
    text,    // the rest of a line of the comment
    indent,  // a line's leading blanks
  };
  enum class reading : uint8_t { comment, other, undecided };

  // What the bytes after ".." make of it; undecided when the chunk ends
  // before they tell.
  static reading markupAfter(const unsigned char* q, const unsigned char* end, bool final) {
    const unsigned char* const start = q;
    const reading more = final ? reading::comment : reading::undecided;
    if (q == end) return more;
    if (isLineEnd(*q)) return reading::comment;
    if (!isBlankByte(*q)) return reading::other;  // "...", "..x"
    while (q < end && isBlankByte(*q) &&
           static_cast<size_t>(q - start) < kMaxExplicitMarkupLookahead) {
      ++q;
    }
    if (static_cast<size_t>(q - start) >= kMaxExplicitMarkupLookahead) return reading::comment;
    if (q == end) return more;
    if (*q == '_' || *q == '[' || *q == '|') return reading::other;
    for (; q < end && static_cast<size_t>(q - start) < kMaxExplicitMarkupLookahead; ++q) {
      if (*q == ':') {
        if (end - q < 3 && !final) return reading::undecided;
        if (end - q >= 2 && q[1] == ':' &&
            (end - q == 2 || isBlankByte(q[2]) || isLineEnd(q[2]))) {
          return reading::other;  // a directive
        }
      }
      if (!isDirectiveNameByte(*q)) return reading::comment;
    }
    if (q == end && static_cast<size_t>(q - start) < kMaxExplicitMarkupLookahead) return more;
    return reading::comment;
  }

  void startLine() {
    step_ = step::indent;
    column_ = 0;
  }

  step step_ = step::text;
  int64_t marker_ = 0;  // the indent of the ".."
  int64_t column_ = 0;  // indent: the columns so far
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_H_
