#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_H_

// The hooks of the exact machine (exact_rules.h): the one list of them, and
// what the machine and the referee derive from it.
//
// A hook H is two parts, each a header of exact_hooks/:
//   machineHook<H> (NAME.h), for the machine (exact_scanner.h): the hook's
//     own state and
//       tokens: its hookTokens (exact_rules.h), where it may take over;
//       needs: a hookNeeds, what it asks of the machine (below);
//       open(M&, p, q, end): its token [p, q) met in code; answers a
//         stepResult (exact_step.h): where the machine goes on, kDeclined
//         to decline the token, or waitAt(p);
//       resume(M&, p, end): bytes from p, once M::enterHook<H>() handed them
//         to it; where the machine goes on, or waitAt() the first byte it
//         cannot decide before more bytes arrive;
//     with M the machine whose hook API they use.
//   hookRefereeOf<H> (NAME_referee.h), for the referee (exact_referee.h): a
//     hookReferee (hook_referee.h) that reads the same construct a byte at a
//     time, written apart so that each part checks the other.
// machineHookOf and refereeHookOf below check both when this file compiles.
//
// Adding a hook touches three files:
//   1. exact_hooks/NAME.h: `template <> struct machineHook<hook::NAME>`;
//   2. exact_hooks/NAME_referee.h: `template <> class
//      hookRefereeOf<hook::NAME> final : public hookReferee`;
//   3. this file: both headers' includes, and NAME's bit, the next one, at
//      the end of `hook`.
// Then a row may name it in `hooks`. Headers only: no build file changes.

#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <type_traits>
#include <utility>

#include "engine/exact_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"
#include "engine/hook_referee.h"

namespace quillstat {

// The hooks, one bit each from 0 up, in the order of their bits: a new one
// takes the next bit, before endOfHooks.
enum hook : uint32_t {
  cDirectives = 1u << 0,        // "#" at a line's start: in "#include <...>" the header
                                // name is a literal, the rest of the line is code
  rawStrings = 1u << 1,         // C++'s R"delim(...)delim" after R, LR, uR, UR or u8R
  digitSeparators = 1u << 2,    // an apostrophe after a number is code: 1'000'000
  phpHeredocs = 1u << 3,        // <<<ID, <<<"ID" and <<<'ID', closed by the label at a
                                // line's start, after blanks, with no label byte after it
  characterLiterals = 1u << 4,  // a quote opens the row's ' literal only before an
                                // escape or one character and a quote: 'a is code
  regexLiterals = 1u << 5,      // "/" where no operand stands before it opens a regular
                                // expression (the row's `regex`)
  lineHeredocs = 1u << 6,       // "<<LABEL": its body starts on the next line (`heredoc`)
  quoteOperators = 1u << 7,     // a word of `quoteOperators` and any delimiter: q{...}, s/a/b/
  percentLiterals = 1u << 8,    // "%", a letter of `percentLetters` and any delimiter: %w[...]
  docBlocks = 1u << 9,          // whole-line comments from "=word" at column 1, and the data
                                // after "__END__" (`docBlock`)
  makeReferences = 1u << 10,    // make's $(...) and ${...}: a literal to the bracket that
                                // closes it, brackets of its kind nesting
  operatorDashes = 1u << 11,    // "--" next to a symbol byte, before it or after its run
                                // of dashes, is part of an operator: Haskell's --> and |--
  blockScalars = 1u << 12,      // YAML's "|" and ">" at a value's start: the lines after
                                // it that are more indented than its own are a literal
  recipeLines = 1u << 13,       // a line that starts with a tab is a shell command (make's
                                // recipes): "#" opens a comment at a word's start, outside
                                // quotes
  unquotedUrls = 1u << 14,      // CSS's url( followed by no quote: a literal up to ")"
  docstrings = 1u << 15,        // a string first on its line, where no code line stands
                                // before it or since a line whose code ends with ":", is a
                                // comment
  sigils = 1u << 16,            // "~", a letter and a delimiter: Elixir's ~r/.../, ~w(...)
  indentedComments = 1u << 17,  // "//" or "/*" first on its line: a comment over the lines
                                // indented deeper than its own (Sass)
  jsxElements = 1u << 18,       // "<" where an operand is expected: a JSX element, whose
                                // tags and text are literal and whose "{...}" is code
  helpTexts = 1u << 19,         // Kconfig's "help": the lines indented after it are a literal
  explicitComments = 1u << 20,  // reStructuredText's ".." that starts no directive, target,
                                // footnote or substitution: a comment with its indented lines
  unclosedQuoteComments = 1u << 21,  // '"' after a blank that no '"' closes on its line is a
                                     // comment: Vim script's trailing comments
  endOfHooks  // one past the last bit: no hook
};

inline constexpr size_t kHookCount = std::bit_width(static_cast<uint32_t>(endOfHooks) - 1);
template <size_t I>
inline constexpr hook kHookAt = static_cast<hook>(1u << I);

// What a hook asks of the machine, each false where the hook does not.
struct hookNeeds {
  bool tokenRuns = false;          // keep M::runBefore() valid
  bool indents = false;            // keep M::indentOf() valid
  bool lineEnds = false;           // let the hook call M::watchLineEnd()
  bool significantTokens = false;  // the frame keeps M::frame.tokens (exact_frame.h)
};

template <hook H>
struct machineHook;

}  // namespace quillstat

