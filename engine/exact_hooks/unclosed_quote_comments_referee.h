#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_REFEREE_H_

// The referee of Vim script's trailing comments (see
// unclosed_quote_comments.h), a byte at a time.

#include <cstddef>

#include "engine/exact_referee.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::unclosedQuoteComments> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    const size_t quote = r.position();
    const unsigned char before = quote > 0 ? r.at(quote - 1) : 0;
    for (size_t j = quote + 1; before != 0 && !isLineEnd(before);) {
      if (j - quote >= kMaxLookahead) return false;  // undecided: the string's
      if (j >= r.length()) break;
      const unsigned char c = r.at(j);
      if (c == '"') return false;
      if (isLineEnd(c)) break;
      j += c == '\\' ? 2 : 1;
    }
    r.takeMarker(1);
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (isLineEnd(c)) {
      r.takeCommentEnd();
      r.enterCode();
    } else {
      r.takeComment(1);
    }
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_UNCLOSED_QUOTE_COMMENTS_REFEREE_H_
