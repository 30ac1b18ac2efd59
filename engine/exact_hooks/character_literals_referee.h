#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_REFEREE_H_

// The referee of character literals (see character_literals.h).

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::characterLiterals> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    const size_t i = r.position() + 1;
    if (i < r.length() && r.at(i) == '\\') return false;  // an escape: a character literal
    if (i < r.length() && !isLineEnd(r.at(i))) {
      size_t after = i + 1;
      while (after < r.length() && after - i < static_cast<size_t>(characterLength(r.at(i))) &&
             isContinuation(r.at(after))) {
        ++after;
      }
      if (after < r.length() && r.at(after) == '\'') return false;  // one character, quoted
    }
    r.takeCode();
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_REFEREE_H_
