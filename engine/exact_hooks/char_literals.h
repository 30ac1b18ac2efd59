#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_CHAR_LITERALS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_CHAR_LITERALS_H_

#include "engine/exact_hook_rules.h"

namespace quillstat {

// A quote at a token's start opens a character literal only where the
// literal closes at once (exact_hook_rules.h says what it may hold): 'c',
// '\'', 'λ'. Anywhere else the quote is plain code: Haskell's 'Name and
// ''Type, OCaml's type variable 'a. After a word byte the quote is no token
// at all: a prime, x'.
template <>
struct machineHook<hook::charLiterals> {
  static constexpr bool needsTokenRuns = false;

  template <class M>
  const unsigned char* open(M& m, const unsigned char* p, const unsigned char* q,
                            const unsigned char* end) {
    const unsigned char* close = closingQuote(q, end);
    if (close == end) {
      if (m.atContentEnd()) return nullptr;
      return m.waitAt(p);
    }
    if (close == nullptr) return nullptr;
    m.frame.literal(p, close + 1);
    return close + 1;
  }

  template <class M>
  const unsigned char* resume(M&, const unsigned char* p, const unsigned char*) {
    return p;  // not reached: the hook takes its literal at once
  }

 private:
  // The quote that closes a character literal whose text starts at q;
  // nullptr where none does, end where the bytes before end do not tell.
  static const unsigned char* closingQuote(const unsigned char* q, const unsigned char* end) {
    if (q == end) return end;
    const unsigned char* r = q + 1;
    if (*q == '\\') {
      if (r == end) return end;
      if (isLineEnd(*r)) return nullptr;
      for (++r; r <= q + kMaxCharEscape; ++r) {
        if (r == end) return end;
        if (*r == '\'') return r;
        if (isLineEnd(*r)) return nullptr;
      }
    } else if (startsCharText(*q)) {
      for (; r <= q + kMaxCharContinuations && r < end && isUtf8Continuation(*r); ++r) {
      }
      if (r == end) return end;
      if (*r == '\'') return r;
    }
    return nullptr;
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_CHAR_LITERALS_H_
