#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_H_

// The hooks of the exact machine (exact_rules.h), one header each in
// exact_hooks/, and what the machine needs to hold those of a row.
//
// A hook is machineHook<H>, a struct with the hook's own state and two
// function templates that take the machine M (exact_scanner.h) whose hook
// API they use, and answer a stepResult (exact_step.h):
//   open(M&, p, q, end): its token [p, q) met in code; where the machine
//       goes on, kDeclined to decline the token, or waitAt(p);
//   resume(M&, p, end): bytes from p, once M::enterHook<H>() handed them
//       to it; where the machine goes on, or waitAt() the first byte it
//       cannot decide before more bytes arrive.
// `needsTokenRuns` asks the machine to keep M::runBefore() valid. Three
// flags are optional: `needsIndents` keeps M::indentOf() valid,
// `watchesLineEnds` lets the hook call M::watchLineEnd(),
// `needsSignificantTokens` asks the frame to keep M::frame.tokens
// (exact_frame.h).
// Adding a hook: its value in `hook` and its tokens in kHookTokens
// (exact_rules.h), its header here and in hookList, its referee
// (exact_hooks/*_referee.cpp, hook_referee.h).

#include <cstddef>
#include <tuple>
#include <type_traits>

#include "engine/exact_rules.h"

namespace quillstat {

template <hook H>
struct machineHook;

}  // namespace quillstat

#include "engine/exact_hooks/c_directives.h"
#include "engine/exact_hooks/digit_separators.h"
#include "engine/exact_hooks/php_heredocs.h"
#include "engine/exact_hooks/raw_strings.h"
#include "engine/exact_hooks/character_literals.h"
#include "engine/exact_hooks/operator_dashes.h"
#include "engine/exact_hooks/block_scalars.h"
#include "engine/exact_hooks/recipe_lines.h"
#include "engine/exact_hooks/unquoted_urls.h"
#include "engine/exact_hooks/regex_literals.h"
#include "engine/exact_hooks/line_heredocs.h"
#include "engine/exact_hooks/delimited_literals.h"
#include "engine/exact_hooks/doc_blocks.h"
#include "engine/exact_hooks/docstrings.h"
#include "engine/exact_hooks/sigils.h"
#include "engine/exact_hooks/make_references.h"

namespace quillstat {

template <hook... H>
struct hookList {};

using allHooks = hookList<hook::cDirectives, hook::rawStrings, hook::digitSeparators,
                          hook::phpHeredocs, hook::characterLiterals, hook::operatorDashes,
                          hook::blockScalars, hook::recipeLines, hook::unquotedUrls,
                          hook::regexLiterals, hook::lineHeredocs, hook::quoteOperators,
                          hook::percentLiterals, hook::docBlocks, hook::docstrings,
                          hook::sigils, hook::makeReferences>;

template <const exactRules& R, hook... H>
auto activeHooksOf(hookList<H...>)
    -> decltype(std::tuple_cat(std::declval<std::conditional_t<
                                   R.has(H), std::tuple<machineHook<H>>, std::tuple<>>>()...));

// The state of the hooks that row R names, in hookList's order.
template <const exactRules& R>
using activeHooks = decltype(activeHooksOf<R>(allHooks{}));

template <class Hooks, size_t... I>
constexpr bool anyNeedsTokenRuns(std::index_sequence<I...>) {
  return (std::tuple_element_t<I, Hooks>::needsTokenRuns || ...);
}
template <class Hooks>
constexpr bool hooksNeedTokenRuns() {
  return anyNeedsTokenRuns<Hooks>(std::make_index_sequence<std::tuple_size_v<Hooks>>{});
}

// The optional flags of a hook, false where it does not set them.
struct needsIndentsFlag {
  template <class H>
  static constexpr bool of() {
    if constexpr (requires { H::needsIndents; }) {
      return H::needsIndents;
    } else {
      return false;
    }
  }
};
struct watchesLineEndsFlag {
  template <class H>
  static constexpr bool of() {
    if constexpr (requires { H::watchesLineEnds; }) {
      return H::watchesLineEnds;
    } else {
      return false;
    }
  }
};
struct needsSignificantTokensFlag {
  template <class H>
  static constexpr bool of() {
    if constexpr (requires { H::needsSignificantTokens; }) {
      return H::needsSignificantTokens;
    } else {
      return false;
    }
  }
};

// Whether a hook of Hooks sets the optional Flag.
template <class Flag, class Hooks, size_t... I>
constexpr bool anyHookSets(std::index_sequence<I...>) {
  return (Flag::template of<std::tuple_element_t<I, Hooks>>() || ...);
}
template <class Flag, class Hooks>
constexpr bool anyHookSets() {
  return anyHookSets<Flag, Hooks>(std::make_index_sequence<std::tuple_size_v<Hooks>>{});
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
