#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_REFEREE_H_

// The referee of make's references and function calls (see
// make_references.h), a byte at a time.

#include "engine/exact_referee.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::makeReferences> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    opening_ = r.at(r.position() + length - 1);
    depth_ = 1;
    previous_ = 0;
    r.takeLiteral(length);
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    // A line end goes on only right after a backslash, or as the LF of a
    // CR LF that came right after one.
    if (isLineEnd(c) && previous_ != '\\' && !(previous_ == '\r' && c == '\n' && spliced_)) {
      r.enterCode();
      return;
    }
    spliced_ = isLineEnd(c) && previous_ == '\\';
    previous_ = c;
    r.takeLiteral(1);
    const unsigned char closing = opening_ == '(' ? ')' : '}';
    if (c == opening_) {
      ++depth_;
    } else if (c == closing && --depth_ == 0) {
      r.enterCode();
    }
  }

 private:
  unsigned char opening_ = '(';
  int64_t depth_ = 0;
  unsigned char previous_ = 0;  // the last byte taken inside the reference
  bool spliced_ = false;        // that byte was a line end right after a backslash
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_REFEREE_H_
