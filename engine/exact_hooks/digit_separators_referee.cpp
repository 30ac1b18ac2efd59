// The referee of digit separators (see digit_separators.h).
#include "engine/exact_referee.h"

namespace quillstat {

namespace {

class digitSeparatorsStep : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    if (!isNumberRun(r.runBefore(r.position()))) return false;
    r.takeCode();
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine
};

}  // namespace

std::unique_ptr<hookReferee> digitSeparatorsReferee() {
  return std::make_unique<digitSeparatorsStep>();
}

}  // namespace quillstat
