#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_REFEREE_H_

// The referee of CSS's unquoted urls (see unquoted_urls.h), a byte at a
// time.

#include "engine/exact_referee.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::unquotedUrls> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    if (!isUrlName(r.runBefore(r.position()))) return false;
    r.takeCode();
    inUrl_ = false;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (!inUrl_ && isBlankByte(c)) {
      r.takeCode();
    } else if (isLineEnd(c) || (!inUrl_ && (c == '"' || c == '\''))) {
      r.enterCode();
    } else if (c == '\\') {
      const size_t next = r.position() + 1;
      r.takeLiteral(next < r.length() && !isLineEnd(r.at(next)) ? 2 : 1);
      inUrl_ = true;
    } else {
      r.takeLiteral(1);
      inUrl_ = true;
      if (c == ')') r.enterCode();
    }
  }

 private:
  bool inUrl_ = false;  // past the blanks after "("
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_REFEREE_H_
