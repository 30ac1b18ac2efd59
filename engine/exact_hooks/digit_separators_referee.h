#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_REFEREE_H_

// The referee of digit separators (see digit_separators.h).

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::digitSeparators> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    if (!isNumberRun(r.runBefore(r.position()))) return false;
    r.takeCode();
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_REFEREE_H_
