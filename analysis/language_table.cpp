#include "analysis/language_table.h"

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"

namespace quillstat {

namespace {

constexpr languageRow kCpp{
    .name = "C++",
    .defaultMasks = "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .lineSplices = true,
            .hooks = hook::cDirectives | hook::rawStrings | hook::digitSeparators,
        },
    .classic = scannerOf<cppScanner>(),
};

constexpr languageRow kDelphi{
    .name = "Delphi",
    .defaultMasks = "*.dpr;*.pas",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"{", "}"}, {"(*", "*)"}},
            // Compiler directives are code, not comments.
            .literals = {{"'", "'", escapeRule::doubling, true},
                         {"{$", "}", escapeRule::none},
                         {"(*$", "*)", escapeRule::none}},
            .marks = ";",
        },
    .classic = scannerOf<delphiScanner>(),
};

constexpr languageRow kPhp{
    .name = "Php",
    .defaultMasks = "*.php;*.php2;*.php5;*.cgi",
    .rules =
        {
            .lineComments = {{"//"}, {"#", placement::anywhere, '['}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"'", "'"}, {"\"", "\""}, {"`", "`"}},
            .marks = ";{",
            .region = {"<?", "?>"},
            .hooks = hook::phpHeredocs,
        },
    .classic = scannerOf<phpScanner>(),
};

// Under the classic rules Java has no scanner of its own: it is scanned as C++.
constexpr languageRow kJava{
    .name = "Java",
    .defaultMasks = "*.java;",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"\"\"", "\"\"\""},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
    .classic = scannerOf<cppScanner>(),
};

constexpr languageRow kGo{
    .name = "Go",
    .defaultMasks = "*.go",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"`", "`", escapeRule::none},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

}  // namespace

const languageEntry languageTable[languageCount] = {
    entryOf<kCpp>(), entryOf<kDelphi>(), entryOf<kPhp>(), entryOf<kJava>(), entryOf<kGo>(),
};

}  // namespace quillstat
