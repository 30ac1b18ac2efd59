#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_H_

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// "--" that is part of an operator is code: after a symbol byte (|--), or
// where the run of dashes it starts is followed by one (-->, --->). Else
// the hook declines, and the row's "--" opens its line comment. A run of
// kMaxLookahead dashes or more opens the comment whatever follows it.
template <>
struct machineHook<hook::operatorDashes> {
  static constexpr hookToken tokens[] = {{"--"}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    if (!isOperatorSymbol(m.frame.previous(p))) {
      for (q = p; *q == '-'; ) {
        if (static_cast<size_t>(++q - p) == kMaxLookahead) return nullptr;
        if (q == end) return m.atContentEnd() ? kDeclined : waitAt(p);
      }
      if (!isOperatorSymbol(*q)) return nullptr;
    }
    for (; p < q; ++p) m.frame.code(false);
    return q;
  }

  template <class M>
  stepResult resume(M&, const unsigned char* p, const unsigned char*) {
    return p;  // not reached: the hook takes its operator at once
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_OPERATOR_DASHES_H_