#include "engine/exact_hooks/c_directives.h"
#include "engine/exact_hooks/c_directives_referee.h"
#include "engine/exact_hooks/raw_strings.h"
#include "engine/exact_hooks/raw_strings_referee.h"
#include "engine/exact_hooks/digit_separators.h"
#include "engine/exact_hooks/digit_separators_referee.h"
#include "engine/exact_hooks/php_heredocs.h"
#include "engine/exact_hooks/php_heredocs_referee.h"
#include "engine/exact_hooks/character_literals.h"
#include "engine/exact_hooks/character_literals_referee.h"
#include "engine/exact_hooks/regex_literals.h"
#include "engine/exact_hooks/regex_literals_referee.h"
#include "engine/exact_hooks/line_heredocs.h"
#include "engine/exact_hooks/line_heredocs_referee.h"
#include "engine/exact_hooks/delimited_literals.h"  // quoteOperators, percentLiterals
#include "engine/exact_hooks/delimited_literals_referee.h"
#include "engine/exact_hooks/doc_blocks.h"
#include "engine/exact_hooks/doc_blocks_referee.h"
#include "engine/exact_hooks/make_references.h"
#include "engine/exact_hooks/make_references_referee.h"
#include "engine/exact_hooks/operator_dashes.h"
#include "engine/exact_hooks/operator_dashes_referee.h"
#include "engine/exact_hooks/block_scalars.h"
#include "engine/exact_hooks/block_scalars_referee.h"
#include "engine/exact_hooks/recipe_lines.h"
#include "engine/exact_hooks/recipe_lines_referee.h"
#include "engine/exact_hooks/unquoted_urls.h"
#include "engine/exact_hooks/unquoted_urls_referee.h"
#include "engine/exact_hooks/docstrings.h"
#include "engine/exact_hooks/docstrings_referee.h"
#include "engine/exact_hooks/sigils.h"
#include "engine/exact_hooks/sigils_referee.h"
#include "engine/exact_hooks/indented_comments.h"
#include "engine/exact_hooks/indented_comments_referee.h"
#include "engine/exact_hooks/jsx_elements.h"
#include "engine/exact_hooks/jsx_elements_referee.h"
#include "engine/exact_hooks/help_texts.h"
#include "engine/exact_hooks/help_texts_referee.h"
#include "engine/exact_hooks/explicit_comments.h"
#include "engine/exact_hooks/explicit_comments_referee.h"
#include "engine/exact_hooks/unclosed_quote_comments.h"
#include "engine/exact_hooks/unclosed_quote_comments_referee.h"

namespace quillstat {

// A machine with no hook API, to check a hook's signatures against: open()
// and resume() are templates whose bodies need a real machine.
struct anyMachine {};

// What the machine needs of machineHook<H>.
template <class H>
concept machineHookOf =
    std::default_initializable<H> &&
    std::same_as<std::remove_cv_t<decltype(H::needs)>, hookNeeds> &&
    std::is_bounded_array_v<decltype(H::tokens)> &&
    std::same_as<std::remove_extent_t<decltype(H::tokens)>, const hookToken> &&
    requires(H h, anyMachine& m, const unsigned char* p) {
      { h.open(m, p, p, p) } -> std::same_as<stepResult>;
      { h.resume(m, p, p) } -> std::same_as<stepResult>;
    };

// What the referee needs of hookRefereeOf<H>.
template <class H>
concept refereeHookOf = std::derived_from<H, hookReferee> && std::default_initializable<H>;

static_assert([]<size_t... I>(std::index_sequence<I...>) {
  return (machineHookOf<machineHook<kHookAt<I>>> && ...);
}(std::make_index_sequence<kHookCount>{}), "each hook's machine part has tokens, needs, open, resume");
static_assert([]<size_t... I>(std::index_sequence<I...>) {
  return (refereeHookOf<hookRefereeOf<kHookAt<I>>> && ...);
}(std::make_index_sequence<kHookCount>{}), "each hook has a referee part, a hookReferee");

// Every hook's tokens with its bit, in the order of the bits, each hook's in
// its own order.
inline constexpr auto kHookTokens = []<size_t... I>(std::index_sequence<I...>) {
  std::array<hookTokenOf, (std::size(machineHook<kHookAt<I>>::tokens) + ...)> all{};
  size_t n = 0;
  auto add = [&](hook which, std::span<const hookToken> tokens) {
    for (const hookToken& t : tokens) all[n++] = {which, t};
  };
  (add(kHookAt<I>, machineHook<kHookAt<I>>::tokens), ...);
  return all;
}(std::make_index_sequence<kHookCount>{});

constexpr std::span<const hookTokenOf> allHookTokens() { return kHookTokens; }

template <const exactRules& R, size_t... I>
auto activeHooksOf(std::index_sequence<I...>)
    -> decltype(std::tuple_cat(std::declval<std::conditional_t<
                                   R.has(kHookAt<I>), std::tuple<machineHook<kHookAt<I>>>,
                                   std::tuple<>>>()...));

// The state of the hooks that row R names, in the order of their bits.
template <const exactRules& R>
using activeHooks = decltype(activeHooksOf<R>(std::make_index_sequence<kHookCount>{}));

// Whether a hook of Hooks asks for `need`.
template <class Hooks, size_t... I>
constexpr bool anyHookNeeds([[maybe_unused]] bool hookNeeds::*need, std::index_sequence<I...>) {
  return ((std::tuple_element_t<I, Hooks>::needs.*need) || ...);
}
template <class Hooks>
constexpr bool anyHookNeeds(bool hookNeeds::*need) {
  return anyHookNeeds<Hooks>(need, std::make_index_sequence<std::tuple_size_v<Hooks>>{});
}

template <hook H, class Hooks, size_t I = 0>
constexpr size_t indexOfHook() {
  if constexpr (std::is_same_v<std::tuple_element_t<I, Hooks>, machineHook<H>>) {
    return I;
  } else {
    return indexOfHook<H, Hooks, I + 1>();
  }
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_H_
