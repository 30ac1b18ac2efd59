#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_REFEREE_H_

// The referees of quote operators and percent literals (see
// delimited_literals.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

// The bodies from the opening delimiter on, then the flags; done() once the
// flags ended, or no second body came.
class refereeBodySteps {
 public:
  void start(unsigned char opener, int bodies) {
    open_ = opener;
    close_ = closingDelimiterOf(opener);
    depth_ = 0;
    left_ = bodies;
    between_ = false;
    done_ = false;
  }
  bool done() const { return done_; }

  void step(exactReferee& r, unsigned char c) {
    if (left_ == 0) {
      if (isAsciiLetter(c)) {
        r.takeCode();
      } else {
        done_ = true;
      }
      return;
    }
    if (between_) {
      if (isSpaceByte(c)) {
        r.takeLiteral(1);
      } else if (c == '#' || !isQuoteDelimiter(c)) {
        done_ = true;
      } else {
        r.takeLiteral(1);
        start(c, left_);
      }
      return;
    }
    if (c == '\\') {
      r.takeLiteral(r.position() + 1 < r.length() ? 2 : 1);
      return;
    }
    r.takeLiteral(1);
    if (c == close_ && depth_ > 0) {
      --depth_;
    } else if (c == close_) {
      --left_;
      between_ = left_ > 0 && open_ != close_;
    } else if (c == open_) {
      ++depth_;
    }
  }

 private:
  unsigned char open_ = 0;
  unsigned char close_ = 0;
  int64_t depth_ = 0;
  int left_ = 0;
  bool between_ = false;
  bool done_ = false;
};

template <>
class hookRefereeOf<hook::quoteOperators> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    const quoteOperatorRule& rule = r.rules().quoteOperators;
    const size_t i = r.position();
    if (i > 0 && !mayPrecedeQuoteWord(r.at(i - 1))) return false;
    size_t n = 1;
    while (i + n < r.length() && isLabelByte(r.at(i + n))) ++n;
    if (n > kMaxQuoteWord || i + n == r.length()) return false;
    std::string word;
    for (size_t k = 0; k < n; ++k) word += static_cast<char>(r.at(i + k));
    const int bodies = isListed(rule.oneBody, word) ? 1 : isListed(rule.twoBodies, word) ? 2 : 0;
    const unsigned char after = r.at(i + n);
    if (bodies == 0 || (after == '=' && i + n + 1 < r.length() && r.at(i + n + 1) == '>')) {
      return false;
    }
    const bool blank = after == ' ' || after == '\t';
    if (!blank && !isQuoteDelimiter(after)) return false;
    r.takeLiteral(n);
    bodies_ = bodies;
    blanks_ = blank;
    if (!blank) {
      r.takeLiteral(1);
      body_.start(after, bodies);
    }
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (!blanks_) {
      body_.step(r, c);
      if (body_.done()) r.enterCode();
      return;
    }
    const size_t i = r.position();
    if (c == ' ' || c == '\t') {
      r.takeCode();
    } else if (c == '#' || !isQuoteDelimiter(c) ||
               (c == '=' && i + 1 < r.length() && r.at(i + 1) == '>')) {
      r.enterCode();
    } else {
      r.takeLiteral(1);
      body_.start(c, bodies_);
      blanks_ = false;
    }
  }

 private:
  refereeBodySteps body_;
  int bodies_ = 1;
  bool blanks_ = false;
};

template <>
class hookRefereeOf<hook::percentLiterals> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    const exactRules& rules = r.rules();
    const size_t i = r.position();
    if (i + 1 == r.length()) return false;
    const unsigned char previous = i > 0 ? r.at(i - 1) : 0;
    if (!opensLiteral(rules.regex, r.significantBefore(i), r.firstOnLine(i), previous,
                      r.at(i + 1))) {
      return false;
    }
    const bool lettered =
        rules.percentLetters.find(static_cast<char>(r.at(i + 1))) != std::string_view::npos;
    const size_t delimiter = i + (lettered ? 2 : 1);
    if (delimiter == r.length() || !isQuoteDelimiter(r.at(delimiter))) return false;
    r.takeLiteral(delimiter + 1 - i);
    body_.start(r.at(delimiter), 1);
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    body_.step(r, c);
    if (body_.done()) r.enterCode();
  }

 private:
  refereeBodySteps body_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_REFEREE_H_
