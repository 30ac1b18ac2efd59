#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// Docstrings: a string that stands first on its line, where no code stands
// before it in the content or the last code line before it ends with ":"
// (comment lines and blank lines aside), is a comment from its opener to
// its closer. A prefix of kDocstringPrefixes may stand before its opener
// and stays code. The hook follows the ends of code lines ("\n", "\r") and
// of the code before a "#", which it declines, to know how the last code
// line ended.
template <>
struct machineHook<hook::docstrings> {
  static constexpr bool needsTokenRuns = true;

  template <class M>
  const unsigned char* open(M& m, const unsigned char* p, const unsigned char* q,
                            const unsigned char*) {
    if (*p == '\n' || *p == '\r' || *p == '#') {
      const int last = m.frame.lastNonBlankBefore(p);
      if (last >= 0) awaiting_ = last == kBlockHeaderEnd;
      if (*p == '#') return nullptr;  // the row's comment opens
      m.frame.code(false);
      return q;
    }
    if (!awaiting_) return nullptr;
    const tokenRun run = m.runBefore(p);
    if (!run.startsLine || (run.length > 0 && !runIsOneOf(run, kDocstringPrefixes))) {
      return nullptr;
    }
    constexpr int kTripleDouble = M::literalOpenedBy("\"\"\"");
    constexpr int kTripleSingle = M::literalOpenedBy("'''");
    constexpr int kDouble = M::literalOpenedBy("\"");
    constexpr int kSingle = M::literalOpenedBy("'");
    const int rule = q - p == 3 ? (*p == '"' ? kTripleDouble : kTripleSingle)
                                : (*p == '"' ? kDouble : kSingle);
    if (rule < 0) return nullptr;
    m.frame.openComment(p);
    m.frame.marker(p, q);
    m.enterCommentLiteral(rule);
    return q;
  }

  template <class M>
  const unsigned char* resume(M&, const unsigned char* p, const unsigned char*) {
    return p;  // not reached: the machine reads the docstring
  }

 private:
  // Set at the content's start: no code stands before.
  bool awaiting_ = true;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_
