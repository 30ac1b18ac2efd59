#include "analysis/language_table.h"

#include <iterator>

#include "engine/c_like_scan.h"
#include "engine/delphi_scan.h"

namespace quillstat {

namespace {

constexpr languageRow kCpp{
    .name = "C++",
    .extensions = "*.cpp;*.cc;*.cxx;*.c++;*.hpp;*.hh;*.hxx;*.h++;*.ipp;*.tpp",
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
    .namedMasks = "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx",
};

constexpr languageRow kDelphi{
    .name = "Delphi",
    .extensions = "*.pas;*.dpr;*.pp;*.lpr;*.dpk",
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
    .namedMasks = "*.dpr;*.pas",
};

constexpr languageRow kPhp{
    .name = "Php",
    .extensions = "*.php;*.php3;*.php4;*.php5;*.php7;*.phtml",
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
    .namedMasks = "*.php;*.php2;*.php5;*.cgi",
};

// Under the classic rules Java has no scanner of its own: it is scanned as C++.
constexpr languageRow kJava{
    .name = "Java",
    .extensions = "*.java",
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
    .namedMasks = "*.java;",
};

constexpr languageRow kGo{
    .name = "Go",
    .extensions = "*.go",
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

constexpr languageEntry kEntries[] = {
    entryOf<kCpp>(), entryOf<kDelphi>(), entryOf<kPhp>(), entryOf<kJava>(), entryOf<kGo>(),
};

}  // namespace

const std::span<const languageEntry> languageTable = kEntries;
const size_t languageCount = std::size(kEntries);

// A language the classic rules never knew is read by its exact rules in
// either mode.
const scanner& rulesOf(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? language.exact : language.classic;
}

const char* modeName(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? "exact" : "classic";
}

}  // namespace quillstat
