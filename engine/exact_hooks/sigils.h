#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_H_

#include "engine/byte_search.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// Sigils: "~", a lowercase letter or a run of capitals, and a delimiter of
// kSigilOpeners open a literal closed by the same byte, or by the closing
// bracket, which does not nest; a backslash escapes the next byte. Quotes
// after the letters are left to the row's own strings ("~s\"...\"",
// "~S\"\"\"..."); "~" before anything else is code. Interpolations in the
// text are text.
template <>
struct machineHook<hook::sigils> {
  static constexpr hookToken tokens[] = {{"~"}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    const unsigned char* r = q;
    if (r < end && isLowerSigilLetter(*r)) {
      ++r;
    } else {
      while (r < end && isUpperSigilLetter(*r) && r - q < kMaxSigilLetters) ++r;
      if (r == q && r < end) return nullptr;
    }
    if (r == end) return m.atContentEnd() ? kDeclined : waitAt(p);
    closer_ = sigilCloser(*r);
    if (closer_ == 0) return nullptr;
    m.frame.literal(p, r + 1);
    m.template enterHook<hook::sigils>();
    return r + 1;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    for (;;) {
      p = m.frame.template literalRun<byteSet<'\\', '/', '|', ')', ']', '}', '>'>>(p, end);
      if (p == end) return p;
      if (*p == '\\') {
        if (p + 1 == end && !m.atContentEnd()) return waitAt(p);
        const unsigned char* escaped = p + 1 == end ? end : p + 2;
        m.frame.literal(p, escaped);
        p = escaped;
        continue;
      }
      m.frame.literal(p, p + 1);
      if (*p == closer_) {
        m.enterCode();
        return p + 1;
      }
      ++p;
    }
  }

 private:
  unsigned char closer_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_SIGILS_H_
