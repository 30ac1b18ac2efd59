#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// Regular-expression literals (regexRule in exact_rules.h): a "/" where an
// operand is expected opens one, as a literal up to the next "/" that no
// backslash escapes (nor, with `classes`, a [...] holds); the letters after
// it are its flags, code. Elsewhere the "/" is division, plain code.
template <>
struct machineHook<hook::regexLiterals> {
  static constexpr hookToken tokens[] = {{"/"}};
  static constexpr hookNeeds needs = {.significantTokens = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    constexpr regexRule rule = M::kRules.regex;
    if (rule.spacedArgument && q == end && !m.atContentEnd()) {
      return waitAt(p);  // the byte after the "/" decides
    }
    if (!opensLiteral(rule, m.frame.tokens.before(p), m.frame.onlyBlanksBefore(p),
                      m.frame.previous(p), q < end ? *q : ' ')) {
      return nullptr;
    }
    m.frame.literal(p, q);
    inClass_ = false;
    flags_ = false;
    m.template enterHook<hook::regexLiterals>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    constexpr regexRule rule = M::kRules.regex;
    using stops = byteSetOf<bodyStopsOf(rule)>;
    if (flags_) {
      if (!isAsciiLetter(*p)) {
        m.enterCode();
        return p;
      }
      m.frame.code(false);
      return p + 1;
    }
    for (;;) {
      p = m.frame.template literalRun<stops>(p, end);
      if (p == end) return p;
      if (isLineEnd(*p)) {
        m.enterCode();  // unclosed at its line's end: the line end is code
        return p;
      }
      if (*p == '\\') {
        if (p + 1 == end) {
          if (!m.atContentEnd()) return waitAt(p);
          m.frame.literal(p, end);
          return end;
        }
        // An escaped line end still ends a regex that spans no lines.
        const bool escapes = rule.spansLines || !isLineEnd(p[1]);
        m.frame.literal(p, p + (escapes ? 2 : 1));
        p += escapes ? 2 : 1;
        continue;
      }
      if (*p == '/' && !inClass_) {
        m.frame.literal(p, p + 1);
        flags_ = true;
        return p + 1;
      }
      if (*p == '[') inClass_ = true;
      if (*p == ']') inClass_ = false;
      m.frame.literal(p, p + 1);
      ++p;
    }
  }

 private:
  static constexpr byteList bodyStopsOf(const regexRule& rule) {
    byteList stops;
    stops.add("/\\");
    if (rule.classes) stops.add("[]");
    if (!rule.spansLines) stops.add("\r\n");
    return stops;
  }

  bool inClass_ = false;  // inside [...]
  bool flags_ = false;    // after the closing "/"
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_REGEX_LITERALS_H_
