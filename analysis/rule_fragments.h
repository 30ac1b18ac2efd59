#ifndef QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_
#define QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_

#include <string_view>

#include "engine/exact_hooks.h"
#include "engine/exact_rules.h"

namespace quillstat {

// The pieces of exact rules (exact_rules.h) that many rows of the language
// table share, named once: a row writes `.lineComments = {kSlashSlashComment}`
// where its language reads "//" as C does.

// Line comments.
inline constexpr lineCommentRule kSlashSlashComment{"//"};
inline constexpr lineCommentRule kHashComment{"#"};
inline constexpr lineCommentRule kDashDashComment{"--"};
// A "#!" line, where a script's first line names its interpreter.
inline constexpr lineCommentRule kShebangComment{"#!", placement::column1};

// Doc comments (docRule): "/**", but neither "/**/" nor a "/***" banner;
// Doxygen's also "/*!". "///", but not a "////" banner; Doxygen's, Zig's and
// Rust's also "//!".
inline constexpr docRule kStarDoc{"*", "**;*/"};
inline constexpr docRule kDoxygenStarDoc{"*;!", "**;*/"};
inline constexpr docRule kSlashDoc{"/", "//"};
inline constexpr docRule kDoxygenSlashDoc{"/;!", "//"};
// The ML family's "(**", but neither "(**)" nor a "(***" banner.
inline constexpr docRule kMlStarDoc{"*", "**;*)"};

// "//" comments with "///" doc comments, Doxygen's with "//!" too.
inline constexpr lineCommentRule kSlashDocComment{.opener = "//", .doc = kSlashDoc};
inline constexpr lineCommentRule kDoxygenSlashComment{.opener = "//", .doc = kDoxygenSlashDoc};

// "/* ... */", which does not nest: "/* /* */" is one comment.
inline constexpr blockCommentRule kSlashStarComment{"/*", "*/"};
// "/* ... */" nesting: "/* /* */ */" is one comment.
inline constexpr blockCommentRule kNestedSlashStarComment{"/*", "*/", true};
// The same with "/**" doc comments, Doxygen's with "/*!" too.
inline constexpr blockCommentRule kDocSlashStarComment{.opener = "/*", .closer = "*/",
                                                       .doc = kStarDoc};
inline constexpr blockCommentRule kDoxygenSlashStarComment{.opener = "/*", .closer = "*/",
                                                           .doc = kDoxygenStarDoc};
inline constexpr blockCommentRule kNestedDocSlashStarComment{
    .opener = "/*", .closer = "*/", .nests = true, .doc = kStarDoc};
inline constexpr blockCommentRule kNestedDoxygenSlashStarComment{
    .opener = "/*", .closer = "*/", .nests = true, .doc = kDoxygenStarDoc};

// C's quotes: a backslash escapes the next byte, and an unclosed one ends
// before its line's end, as compilers read a missing quote.
inline constexpr literalRule kCDoubleQuotes{"\"", "\"", escapeRule::backslash, true};
inline constexpr literalRule kCSingleQuotes{"'", "'", escapeRule::backslash, true};

// Quotes with backslash escapes that span lines: PHP's and Rust's strings.
inline constexpr literalRule kDoubleQuotes{"\"", "\""};
inline constexpr literalRule kSingleQuotes{"'", "'"};

// Quotes whose closer twice stands for itself, ended by the line end when
// unclosed: Basic's "say ""hi""", Pascal's 'it''s'.
inline constexpr literalRule kBasicDoubleQuotes{"\"", "\"", escapeRule::doubling, true};
inline constexpr literalRule kPascalSingleQuotes{"'", "'", escapeRule::doubling, true};

// Python's rules, its formatted strings opened by `formattedPrefixes`
// (';'-separated: "f;F;rf;..."): the formatted forms come first, as the plain
// ones would shadow them; a docstring is a comment. Python's and Cython's.
constexpr exactRules pythonRules(std::string_view formattedPrefixes) {
  return exactRules{
      .lineComments = {kHashComment},
      .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .interpolation = "{",
                    .doubledOpenerIsText = true, .prefix = formattedPrefixes, .formatStart = ':'},
                   {.opener = "'''", .closer = "'''", .interpolation = "{",
                    .doubledOpenerIsText = true, .prefix = formattedPrefixes, .formatStart = ':'},
                   {"\"\"\"", "\"\"\""},
                   {"'''", "'''"},
                   {.opener = "\"", .closer = "\"", .endsAtLineEnd = true, .interpolation = "{",
                    .doubledOpenerIsText = true, .prefix = formattedPrefixes, .formatStart = ':'},
                   {.opener = "'", .closer = "'", .endsAtLineEnd = true, .interpolation = "{",
                    .doubledOpenerIsText = true, .prefix = formattedPrefixes, .formatStart = ':'},
                   kCDoubleQuotes, kCSingleQuotes},
      .marks = {},
      .hooks = hook::docstrings,
  };
}

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_
