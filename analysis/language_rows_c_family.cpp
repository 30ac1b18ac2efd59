#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"
#include "engine/c_like_scan.h"

namespace quillstat {

// The rows of the C family: braces, "//" and "/* */" comments, C's quotes
// and their descendants'.

namespace {

constexpr languageRow kCpp{
    .name = "C++",
    .extensions = "*.cpp;*.cc;*.cxx;*.c++;*.hpp;*.hh;*.hxx;*.h++;*.ipp;*.tpp",
    .rules =
        {
            .lineComments = {kDoxygenSlashComment},
            .blockComments = {kDoxygenSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives | hook::rawStrings | hook::digitSeparators,
        },
    .classic = scannerOf<cppScanner>(),
    .namedMasks = "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx",
};

// Under the classic rules Java has no scanner of its own: it is scanned as C++.
constexpr languageRow kJava{
    .name = "Java",
    .extensions = "*.java",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{"\"\"\"", "\"\"\""},
                         kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
        },
    .classic = scannerOf<cppScanner>(),
    .namedMasks = "*.java;",
};

constexpr languageRow kGo{
    .name = "Go",
    .extensions = "*.go",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {kCDoubleQuotes,
                         {"`", "`", escapeRule::none},
                         kCSingleQuotes},
            .marks = ";{",
        },
};

constexpr languageRow kC{
    .name = "C",
    .extensions = "*.c;*.h",
    .rules =
        {
            .lineComments = {kDoxygenSlashComment},
            .blockComments = {kDoxygenSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives | hook::digitSeparators,
        },
};

// Raw strings are Objective-C++'s (.mm).
constexpr languageRow kObjectiveC{
    .name = "Objective-C",
    .extensions = "*.m;*.mm",
    .rules = kCpp.rules,
};

constexpr languageRow kCSharp{
    .name = "C#",
    .extensions = "*.cs;*.csx",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes,
                         {"@\"", "\"", escapeRule::doubling},
                         {"$\"", "\"", escapeRule::backslash, true, placement::anywhere, "{", true},
                         {"$@\"", "\"", escapeRule::doubling, false, placement::anywhere, "{", true},
                         {"@$\"", "\"", escapeRule::doubling, false, placement::anywhere, "{", true},
                         // A directive's message is text to its line's end; after
                         // the other directives a "//" comment may stand.
                         {"#region", "\n", escapeRule::none, true, placement::lineStart},
                         {"#endregion", "\n", escapeRule::none, true, placement::lineStart},
                         {"#error", "\n", escapeRule::none, true, placement::lineStart},
                         {"#warning", "\n", escapeRule::none, true, placement::lineStart}},
            .marks = ";{",
            // Raw strings, interpolated ones ($"""...""", $$"""...""") tried before $"...".
            .delimited = {{.fill = '"', .minFill = 3}, {.opener = "$", .fill = '"', .minFill = 3}},
        },
};

constexpr languageRow kKotlin{
    .name = "Kotlin",
    .extensions = "*.kt;*.kts",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kNestedDocSlashStarComment},
            // A name in backticks holds any byte but a line end: fun `GET /a/*`().
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none, false, placement::anywhere, "${"},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"},
                         kCSingleQuotes,
                         {"`", "`", escapeRule::none, true}},
            .marks = ";{",
        },
};

constexpr languageRow kScala{
    .name = "Scala",
    .extensions = "*.scala;*.sc",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kNestedDocSlashStarComment},
            // After any word, s"...", f"...", raw"...": an interpolator's string.
            .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .escape = escapeRule::none,
                          .interpolation = "${", .prefix = "*"},
                         {"\"\"\"", "\"\"\"", escapeRule::none},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none,
                          .endsAtLineEnd = true, .interpolation = "${", .prefix = "*"},
                         kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .hooks = hook::characterLiterals,
        },
};

constexpr languageRow kSwift{
    .name = "Swift",
    .extensions = "*.swift",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kNestedDocSlashStarComment},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "\\("},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "\\("}},
            .marks = ";{",
            // Extended delimiters: #"..."#, #"""..."""#.
            .delimited = {{.fill = '#', .minFill = 1, .openerEnd = "\"\"\"", .closer = "\"\"\""},
                          {.fill = '#', .minFill = 1, .openerEnd = "\"", .closer = "\""}},
        },
};

constexpr languageRow kRust{
    .name = "Rust",
    .extensions = "*.rs",
    .rules =
        {
            .lineComments = {kDoxygenSlashComment},
            .blockComments = {kNestedDoxygenSlashStarComment},
            .literals = {kDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
            .hooks = hook::characterLiterals,
            // Raw strings: r"...", r#"..."#, br##"..."##, cr"...".
            .delimited = {{.prefix = "r;br;cr", .fill = '#', .openerEnd = "\"", .closer = "\""}},
        },
};

constexpr languageRow kDart{
    .name = "Dart",
    .extensions = "*.dart",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {kNestedDocSlashStarComment},
            .literals = {{.opener = "'''", .closer = "'''", .escape = escapeRule::none, .prefix = "r"},
                         {.opener = "\"\"\"", .closer = "\"\"\"", .escape = escapeRule::none, .prefix = "r"},
                         {"'''", "'''", escapeRule::backslash, false, placement::anywhere, "${"},
                         {"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "${"},
                         {.opener = "'", .closer = "'", .escape = escapeRule::none, .endsAtLineEnd = true, .prefix = "r"},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none, .endsAtLineEnd = true, .prefix = "r"},
                         {"'", "'", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"}},
            .marks = ";{",
        },
};

constexpr languageRow kProtocolBuffers{
    .name = "Protocol Buffers",
    .extensions = "*.proto",
    .rules =
        {
            .lineComments = {kSlashSlashComment},
            .blockComments = {kSlashStarComment},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
            .marks = ";{",
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {0, entryOf<kCpp>()},
    {3, entryOf<kJava>()},
    {4, entryOf<kGo>()},
    {5, entryOf<kC>()},
    {6, entryOf<kObjectiveC>()},
    {7, entryOf<kCSharp>()},
    {8, entryOf<kKotlin>()},
    {9, entryOf<kScala>()},
    {10, entryOf<kSwift>()},
    {11, entryOf<kRust>()},
    {12, entryOf<kDart>()},
    {13, entryOf<kProtocolBuffers>()},
};

}  // namespace

constinit const std::span<const placedEntry> cFamilyEntries = kPlaced;

}  // namespace quillstat
