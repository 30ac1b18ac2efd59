#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_REFEREE_H_

// The referee of operators made of dashes (see operator_dashes.h).

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::operatorDashes> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t i = r.position();
    if (i == 0 || !isOperatorSymbol(r.at(i - 1))) {
      size_t dashes = 0;
      while (i + dashes < r.length() && r.at(i + dashes) == '-') ++dashes;
      if (dashes >= kMaxLookahead || i + dashes == r.length() ||
          !isOperatorSymbol(r.at(i + dashes))) {
        return false;  // a comment
      }
      length = dashes;
    }
    for (size_t k = 0; k < length; ++k) r.takeCode();
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_REFEREE_H_
