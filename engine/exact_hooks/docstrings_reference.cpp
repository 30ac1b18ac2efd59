// The referee of docstrings (see docstrings.h), a byte at a time.
#include "engine/exact_referee.h"

namespace quillstat {

namespace {

class docstringsStep : public refereeHook {
 public:
  bool open(exactReferee& r, size_t length) override {
    const unsigned char c = r.at(r.position());
    if (c == '\n' || c == '\r' || c == '#') {
      const int last = r.lastNonBlankBefore(r.position());
      if (last >= 0) awaiting_ = last == kBlockHeaderEnd;
      if (c == '#') return false;
      r.takeCode();
      return true;
    }
    const tokenRun run = r.runBefore(r.position());
    if (!awaiting_ || !run.startsLine ||
        (run.length > 0 && !r.prefixStands(kDocstringPrefixes))) {
      return false;
    }
    const std::string opener(length, static_cast<char>(c));
    const size_t rule = r.literalOpenedBy(opener);
    if (r.rules().literals[rule].opener != opener) return false;
    r.takeMarker(length);
    r.enterCommentLiteral(rule);
    return true;
  }
  void step(exactReferee&, unsigned char) override {}  // never handed the machine

 private:
  bool awaiting_ = true;
};

}  // namespace

std::unique_ptr<refereeHook> docstringsReferee() { return std::make_unique<docstringsStep>(); }

}  // namespace quillstat
