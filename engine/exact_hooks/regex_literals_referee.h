#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_REFEREE_H_

// The referee of regular-expression literals (see regex_literals.h), a byte
// at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::regexLiterals> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t i = r.position();
    const unsigned char previous = i > 0 ? r.at(i - 1) : 0;
    const unsigned char next = i + 1 < r.length() ? r.at(i + 1) : ' ';
    if (!opensLiteral(r.rules().regex, r.significantBefore(i), r.firstOnLine(i), previous, next)) {
      return false;
    }
    r.takeLiteral(length);
    inClass_ = false;
    flags_ = false;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    const regexRule& rule = r.rules().regex;
    const size_t i = r.position();
    if (flags_) {
      if (isAsciiLetter(c)) {
        r.takeCode();
      } else {
        r.enterCode();
      }
    } else if (isLineEnd(c) && !rule.spansLines) {
      r.enterCode();
    } else if (c == '\\') {
      const bool escapes = i + 1 < r.length() && (rule.spansLines || !isLineEnd(r.at(i + 1)));
      r.takeLiteral(escapes ? 2 : 1);
    } else if (c == '/' && !(rule.classes && inClass_)) {
      r.takeLiteral(1);
      flags_ = true;
    } else {
      if (rule.classes && c == '[') inClass_ = true;
      if (rule.classes && c == ']') inClass_ = false;
      r.takeLiteral(1);
    }
  }

 private:
  bool inClass_ = false;
  bool flags_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_REFEREE_H_
