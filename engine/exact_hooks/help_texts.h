#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// Kconfig's help texts: "help" first on its line and alone there, blanks
// aside; then the text, a literal: the lines after it from the first
// indented one, whose indent (tabs to the next multiple of 8 columns) the
// others keep at least, with blank lines between. The first line of a
// lesser indent is code again, as the kconfig lexer ends the text there.
template <>
struct machineHook<hook::helpTexts> {
  static constexpr hookToken tokens[] = {{"help", placement::lineStart}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    if (q == end) return m.atContentEnd() ? kDeclined : waitAt(p);
    if (!isBlankByte(*q) && !isLineEnd(*q)) return kDeclined;  // "helpers", "help text"
    m.frame.code(p, q);
    bodyColumn_ = -1;
    step_ = step::header;
    m.template enterHook<hook::helpTexts>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::header:
        if (isBlankByte(*p) || isLineEnd(*p)) {
          m.frame.code(false);
          if (isLineEnd(*p)) startLine();
          return p + 1;
        }
        m.enterCode();  // "help" and more: no help text
        return p;
      case step::indent:
        if (isLineEnd(*p) || isBlankByte(*p)) {
          m.frame.literal(p, p + 1);
          if (isLineEnd(*p)) {
            startLine();
          } else {
            column_ = columnAfter(column_, *p);
          }
          return p + 1;
        }
        if (bodyColumn_ < 0 ? column_ > 0 : column_ >= bodyColumn_) {
          if (bodyColumn_ < 0) bodyColumn_ = column_;
          step_ = step::body;
          return p;
        }
        m.enterCode();
        return p;
      case step::body: {
        p = m.frame.template literalRun<byteSet<'\r', '\n'>>(p, end);
        if (p == end) return p;
        m.frame.literal(p, p + 1);
        startLine();
        return p + 1;
      }
    }
    return p;
  }

 private:
  enum class step : uint8_t {
    header,  // the rest of the "help" line
    indent,  // a line's leading blanks
    body,    // the rest of a line of the text
  };

  void startLine() {
    step_ = step::indent;
    column_ = 0;
  }

  step step_ = step::header;
  int64_t column_ = 0;       // indent: the columns so far
  int64_t bodyColumn_ = -1;  // the indent of the text's first line, once known
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_HELP_TEXTS_H_
