#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// CSS's url(...): after "url(" (any case, no name byte before it) and
// blanks, a quote leaves the string to the row's literals; anything else
// makes the rest, up to ")", one literal token in which "//" and "/*" open
// nothing. A backslash takes the next byte; a line end ends the token, as a
// missing ")" does for the compilers.
template <>
struct machineHook<hook::unquotedUrls> {
  static constexpr hookToken tokens[] = {{"("}};
  static constexpr hookNeeds needs = {.tokenRuns = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    if (!isUrlName(m.runBefore(p))) return nullptr;
    m.frame.code(false);
    step_ = step::blanks;
    m.template enterHook<hook::unquotedUrls>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    if (step_ == step::blanks) {
      if (isBlankByte(*p)) {
        m.frame.code(false);
        return p + 1;
      }
      if (*p == '"' || *p == '\'' || isLineEnd(*p)) {
        m.enterCode();
        return p;
      }
      step_ = step::url;
    }
    p = m.frame.template literalRun<byteSet<')', '\\', '\r', '\n'>>(p, end);
    if (p == end) return p;
    if (isLineEnd(*p)) {
      m.enterCode();
      return p;
    }
    if (*p == '\\') {
      if (p + 1 == end && !m.atContentEnd()) return waitAt(p);
      const unsigned char* q = p + 1 == end || isLineEnd(p[1]) ? p + 1 : p + 2;
      m.frame.literal(p, q);
      return q;
    }
    m.frame.literal(p, p + 1);
    m.enterCode();
    return p + 1;
  }

 private:
  enum class step : uint8_t { blanks, url };
  step step_ = step::blanks;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_UNQUOTED_URLS_H_
