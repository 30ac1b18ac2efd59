#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_REFEREE_H_

// The referee of C's directives (see c_directives.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::cDirectives> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    r.takeCode();
    matched_ = 0;
    step_ = phase::name;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (step_ == phase::headerName) {
      if (r.isSpliceAt(r.position())) {
        r.takeLiteral(2);
      } else if (isLineEnd(c)) {
        r.enterCode();
      } else {
        r.takeLiteral(1);
        if (c == '>') r.enterCode();
      }
    } else if (r.isSpliceAt(r.position())) {
      r.takeCode();
      r.takeCode();
    } else if (step_ == phase::name && matched_ == 0 && isBlankByte(c)) {
      r.takeCode();
    } else if (step_ == phase::name && c == static_cast<unsigned char>(kIncludeName[matched_])) {
      r.takeCode();
      if (++matched_ == kIncludeLength) step_ = phase::includeLine;
    } else if (step_ == phase::includeLine && staysInIncludeLine(c)) {
      r.takeCode();
    } else if (step_ == phase::includeLine && c == '<') {
      r.takeLiteral(1);
      step_ = phase::headerName;
    } else {
      r.enterCode();
    }
  }

 private:
  enum class phase { name, includeLine, headerName };
  phase step_ = phase::name;
  int matched_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_REFEREE_H_
