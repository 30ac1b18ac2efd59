// The referee of regular-expression literals (see regex_literals.h), a byte
// at a time.
#include "engine/exact_referee.h"

namespace quillstat {

namespace {

class regexLiteralsStep : public refereeHook {
 public:
  bool open(exactReferee& r, size_t length) override {
    const regexRule& rule = r.rules().regex;
    const size_t i = r.position();
    const significantToken before = r.significantBefore(i);
    if (!expectsOperand(before, rule.keywords)) {
      if (!rule.spacedArgument || i + 1 == r.length()) return false;
      const unsigned char previous = i > 0 ? r.at(i - 1) : 0;
      if (!isSpacedArgument(before, previous, r.at(i + 1))) return false;
    }
    r.takeLiteral(length);
    inClass_ = false;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    const regexRule& rule = r.rules().regex;
    const size_t i = r.position();
    if (isLineEnd(c) && !rule.spansLines) {
      r.enterCode();
    } else if (c == '\\') {
      const bool escapes = i + 1 < r.length() && (rule.spansLines || !isLineEnd(r.at(i + 1)));
      r.takeLiteral(escapes ? 2 : 1);
    } else if (c == '/' && !(rule.classes && inClass_)) {
      r.takeLiteral(1);
      r.enterCode();
    } else {
      if (rule.classes && c == '[') inClass_ = true;
      if (rule.classes && c == ']') inClass_ = false;
      r.takeLiteral(1);
    }
  }

 private:
  bool inClass_ = false;
};

}  // namespace

std::unique_ptr<refereeHook> regexLiteralsReferee() { return std::make_unique<regexLiteralsStep>(); }

}  // namespace quillstat
