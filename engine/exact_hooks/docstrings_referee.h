#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_REFEREE_H_

// The referee of docstrings (see docstrings.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::docstrings> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t i = r.position();
    if (r.at(i) == kBlockHeaderEnd) {
      r.takeCode();
      phase_ = phase::header;
      r.enterHook(this);
      return true;
    }
    if (!atContentStart_) return false;
    atContentStart_ = false;
    size_t start = i;
    while (start > 0 && isTokenByte(r.at(start - 1))) --start;
    const bool prefixOnly = start == i || (start + 1 == i && isDocstringPrefix(r.at(start)));
    if (!prefixOnly || r.lastNonBlankBefore(start) >= 0 || r.codeLinesEnded() != 0) return false;
    openDocstring(r, length);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (phase_) {
      case phase::header:
        if (isBlank(c)) {
          r.takeCode();
        } else if (isLineEnd(c) || c == kHeaderComment) {
          phase_ = phase::body;
        } else {
          r.enterCode();
        }
        return;
      case phase::body:
        if (isBlank(c) || isLineEnd(c)) {
          r.takeCode();
        } else if (c == kHeaderComment) {
          r.takeMarker(1);
          phase_ = phase::comment;
        } else if (size_t quotes = quotesAt(r, r.position() + (isDocstringPrefix(c) ? 1 : 0))) {
          if (isDocstringPrefix(c)) r.takeCode();
          openDocstring(r, quotes);
        } else {
          r.enterCode();
        }
        return;
      case phase::comment:
        if (isLineEnd(c)) {
          r.takeCommentEnd();
          phase_ = phase::body;
        } else {
          r.takeComment(1);
        }
        return;
    }
  }

 private:
  static bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

  enum class phase { header, body, comment };

  // The quotes of a docstring's opener at i: three, one, or none.
  static size_t quotesAt(const exactReferee& r, size_t i) {
    if (i >= r.length() || (r.at(i) != '"' && r.at(i) != '\'')) return 0;
    const bool three = i + 2 < r.length() && r.at(i + 1) == r.at(i) && r.at(i + 2) == r.at(i);
    return three ? 3 : 1;
  }

  static void openDocstring(exactReferee& r, size_t quotes) {
    const std::string opener(quotes, static_cast<char>(r.at(r.position())));
    const size_t rule = r.literalOpenedBy(opener);
    r.takeMarker(quotes, true);
    r.enterCommentLiteral(rule);
  }

  phase phase_ = phase::header;
  bool atContentStart_ = true;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_REFEREE_H_
