#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_REFEREE_H_

// The referee of Kconfig's help texts (see help_texts.h), a byte at a time.

#include <cstdint>

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::helpTexts> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t next = r.position() + length;
    if (next == r.length() || !(isBlankByte(r.at(next)) || isLineEnd(r.at(next)))) return false;
    for (size_t k = 0; k < length; ++k) r.takeCode();
    bodyColumn_ = -1;
    step_ = phase::header;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (step_) {
      case phase::header:
        if (isBlankByte(c) || isLineEnd(c)) {
          r.takeCode();
          if (isLineEnd(c)) startLine();
        } else {
          r.enterCode();
        }
        return;
      case phase::indent:
        if (isLineEnd(c)) {
          r.takeLiteral(1);
          startLine();
        } else if (isBlankByte(c)) {
          r.takeLiteral(1);
          column_ = columnAfter(column_, c);
        } else if (bodyColumn_ < 0 && column_ > 0) {
          bodyColumn_ = column_;
          step_ = phase::body;
        } else if (bodyColumn_ >= 0 && column_ >= bodyColumn_) {
          step_ = phase::body;
        } else {
          r.enterCode();
        }
        return;
      case phase::body:
        r.takeLiteral(1);
        if (isLineEnd(c)) startLine();
        return;
    }
  }

 private:
  enum class phase { header, indent, body };

  void startLine() {
    step_ = phase::indent;
    column_ = 0;
  }

  phase step_ = phase::header;
  int64_t column_ = 0;
  int64_t bodyColumn_ = -1;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_REFEREE_H_
