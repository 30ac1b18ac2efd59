#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// make's variable references and function calls, $(...) and ${...}: one
// literal token up to the bracket that closes it, brackets of its kind
// nesting, in which "#" opens no comment (GNU make 4.3 on):
// $(shell sed 's#a#b#' f). A backslash before a line end continues it; any
// other line end ends it, as make's error for a missing bracket does.
template <>
struct machineHook<hook::makeReferences> {
  static constexpr hookToken tokens[] = {{"$("}, {"${"}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    opening_ = q[-1];
    depth_ = 1;
    after_ = after::text;
    m.frame.literal(p, q);
    m.template enterHook<hook::makeReferences>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    using stops = byteSet<'(', ')', '{', '}', '\\', '\r', '\n'>;
    const unsigned char* stop = m.frame.template literalRun<stops>(p, end);
    if (stop != p) after_ = after::text;
    if (stop == end) return stop;
    if (isLineEnd(*stop)) {
      const bool continued =
          after_ == after::backslash || (after_ == after::splicedCr && *stop == '\n');
      if (!continued) {
        m.enterCode();  // the machine takes the line end as code
        return stop;
      }
      after_ = *stop == '\r' ? after::splicedCr : after::text;
    } else {
      after_ = *stop == '\\' ? after::backslash : after::text;
    }
    m.frame.literal(stop, stop + 1);
    if (*stop == opening_) {
      ++depth_;
    } else if (*stop == closingOf(opening_) && --depth_ == 0) {
      m.enterCode();
    }
    return stop + 1;
  }

 private:
  // What the last byte taken was, for a line end: a splice's backslash, or
  // the CR of a spliced CR LF.
  enum class after : uint8_t { text, backslash, splicedCr };

  static unsigned char closingOf(unsigned char opening) { return opening == '(' ? ')' : '}'; }

  unsigned char opening_ = '(';
  int64_t depth_ = 0;
  after after_ = after::text;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_MAKE_REFERENCES_H_
