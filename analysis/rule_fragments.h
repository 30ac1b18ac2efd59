#ifndef QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_
#define QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_

#include <string_view>

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

// "/* ... */", which does not nest: "/* /* */" is one comment.
inline constexpr blockCommentRule kSlashStarComment{"/*", "*/"};
// "/* ... */" nesting: "/* /* */ */" is one comment.
inline constexpr blockCommentRule kNestedSlashStarComment{"/*", "*/", true};

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

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_RULE_FRAGMENTS_H_
