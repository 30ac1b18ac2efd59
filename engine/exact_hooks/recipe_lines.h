#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"

namespace quillstat {

// A line that starts with a tab is a command that make hands to the shell,
// read as the shell reads it: '...' and "..." (with backslash escapes) are
// literals, a backslash takes the next byte (a line end too: the command
// goes on), and "#" opens a comment to the line's end at a word's start or
// right after make's prefixes "@", "-" and "+". The command ends at a line
// end outside quotes; the line end is code.
template <>
struct machineHook<hook::recipeLines> {
  static constexpr hookToken tokens[] = {{"\t", placement::column1}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char*, const unsigned char* q,
                  const unsigned char*) {
    m.frame.code(false);  // the tab
    step_ = step::command;
    atStart_ = true;
    m.template enterHook<hook::recipeLines>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::command: return command(m, p, end);
      case step::singleQuoted:
        return closeQuote(m, m.frame.template literalRun<byteSet<'\''>>(p, end), end);
      case step::doubleQuoted: {
        p = m.frame.template literalRun<byteSet<'"', '\\'>>(p, end);
        if (p == end || *p == '"') return closeQuote(m, p, end);
        return escape(m, p, end, true);
      }
      case step::comment: {
        p = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
        if (p == end) return p;
        m.frame.closeComment(p);
        m.frame.lineCommentEnd(p);
        m.enterCode();
        return p + 1;
      }
    }
    return p;
  }

 private:
  enum class step : uint8_t { command, singleQuoted, doubleQuoted, comment };

  template <class M>
  stepResult command(M& m, const unsigned char* p, const unsigned char* end) {
    using stops = byteSet<'#', '\'', '"', '\\', '\r', '\n'>;
    using noMarks = byteSet<'\n'>;  // a stop, so no byte of a run: a recipe holds no marks
    const unsigned char* stop = m.frame.template codeRun<stops, noMarks>(p, end);
    for (; atStart_ && p < stop; ++p) atStart_ = isRecipePrefix(*p) || isBlankByte(*p);
    if (stop == end) return stop;
    switch (*stop) {
      case '\r':
      case '\n': m.enterCode(); return stop;
      case '\\': return escape(m, stop, end, false);
      case '#': {
        const unsigned char before = m.frame.previous(stop);
        if (endsWord(before) || (atStart_ && isRecipePrefix(before))) {
          m.frame.openComment(stop);
          m.frame.marker(stop, stop + 1);
          step_ = step::comment;
          return stop + 1;
        }
        m.frame.code(false);
        atStart_ = false;
        return stop + 1;
      }
      default:
        m.frame.literal(stop, stop + 1);
        step_ = *stop == '"' ? step::doubleQuoted : step::singleQuoted;
        atStart_ = false;
        return stop + 1;
    }
  }

  // The backslash at p and the byte it takes, inside double quotes or not.
  template <class M>
  stepResult escape(M& m, const unsigned char* p, const unsigned char* end, bool quoted) {
    const unsigned char* q = p + 1 < end ? p + 2 : m.atContentEnd() ? end : nullptr;
    if (q == nullptr) return waitAt(p);
    if (quoted) {
      m.frame.literal(p, q);
    } else {
      for (const unsigned char* b = p; b < q; ++b) m.frame.code(false);
      atStart_ = false;
    }
    return q;
  }

  // The closing quote at p, unless p is the chunk's end.
  template <class M>
  const unsigned char* closeQuote(M& m, const unsigned char* p, const unsigned char* end) {
    if (p == end) return p;
    m.frame.literal(p, p + 1);
    step_ = step::command;
    return p + 1;
  }

  step step_ = step::command;
  bool atStart_ = true;  // only blanks and make's prefixes since the tab
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_H_
