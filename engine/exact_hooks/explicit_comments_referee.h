#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_REFEREE_H_

// The referee of reStructuredText's comments (see explicit_comments.h), a
// byte at a time.

#include <cstdint>

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::explicitComments> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    if (!isComment(r, r.position() + length)) return false;
    marker_ = r.indentAt(r.position());
    r.takeMarker(length);
    inText_ = true;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (inText_) {
      r.takeComment(1);
      if (isLineEnd(c)) startLine();
    } else if (isLineEnd(c)) {
      r.takeComment(1);
      startLine();
    } else if (isBlankByte(c)) {
      r.takeComment(1);
      column_ = columnAfter(column_, c);
    } else if (column_ > marker_) {
      inText_ = true;
    } else {
      r.enterCode();
    }
  }

 private:
  // Whether the bytes from i, after "..", make a comment of it.
  static bool isComment(const exactReferee& r, size_t i) {
    const size_t n = r.length();
    if (i == n || isLineEnd(r.at(i))) return true;
    if (!isBlankByte(r.at(i))) return false;
    const size_t limit = i + kMaxExplicitMarkupLookahead;
    size_t k = i;
    while (k < n && k < limit && isBlankByte(r.at(k))) ++k;
    if (k == n || k == limit) return true;
    const unsigned char first = r.at(k);
    if (first == '_' || first == '[' || first == '|') return false;
    for (; k < n && k < limit; ++k) {
      const bool endsName = k + 2 == n || (k + 2 < n && (isBlankByte(r.at(k + 2)) ||
                                                          isLineEnd(r.at(k + 2))));
      if (r.at(k) == ':' && k + 1 < n && r.at(k + 1) == ':' && endsName) return false;
      if (!isDirectiveNameByte(r.at(k))) return true;
    }
    return true;
  }

  void startLine() {
    inText_ = false;
    column_ = 0;
  }

  bool inText_ = true;
  int64_t marker_ = 0;
  int64_t column_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_EXPLICIT_COMMENTS_REFEREE_H_
