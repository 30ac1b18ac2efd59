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

constexpr languageRow kC{
    .name = "C",
    .extensions = "*.c;*.h",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::none, false, placement::anywhere, "${"},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

constexpr languageRow kScala{
    .name = "Scala",
    .extensions = "*.scala;*.sc",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            // After any word, s"...", f"...", raw"...": an interpolator's string.
            .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .escape = escapeRule::none,
                          .interpolation = "${", .prefix = "*"},
                         {"\"\"\"", "\"\"\"", escapeRule::none},
                         {.opener = "\"", .closer = "\"", .escape = escapeRule::none,
                          .endsAtLineEnd = true, .interpolation = "${", .prefix = "*"},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
            .hooks = hook::characterLiterals,
        },
};

constexpr languageRow kSwift{
    .name = "Swift",
    .extensions = "*.swift",
    .rules =
        {
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
            .literals = {{"\"", "\""}, {"'", "'", escapeRule::backslash, true}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/", true}},
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
            .lineComments = {{"//"}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = ";{",
        },
};

// The words after which "/" opens a regex in JavaScript and TypeScript.
constexpr std::string_view kScriptRegexKeywords =
    "return typeof instanceof in of new delete void throw case do else yield await";

constexpr exactRules scriptRules(std::string_view keywords) {
  // Initialised by name, then returned: g++ 12 refuses to return the list itself.
  const exactRules rules{
      .lineComments = {{"//"}, {"#!", placement::column1}},
      .blockComments = {{"/*", "*/"}},
      .literals = {{"\"", "\"", escapeRule::backslash, true},
                   {"'", "'", escapeRule::backslash, true},
                   {"`", "`", escapeRule::backslash, false, placement::anywhere, "${"}},
      .marks = ";{",
      .hooks = hook::regexLiterals,
      .regex = {.keywords = keywords, .classes = true},
  };
  return rules;
}

constexpr languageRow kJavaScript{
    .name = "JavaScript",
    .extensions = "*.js;*.mjs;*.cjs;*.jsx",
    .interpreters = "node;nodejs",
    .rules = scriptRules(kScriptRegexKeywords),
};

constexpr languageRow kTypeScript{
    .name = "TypeScript",
    .extensions = "*.ts;*.tsx;*.mts;*.cts",
    .interpreters = "ts-node",
    .rules = scriptRules(kScriptRegexKeywords),
};

constexpr languageRow kGroovy{
    .name = "Groovy",
    .extensions = "*.groovy;*.gradle;*.gvy;*.gy;*.gsh",
    .fileNames = "Jenkinsfile",
    .interpreters = "groovy",
    .rules =
        {
            .lineComments = {{"//"}, {"#!", placement::column1}},
            .blockComments = {{"/*", "*/"}},
            .literals = {{"'''", "'''"},
                         {"\"\"\"", "\"\"\"", escapeRule::backslash, false, placement::anywhere, "${"},
                         {"'", "'", escapeRule::backslash, true},
                         {"\"", "\"", escapeRule::backslash, true, placement::anywhere, "${"},
                         {"$/", "/$", escapeRule::none}},
            .marks = ";{",
            .hooks = hook::regexLiterals,
            // Slashy strings: "/" where an operand is expected.
            .regex = {.keywords = "return case in assert throw instanceof else", .spansLines = true},
        },
};

constexpr languageRow kRuby{
    .name = "Ruby",
    .extensions = "*.rb;*.rake;*.gemspec;*.ru;*.rbw",
    .fileNames = "Rakefile;Gemfile;Vagrantfile;Guardfile;Podfile",
    .interpreters = "ruby",
    .rules =
        {
            // After "?" a character literal (?#), after "$" a global ($").
            .lineComments = {{.opener = "#", .notAfter = "?"}},
            .literals = {{.opener = "\"", .closer = "\"", .interpolation = "#{", .notAfter = "?$"},
                         {.opener = "'", .closer = "'", .notAfter = "?$"},
                         {.opener = "`", .closer = "`", .interpolation = "#{", .notAfter = "?$"}},
            .marks = "",  // none: the marks are the code lines
            .plainTokens = {"?/", "?%"},
            .hooks = hook::regexLiterals | hook::lineHeredocs | hook::percentLiterals |
                     hook::docBlocks,
            .regex = {.keywords = "if elsif unless while until when and or not return then else "
                                  "case in do begin yield",
                      .spansLines = true,
                      .spacedArgument = true,
                      .atLineStart = true},
            .heredoc = {.indentMarks = "-~", .notAfterWord = true},
            .percentLetters = "qQwWiIrsx",
            .docBlock = {"=begin", "=end", "__END__"},
        },
};

constexpr languageRow kPerl{
    .name = "Perl",
    .extensions = "*.pl;*.pm;*.t",
    .interpreters = "perl",
    .rules =
        {
            // $#array, the globals named by a quote ($") and their globs (*").
            .lineComments = {{.opener = "#", .notAfter = "$"}},
            .literals = {{.opener = "\"", .closer = "\"", .notAfter = "$*"},
                         {.opener = "'", .closer = "'", .notAfter = "$*"},
                         {.opener = "`", .closer = "`", .notAfter = "$*"}},
            .marks = ";{",
            // The glob */; "//" is defined-or.
            .plainTokens = {"*/", "//"},
            .hooks = hook::regexLiterals | hook::lineHeredocs | hook::quoteOperators |
                     hook::docBlocks,
            .regex = {.keywords = "return and or not if elsif unless while until split grep map "
                                  "join push unshift when x lt gt le ge eq ne cmp",
                      .spansLines = true},
            .heredoc = {.indentMarks = "~", .notAfterWord = true},
            .quoteOperators = {"q qq qw qx qr m", "s tr y"},
            .docBlock = {"=", "=cut", "__END__ __DATA__", true},
        },
};

constexpr languageRow kShell{
    .name = "Shell",
    .extensions = "*.sh;*.bash;*.zsh;*.ksh",
    .interpreters = "sh;bash;zsh;ksh;dash",
    .rules =
        {
            .lineComments = {{"#", placement::wordStart}},
            // $'...' and $((...)) by their prefix "$", so that "$" stops no scan.
            .literals = {{.opener = "'", .closer = "'", .prefix = "$"},
                         {"'", "'", escapeRule::none},
                         {"\"", "\"", escapeRule::backslash, false, placement::anywhere, "$("},
                         // Arithmetic, where "<<" is a shift: "((" opens it at a word's start.
                         {.opener = "((", .closer = "))", .escape = escapeRule::none, .prefix = "$"},
                         {"((", "))", escapeRule::none, false, placement::wordStart}},
            .marks = "",  // none: the marks are the code lines
            // Escaped quotes are no quotes; "<<<" is a here-string.
            .plainTokens = {"\\\\", "\\\"", "\\'", "<<<"},
            .hooks = hook::lineHeredocs,
            .heredoc = {.indentMarks = "-", .tabsOnly = true, .blanksBeforeLabel = true},
        },
};

constexpr languageEntry kEntries[] = {
    entryOf<kCpp>(), entryOf<kDelphi>(), entryOf<kPhp>(), entryOf<kJava>(), entryOf<kGo>(),
    entryOf<kC>(), entryOf<kObjectiveC>(), entryOf<kCSharp>(), entryOf<kKotlin>(),
    entryOf<kScala>(), entryOf<kSwift>(), entryOf<kRust>(), entryOf<kDart>(),
    entryOf<kProtocolBuffers>(),
    entryOf<kJavaScript>(), entryOf<kTypeScript>(), entryOf<kGroovy>(), entryOf<kRuby>(),
    entryOf<kPerl>(), entryOf<kShell>(),
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
