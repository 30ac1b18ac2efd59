#ifndef QUILLSTAT_TESTS_DELIMITED_SAMPLE_ROW_H_
#define QUILLSTAT_TESTS_DELIMITED_SAMPLE_ROW_H_

#include "engine/exact_rules.h"

namespace quillstat {

// A row with every form of delimited literal, for the forms no language row
// of the table may use yet: Rust's raw strings, C#'s raw strings, Lua's long
// strings and comments, PostgreSQL's dollar quotes and OCaml's quoted strings.
inline constexpr exactRules kDelimitedSample{
    .lineComments = {{"--"}},
    .literals = {{"\"", "\"", escapeRule::backslash, true}},
    .marks = ";",
    .delimited =
        {
            {.prefix = "r;br", .fill = '#', .openerEnd = "\"", .closer = "\""},
            {.fill = '"', .minFill = 3},
            {.opener = "--[", .fill = '=', .openerEnd = "[", .closer = "]", .closerEnd = "]",
             .isComment = true},
            {.opener = "[", .fill = '=', .openerEnd = "[", .closer = "]", .closerEnd = "]"},
            {.opener = "$", .tag = tagRule::identifier, .openerEnd = "$", .closer = "$",
             .closerEnd = "$", .where = placement::tokenStart},
            {.opener = "{", .tag = tagRule::lowercase, .openerEnd = "|", .closer = "|",
             .closerEnd = "}"},
        },
};

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_DELIMITED_SAMPLE_ROW_H_
