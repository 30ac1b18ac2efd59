#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_H_

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// A single quote opens the row's character literal only where one follows:
// an escape, or one character and the closing quote ('a', '\n', 'é'). Any
// other quote is code: Rust's lifetimes and labels ('a, 'outer:), Scala's
// symbols ('sym).
template <>
struct machineHook<hook::characterLiterals> {
  static constexpr hookToken tokens[] = {{"'"}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    if (q == end) return m.atContentEnd() ? goOn(code(m, q)) : wait(m, p);
    if (*q == '\\') return nullptr;
    if (isLineEnd(*q)) return code(m, q);
    const unsigned char* after = q + 1;
    for (int k = 1; k < characterLength(*q); ++k, ++after) {
      if (after == end || !isContinuation(*after)) break;
    }
    if (after == end) return m.atContentEnd() ? goOn(code(m, q)) : wait(m, p);
    return *after == '\'' ? kDeclined : goOn(code(m, q));
  }

  template <class M>
  stepResult resume(M&, const unsigned char* p, const unsigned char*) {
    return p;  // not reached: the hook takes its token at once
  }

 private:
  template <class M>
  static const unsigned char* code(M& m, const unsigned char* q) {
    m.frame.code(false);
    return q;
  }
  // The bytes to come decide.
  template <class M>
  static stepResult wait(M&, const unsigned char* p) {
    return waitAt(p);
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_CHARACTER_LITERALS_H_
