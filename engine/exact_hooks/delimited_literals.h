#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// The bodies of a quote-like literal, from its opening delimiter on: each a
// literal up to the closing delimiter that no backslash escapes, brackets
// nesting. A second body opens with the delimiter that closed the first, or
// after a bracketed first one with blanks and a delimiter of its own. The
// letters after the last are flags, code.
struct delimitedBodies {
  void start(unsigned char opener, int bodies) {
    open_ = opener;
    close_ = closingDelimiterOf(opener);
    depth_ = 0;
    left_ = bodies;
    between_ = false;
  }

  // Takes bytes from p; sets *done after the flags, or when no second body
  // follows (at p, which is code).
  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end, bool* done) {
    if (left_ == 0) {
      if (!isAsciiLetter(*p)) {
        *done = true;
        return p;
      }
      m.frame.code(false);
      return p + 1;
    }
    if (between_) {
      if (isSpaceByte(*p)) {
        m.frame.literal(p, p + 1);
        return p + 1;
      }
      if (*p == '#' || !isQuoteDelimiter(*p)) {
        *done = true;
        return p;
      }
      m.frame.literal(p, p + 1);
      start(*p, left_);
      return p + 1;
    }
    for (;;) {
      const unsigned char* q = p;
      while (q < end && *q != close_ && *q != open_ && *q != '\\') ++q;
      m.frame.literal(p, q);
      if (q == end) return q;
      p = q;
      if (*p == '\\') {
        if (p + 1 == end) {
          if (!m.atContentEnd()) return waitAt(p);
          m.frame.literal(p, end);
          return end;
        }
        m.frame.literal(p, p + 2);
        p += 2;
        continue;
      }
      m.frame.literal(p, p + 1);
      if (*p++ != close_) {
        ++depth_;  // an opening bracket
        continue;
      }
      if (depth_ > 0) {
        --depth_;
        continue;
      }
      if (--left_ == 0) return p;  // the flags
      if (open_ != close_) {
        between_ = true;
        return p;
      }
    }
  }

 private:
  unsigned char open_ = 0;
  unsigned char close_ = 0;
  int64_t depth_ = 0;     // brackets open inside the body
  int left_ = 0;          // bodies to close
  bool between_ = false;  // after a bracketed body, before the next one
};

// Quote operators (quoteOperatorRule in exact_rules.h): q{...}, qw (a b),
// s/a/b/, tr[a][b]: the word and the bodies are a literal, blanks between
// them code.
template <>
struct machineHook<hook::quoteOperators> {
  static constexpr int kWordUpTo = static_cast<int>(kMaxQuoteWord);  // the longest word
  static constexpr hookToken tokens[] = {
      {"q", placement::tokenStart, kWordUpTo},
      {"m", placement::tokenStart, kWordUpTo},
      {"s", placement::tokenStart, kWordUpTo},
      {"t", placement::tokenStart, kWordUpTo},
      {"y", placement::tokenStart, kWordUpTo},
  };
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char*,
                  const unsigned char* end) {
    constexpr quoteOperatorRule rule = M::kRules.quoteOperators;
    if (!mayPrecedeQuoteWord(m.frame.previous(p))) return nullptr;
    // The word, and the byte after it.
    size_t n = 1;
    while (p + n < end && n <= kMaxQuoteWord && isLabelByte(p[n])) ++n;
    if (p + n + 1 >= end && !m.atContentEnd()) {
      return waitAt(p);
    }
    if (n > kMaxQuoteWord || p + n == end) return nullptr;
    const std::string_view word(reinterpret_cast<const char*>(p), n);
    const int bodies = isListed(rule.oneBody, word) ? 1 : isListed(rule.twoBodies, word) ? 2 : 0;
    const unsigned char after = p[n];
    if (bodies == 0 || (after == '=' && p + n + 1 < end && p[n + 1] == '>')) return nullptr;
    const bool blank = after == ' ' || after == '\t';
    if (!blank && !isQuoteDelimiter(after)) return nullptr;
    m.frame.literal(p, p + n);
    bodies_ = bodies;
    blanks_ = blank;
    if (!blank) {
      m.frame.literal(p + n, p + n + 1);  // "#" too: q#...#
      body_.start(after, bodies);
    }
    m.template enterHook<hook::quoteOperators>();
    return p + n + (blank ? 0 : 1);
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    if (blanks_) {
      if (*p == ' ' || *p == '\t') {
        m.frame.code(false);
        return p + 1;
      }
      // After blanks "#" opens a comment and "=>" quotes the word.
      if (*p == '=' && p + 1 == end && !m.atContentEnd()) return waitAt(p);
      if (*p == '#' || !isQuoteDelimiter(*p) || (*p == '=' && p + 1 < end && p[1] == '>')) {
        m.enterCode();
        return p;
      }
      m.frame.literal(p, p + 1);
      body_.start(*p, bodies_);
      blanks_ = false;
      return p + 1;
    }
    bool done = false;
    const stepResult taken = body_.resume(m, p, end, &done);
    if (done) m.enterCode();  // flags are code
    return taken;
  }

 private:
  delimitedBodies body_;
  int bodies_ = 1;
  bool blanks_ = false;  // between the word and the first delimiter
};

// Percent literals (percentLetters in exact_rules.h): "%", maybe a letter of
// the row's, and any delimiter open a literal where an operand is expected,
// as a regex would (regexRule); elsewhere "%" is an operator.
template <>
struct machineHook<hook::percentLiterals> {
  static constexpr hookToken tokens[] = {{"%"}};
  static constexpr hookNeeds needs = {.significantTokens = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char*,
                  const unsigned char* end) {
    constexpr exactRules rules = M::kRules;
    if (p + 2 >= end && !m.atContentEnd()) {
      return waitAt(p);
    }
    if (p + 1 == end) return nullptr;
    if (!opensLiteral(rules.regex, m.frame.tokens.before(p), m.frame.onlyBlanksBefore(p),
                      m.frame.previous(p), p[1])) {
      return nullptr;
    }
    const bool lettered = rules.percentLetters.find(static_cast<char>(p[1])) != std::string_view::npos;
    const unsigned char* delimiter = p + (lettered ? 2 : 1);
    if (delimiter == end || !isQuoteDelimiter(*delimiter)) return nullptr;
    m.frame.literal(p, delimiter + 1);
    body_.start(*delimiter, 1);
    m.template enterHook<hook::percentLiterals>();
    return delimiter + 1;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    bool done = false;
    const stepResult taken = body_.resume(m, p, end, &done);
    if (done) m.enterCode();
    return taken;
  }

 private:
  delimitedBodies body_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DELIMITED_LITERALS_H_
