#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_H_

#include <cstddef>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// Vim script's trailing comments: '"' after a blank opens a string, which
// must close on its line; where no '"' closes it there (a backslash takes
// the next byte), it is a comment to the line's end: `set ts=4 " tabs`.
// Decided within kMaxLookahead bytes from the quote: where neither a quote
// nor the line's end stands in them, the quote is left to the row's string.
template <>
struct machineHook<hook::unclosedQuoteComments> {
  static constexpr hookToken tokens[] = {{"\"", placement::afterBlank}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    // First on its line it opens a comment whatever follows: no need to look.
    const unsigned char before = m.frame.previous(p);
    for (size_t k = 1; before != 0 && !isLineEnd(before);) {
      if (k >= kMaxLookahead) return kDeclined;  // undecided: the string's
      if (p + k >= end) {
        if (!m.atContentEnd()) return waitAt(p);
        break;  // the content ends first: no quote closes it
      }
      if (p[k] == '"') return kDeclined;
      if (isLineEnd(p[k])) break;
      k += p[k] == '\\' ? 2 : 1;
    }
    m.frame.openComment(p);
    m.frame.marker(p, q);
    m.template enterHook<hook::unclosedQuoteComments>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
    if (p == end) return p;
    m.frame.closeComment(p);
    m.frame.lineCommentEnd(p);
    m.enterCode();
    return p + 1;
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_H_
