#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_H_

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// An apostrophe after a number is a digit separator, plain code
// (1'000'000); after anything else the row's character literal opens.
template <>
struct machineHook<hook::digitSeparators> {
  static constexpr hookToken tokens[] = {{"'"}};
  static constexpr hookNeeds needs = {.tokenRuns = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    if (!isNumberRun(m.runBefore(p))) return nullptr;
    m.frame.code(false);
    return q;
  }

  template <class M>
  stepResult resume(M&, const unsigned char* p, const unsigned char*) {
    return p;  // not reached: the hook takes its token at once
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DIGIT_SEPARATORS_H_
