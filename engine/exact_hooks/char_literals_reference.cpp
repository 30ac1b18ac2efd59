// The referee of character literals (see char_literals.h), with the whole
// content at hand.
#include "engine/exact_referee.h"

namespace quillstat {

namespace {

class charLiteralsStep : public refereeHook {
 public:
  bool open(exactReferee& r, size_t) override {
    const size_t text = r.position() + 1;
    const size_t close = closingQuote(r, text);
    if (close == 0) return false;
    r.takeLiteral(close + 1 - r.position());
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine

 private:
  // The place of the quote that closes a literal whose text starts at
  // `text`, or 0.
  static size_t closingQuote(const exactReferee& r, size_t text) {
    auto at = [&r](size_t i) { return i < r.length() ? r.at(i) : static_cast<unsigned char>('\n'); };
    if (at(text) == '\\') {
      if (isLineEnd(at(text + 1))) return 0;
      for (size_t i = text + 2; i <= text + kMaxCharEscape; ++i) {
        if (at(i) == '\'') return i;
        if (isLineEnd(at(i))) return 0;
      }
      return 0;
    }
    if (!startsCharText(at(text))) return 0;
    size_t i = text + 1;
    while (i <= text + kMaxCharContinuations && isUtf8Continuation(at(i))) ++i;
    return at(i) == '\'' ? i : 0;
  }
};

}  // namespace

std::unique_ptr<refereeHook> charLiteralsReferee() { return std::make_unique<charLiteralsStep>(); }

}  // namespace quillstat
