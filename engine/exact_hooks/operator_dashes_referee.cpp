// The referee of operators made of dashes (see operator_dashes.h).
#include "engine/exact_referee.h"

namespace quillstat {

namespace {

class operatorDashesStep : public hookReferee {
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

}  // namespace

std::unique_ptr<hookReferee> operatorDashesReferee() {
  return std::make_unique<operatorDashesStep>();
}

}  // namespace quillstat
