#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// C's "#" at a line's start: the directive's line is code, but in
// "#include <...>" the header name is a literal, so "//" in it opens no
// comment. Line splices may stand anywhere in the line.
template <>
struct machineHook<hook::cDirectives> {
  // Only blanks and "include" (or a splice) after the "#" make it more than
  // code: the bytes that may follow it are the blanks and "include"'s first.
  static constexpr std::array<char, 5> kFollows = [] {
    std::array<char, 5> follows{};
    size_t n = 0;
    for (unsigned c = 0; c < 256; ++c) {
      if (isBlankByte(static_cast<unsigned char>(c))) follows[n++] = static_cast<char>(c);
    }
    follows[n++] = kIncludeName[0];
    return n == follows.size() ? follows : throw "the blanks are no longer four";
  }();
  static constexpr hookToken tokens[] = {
      {"#", placement::lineStart, 0, std::string_view(kFollows.data(), kFollows.size())}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    matched_ = 0;
    step_ = step::name;
    m.template enterHook<hook::cDirectives>();
    return directive(m, p, q, end);  // the "#" is code, as the name after it
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    if (step_ == step::headerName) return headerName(m, p, end);
    return directive(m, p, p, end);
  }

 private:
  enum class step : uint8_t {
    name,         // after the "#": blanks, then maybe "include"
    includeLine,  // after "#include": a "<" opens the header name
    headerName,
  };

  // The directive's bytes from p; those of [run, p) are code not yet told
  // to the frame, which takes them in one piece.
  template <class M>
  stepResult directive(M& m, const unsigned char* run, const unsigned char* p,
                       const unsigned char* end) {
    while (p < end) {
      const matchResult splice = m.spliceAt(p, end);
      if (splice == matchResult::yes) {
        p += 2;
        continue;
      }
      if (splice == matchResult::needMore) {
        m.frame.code(run, p);
        return waitAt(p);
      }
      if (step_ == step::name && matched_ == 0 && isBlankByte(*p)) {
        ++p;
      } else if (step_ == step::name && *p == static_cast<unsigned char>(kIncludeName[matched_])) {
        ++p;
        if (++matched_ == kIncludeLength) step_ = step::includeLine;
      } else if (step_ == step::includeLine && staysInIncludeLine(*p)) {
        ++p;  // blanks and the rest of a longer name ("include_next")
      } else if (step_ == step::includeLine && *p == '<') {
        m.frame.code(run, p);
        m.frame.literal(p, p + 1);
        step_ = step::headerName;
        return headerName(m, p + 1, end);
      } else {
        m.frame.code(run, p);
        m.enterCode();  // another directive: its line is code like any other
        return p;
      }
    }
    m.frame.code(run, p);
    return p;
  }

  template <class M>
  stepResult headerName(M& m, const unsigned char* p, const unsigned char* end) {
    using stops = byteSet<'>', '\r', '\n', '\\'>;
    for (;;) {
      p = m.frame.template literalRun<stops>(p, end);
      if (p == end) return p;
      if (*p == '\\') {
        const matchResult splice = m.spliceAt(p, end);
        if (splice == matchResult::needMore) return waitAt(p);
        const int taken = splice == matchResult::yes ? 2 : 1;
        m.frame.literal(p, p + taken);
        p += taken;
        continue;
      }
      m.enterCode();
      if (*p != '>') return p;  // the line end is code
      m.frame.literal(p, p + 1);
      return p + 1;
    }
  }

  step step_ = step::name;
  int matched_ = 0;  // letters of "include"
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_C_DIRECTIVES_H_
