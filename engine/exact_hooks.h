#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_H_

// The hooks of the exact machine (exact_rules.h), one header each in
// exact_hooks/, and what the machine needs to hold those of a row.
//
// A hook is machineHook<H>, a struct with the hook's own state and two
// function templates that take the machine M (exact_scanner.h) whose hook
// API they use:
//   open(M&, p, q, end): its token [p, q) met in code; returns where the
//       machine goes on, or nullptr to decline the token;
//   resume(M&, p, end): bytes from p, once M::enterHook<H>() handed them
//       to it.
// `needsTokenRuns` asks the machine to keep M::runBefore() valid, and
// `needsIndents`, where a hook has it, M::indentOf().
// Adding a hook: its value in `hook` and its tokens in kHookTokens
// (exact_rules.h), its header here and in hookList, its referee
// (exact_hooks/*_reference.cpp, exact_referee.h).

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
#include "engine/exact_hooks/docstrings.h"
#include "engine/exact_hooks/sigils.h"
#include "engine/exact_hooks/char_literals.h"
#include "engine/exact_hooks/operator_dashes.h"
#include "engine/exact_hooks/block_scalars.h"
#include "engine/exact_hooks/recipe_lines.h"

namespace quillstat {

template <hook... H>
struct hookList {};

using allHooks =
    hookList<hook::cDirectives, hook::rawStrings, hook::digitSeparators, hook::phpHeredocs,
             hook::characterLiterals, hook::charLiterals, hook::operatorDashes, hook::blockScalars,
             hook::recipeLines, hook::docstrings, hook::sigils>;

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

// Whether hook state H asks the machine to keep M::indentOf() valid: its
// `needsIndents`, where it says.
template <class H>
constexpr bool needsIndents() {
  if constexpr (requires { H::needsIndents; }) {
    return H::needsIndents;
  } else {
    return false;
  }
}
template <class Hooks, size_t... I>
constexpr bool anyNeedsIndents(std::index_sequence<I...>) {
  return (needsIndents<std::tuple_element_t<I, Hooks>>() || ...);
}
template <class Hooks>
constexpr bool hooksNeedIndents() {
  return anyNeedsIndents<Hooks>(std::make_index_sequence<std::tuple_size_v<Hooks>>{});
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
