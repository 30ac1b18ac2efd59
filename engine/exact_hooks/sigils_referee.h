#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_REFEREE_H_

// The referee of sigils (see sigils.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::sigils> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    size_t j = r.position() + length;
    if (j < r.length() && isLowerSigilLetter(r.at(j))) {
      ++j;
    } else {
      const size_t letters = j;
      while (j < r.length() && isUpperSigilLetter(r.at(j)) &&
             j - letters < static_cast<size_t>(kMaxSigilLetters)) {
        ++j;
      }
      if (j == letters) return false;
    }
    if (j == r.length()) return false;
    closer_ = sigilCloser(r.at(j));
    if (closer_ == 0) return false;
    r.takeLiteral(j + 1 - r.position());
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (c == '\\') {
      r.takeLiteral(r.position() + 1 < r.length() ? 2 : 1);
      return;
    }
    r.takeLiteral(1);
    if (c == closer_) r.enterCode();
  }

 private:
  unsigned char closer_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_REFEREE_H_
