#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_

#include <cstdint>

#include "engine/byte_search.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"
#include "engine/line_counter.h"

namespace quillstat {

// Docstrings: the string that stands first on its line where no code line
// ended before it in the content, or first after a block's header (a line
// whose code ends with ":", kBlockHeaderEnd, blanks and a comment aside),
// blank and comment lines between, is a doc comment from its opener to its
// closer. A prefix (isDocstringPrefix) may stand before the opener and
// stays code. After a header the hook reads the lines itself up to the
// first byte of code, its "#" comments (kHeaderComment) included; at the
// content's start the line figures tell whether code came first. For rows
// without line splices.
template <>
struct machineHook<hook::docstrings> {
  static constexpr hookToken tokens[] = {{"\"\"\""}, {"'''"}, {"\""}, {"'"}, {":"}};
  static constexpr hookNeeds needs = {.tokenRuns = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    if (*p == kBlockHeaderEnd) {
      m.frame.code(false);
      return header(m, q, end);
    }
    // A quote in code: the content's first string may be its docstring.
    if (!atContentStart_) return nullptr;
    atContentStart_ = false;
    const tokenRun run = m.runBefore(p);
    const bool prefixOnly = run.length == 0 || (run.length == 1 && isDocstringPrefix(run.head[0]));
    if (!run.startsLine || !prefixOnly || m.frame.codeLinesBefore(p) != 0) {
      return nullptr;
    }
    return openDocstring(m, p, q);
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::header: return header(m, p, end);
      case step::body: return body(m, p, end);
      case step::comment:
        p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
        if (p == end) return p;
        m.frame.closeComment(p);
        m.frame.lineCommentEnd(p);
        return body(m, p + 1, end);
    }
    return p;  // not reached
  }

 private:
  enum class step : uint8_t {
    header,   // after ":", blanks: the line's end or a comment make it a header's
    body,     // blank lines and comment lines up to the first code
    comment,  // a comment line's text
  };

  // The rest of the line after a ":". Most colons are no header's, and are
  // left at once; the bytes the hook needs past the chunk are its own.
  template <class M>
  stepResult header(M& m, const unsigned char* p, const unsigned char* end) {
    const unsigned char* r = p;
    while (r < end && isBlankByte(*r)) ++r;
    m.frame.code(p, r);
    if (r == end) return handOver(m, step::header, r);
    if (*r == kHeaderComment) return comment(m, r);
    if (isLineEnd(*r)) return body(m, r, end);
    m.enterCode();
    return r;
  }

  // The lines after a header: blank lines and comment lines, then the
  // docstring, or code.
  template <class M>
  stepResult body(M& m, const unsigned char* p, const unsigned char* end) {
    const unsigned char* r = p;
    while (r < end && (isBlankByte(*r) || isLineEnd(*r))) ++r;
    m.frame.code(p, r);
    if (r == end) return handOver(m, step::body, r);
    if (*r == kHeaderComment) return comment(m, r);
    const docstringOpener o = docstringOpenerAt(r, end, m.atContentEnd());
    if (o.undecided) return waitAt(handOver(m, step::body, r));
    if (o.quotes == 0) {
      m.enterCode();
      return r;
    }
    for (int k = 0; k < o.prefix; ++k) m.frame.code(false);
    return openDocstring(m, r + o.prefix, r + o.prefix + o.quotes);
  }

  // A "#" comment, which the hook reads to its line's end.
  template <class M>
  const unsigned char* comment(M& m, const unsigned char* p) {
    m.frame.openComment(p);
    m.frame.marker(p, p + 1);
    return handOver(m, step::comment, p + 1);
  }

  // The machine hands the bytes from p to resume(), at step s.
  template <class M>
  const unsigned char* handOver(M& m, step s, const unsigned char* p) {
    step_ = s;
    m.template enterHook<hook::docstrings>();
    return p;
  }

  // What stands at p: a prefix, then a docstring's opener, one quote or
  // three; undecided where the bytes before end do not tell.
  struct docstringOpener {
    int prefix = 0;
    int quotes = 0;  // none: no docstring
    bool undecided = false;
  };
  static docstringOpener docstringOpenerAt(const unsigned char* p, const unsigned char* end,
                                           bool final) {
    docstringOpener o;
    o.prefix = isDocstringPrefix(*p) ? 1 : 0;
    const unsigned char* s = p + o.prefix;
    if (s == end) {
      o.undecided = !final;
      return o;
    }
    if (*s != '"' && *s != '\'') return o;
    int same = 1;
    while (same < 3 && s + same < end && s[same] == *s) ++same;
    if (same < 3 && s + same == end && !final) {
      o.undecided = true;
      return o;
    }
    o.quotes = same == 3 ? 3 : 1;  // "" and more is an empty string
    return o;
  }

  // The literal of [p, q), the quotes of a docstring, as a comment.
  template <class M>
  const unsigned char* openDocstring(M& m, const unsigned char* p, const unsigned char* q) {
    constexpr int kTripleDouble = M::literalOpenedBy("\"\"\"");
    constexpr int kTripleSingle = M::literalOpenedBy("'''");
    constexpr int kDouble = M::literalOpenedBy("\"");
    constexpr int kSingle = M::literalOpenedBy("'");
    static_assert(kTripleDouble >= 0 && kTripleSingle >= 0 && kDouble >= 0 && kSingle >= 0,
                  "docstrings need the row's plain strings of both quotes, one and three");
    const int rule = q - p == 3 ? (*p == '"' ? kTripleDouble : kTripleSingle)
                                : (*p == '"' ? kDouble : kSingle);
    m.frame.openComment(p, true);
    m.frame.marker(p, q);
    m.enterCommentLiteral(rule);
    return q;
  }

  step step_ = step::header;
  bool atContentStart_ = true;  // no quote met in code yet
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DOCSTRINGS_H_
