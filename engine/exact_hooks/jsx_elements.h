#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// JSX elements: a "<" where an operand is expected (as the row's regex rule
// reads it) opens one when jsxStartOf() says so. Its tags, attribute
// strings (no escapes, spanning lines) and the text between its tags are
// literal: no comment or string opens in them. A "{" in a tag or in the text
// is code, with comments, strings and further elements inside, up to the
// "}" that closes it (the machine's nested code). Elements nest; the
// element ends with the ">" of the closing tag of its outermost element, or
// of its own "/>". A ">" or "}" in the text, which JSX forbids there, shows
// that no element stood there: the element ends before it, and it is code.
// The row has an interpolation of braces, so that braces stop nested code.
template <>
struct machineHook<hook::jsxElements> {
  static constexpr hookToken tokens[] = {{"<"}};
  static constexpr hookNeeds needs = {.significantTokens = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char* end) {
    if (!expectsOperand(m.frame.tokens.before(p), M::kRules.regex.keywords)) return kDeclined;
    const jsxStart start = jsxStartOf(
        std::string_view(reinterpret_cast<const char*>(q), static_cast<size_t>(end - q)),
        m.atContentEnd());
    if (start == jsxStart::needMore) return waitAt(p);
    if (start == jsxStart::no) return kDeclined;
    contexts_.push_back({});
    m.frame.literal(p, q);
    m.template enterHook<hook::jsxElements>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    element& e = contexts_.back();
    if (e.braceOpen) {  // back from the code of a "{": its "}"
      e.braceOpen = false;
      m.frame.literal(p, p + 1);
      return p + 1;
    }
    switch (e.where) {
      case part::tag: {
        p = m.frame.template literalRun<byteSet<'"', '\'', '{', '/', '>'>>(p, end);
        if (p == end) return p;
        if (*p == '"' || *p == '\'') {
          e.quote = *p;
          e.where = part::string;
        } else if (*p == '{') {
          return brace(m, p);
        } else if (*p == '/') {
          if (p + 1 == end) return m.atContentEnd() ? take(m, p, p + 1) : waitAt(p);
          if (p[1] != '>') return take(m, p, p + 1);
          if (e.open == 0) return finish(m, p, p + 2);
          e.where = part::text;
          return take(m, p, p + 2);
        } else {
          ++e.open;
          e.where = part::text;
        }
        return take(m, p, p + 1);
      }
      case part::string: {
        const unsigned char* stop = m.frame.template literalRun<byteSet<'"', '\''>>(p, end);
        if (stop == end) return stop;
        if (*stop == e.quote) e.where = part::tag;
        return take(m, stop, stop + 1);
      }
      case part::closing: {
        p = m.frame.template literalRun<byteSet<'>'>>(p, end);
        if (p == end) return p;
        if (--e.open == 0) return finish(m, p, p + 1);
        e.where = part::text;
        return take(m, p, p + 1);
      }
      case part::text: {
        p = m.frame.template literalRun<byteSet<'{', '<', '>', '}'>>(p, end);
        if (p == end) return p;
        if (*p == '{') return brace(m, p);
        if (*p != '<') {  // no element after all: code from here on
          contexts_.pop_back();
          m.enterCode();
          return p;
        }
        if (p + 1 == end) return m.atContentEnd() ? take(m, p, p + 1) : waitAt(p);
        if (p[1] == '/') {
          e.where = part::closing;
          return take(m, p, p + 2);
        }
        if (isAsciiLetter(p[1]) || p[1] == '_' || p[1] == '$' || p[1] == '>') e.where = part::tag;
        return take(m, p, p + 1);
      }
    }
    return p;
  }

 private:
  enum class part : uint8_t {
    tag,      // an opening tag, after its "<"
    string,   // an attribute's string in it
    text,     // the text between tags
    closing,  // a closing tag, after its "</"
  };
  // One element and the elements inside it, up to their code in braces:
  // each "{" in them may hold an element of its own.
  struct element {
    part where = part::tag;
    bool braceOpen = false;  // the code of a "{" is under way
    unsigned char quote = '"';
    int64_t open = 0;  // the elements whose text is under way
  };

  template <class M>
  static const unsigned char* take(M& m, const unsigned char* p, const unsigned char* q) {
    m.frame.literal(p, q);
    return q;
  }

  // The "{" at p: code up to its "}", unless the machine holds as many
  // nested pieces of code as it may, when the element ends before it.
  template <class M>
  const unsigned char* brace(M& m, const unsigned char* p) {
    m.frame.code(false);
    if (m.template enterNestedCode<hook::jsxElements>()) {
      contexts_.back().braceOpen = true;
    } else {
      contexts_.pop_back();
      m.enterCode();
    }
    return p + 1;
  }

  // The element's last bytes [p, q): it ends, and code follows.
  template <class M>
  const unsigned char* finish(M& m, const unsigned char* p, const unsigned char* q) {
    m.frame.literal(p, q);
    contexts_.pop_back();
    m.enterCode();
    return q;
  }

  std::vector<element> contexts_;  // innermost last
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_H_
