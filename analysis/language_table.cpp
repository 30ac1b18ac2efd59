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

// f-strings and t-strings: their prefixes, in either order and any case.
constexpr std::string_view kPythonFormatted =
    "f;F;fr;fR;Fr;FR;rf;rF;Rf;RF;t;T;tr;tR;Tr;TR;rt;rT;Rt;RT";

// The formatted forms come first: the plain ones would shadow them.
constexpr languageRow kPython{
    .name = "Python",
    .extensions = "*.py;*.pyw;*.pyi",
    .interpreters = "python;python3;python2",
    .rules =
        {
            .lineComments = {{"#"}},
            .literals = {{.opener = "\"\"\"", .closer = "\"\"\"", .interpolation = "{",
                          .doubledOpenerIsText = true, .prefix = kPythonFormatted,
                          .formatSpec = ':'},
                         {.opener = "'''", .closer = "'''", .interpolation = "{",
                          .doubledOpenerIsText = true, .prefix = kPythonFormatted,
                          .formatSpec = ':'},
                         {"\"\"\"", "\"\"\""},
                         {"'''", "'''"},
                         {.opener = "\"", .closer = "\"", .endsAtLineEnd = true,
                          .interpolation = "{", .doubledOpenerIsText = true,
                          .prefix = kPythonFormatted, .formatSpec = ':'},
                         {.opener = "'", .closer = "'", .endsAtLineEnd = true,
                          .interpolation = "{", .doubledOpenerIsText = true,
                          .prefix = kPythonFormatted, .formatSpec = ':'},
                         {"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = {},
            .hooks = hook::docstrings,
        },
};

constexpr languageRow kPowerShell{
    .name = "PowerShell",
    .extensions = "*.ps1;*.psm1;*.psd1",
    .interpreters = "pwsh;powershell",
    .rules =
        {
            .lineComments = {{"#"}},
            .blockComments = {{"<#", "#>"}},
            // Here-strings close at a line's start.
            .literals = {{"@\"", "\n\"@", escapeRule::none, false, placement::anywhere, "$("},
                         {"@'", "\n'@", escapeRule::none},
                         {"\"", "\"", escapeRule::backtick, false, placement::anywhere, "$("},
                         {"'", "'", escapeRule::doubling}},
            .marks = ";{",
            .plainTokens = {"`\"", "`'", "`#"},
        },
};

// A string right after a word is a macro's (r"...", raw"..."): no
// interpolation there.
constexpr languageRow kJulia{
    .name = "Julia",
    .extensions = "*.jl",
    .interpreters = "julia",
    .rules =
        {
            .lineComments = {{"#"}},
            .blockComments = {{"#=", "=#", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"\"\"\"", "\"\"\""},
                         {"\"", "\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"\"", "\""},
                         {"```", "```", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"```", "```"},
                         {"`", "`", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"`", "`"},
                         {"'", "'", escapeRule::backslash, true, placement::operandStart}},
            .marks = {},
        },
};

constexpr languageRow kErlang{
    .name = "Erlang",
    .extensions = "*.erl;*.hrl;*.escript",
    .interpreters = "escript",
    .rules =
        {
            .lineComments = {{"%"}, {"#!", placement::column1}},
            .literals = {{"\"", "\""}, {"'", "'"}, {"$", ""}},
            .marks = {},
        },
};

constexpr languageRow kClojure{
    .name = "Clojure",
    .extensions = "*.clj;*.cljs;*.cljc;*.edn",
    .interpreters = "clojure;clj;bb",
    .rules =
        {
            .lineComments = {{";"}, {"#!"}},
            .literals = {{"\"", "\""}, {"\\", "", escapeRule::none}},
            .marks = {},
        },
};

constexpr languageRow kTcl{
    .name = "Tcl",
    .extensions = "*.tcl;*.tk;*.itcl;*.tm",
    .interpreters = "tclsh;wish",
    .rules =
        {
            // A command starts at a line's start or after ; { or [, blanks aside.
            .lineComments = {{"#", placement::afterSeparator}},
            .literals = {{"\"", "\"", escapeRule::backslash, false, placement::afterBlank, "["}},
            .marks = {},
            .lineSplices = true,
            .separators = ";{[",
        },
};

// An uppercase sigil's letter before a quote: ~S"..." does not interpolate.
constexpr std::string_view kCapitals = "A;B;C;D;E;F;G;H;I;J;K;L;M;N;O;P;Q;R;S;T;U;V;W;X;Y;Z";
constexpr literalRule elixirString(std::string_view quote, std::string_view prefix,
                                   std::string_view interpolation) {
  return {.opener = quote, .closer = quote, .interpolation = interpolation, .prefix = prefix};
}

// Heredocs close at three quotes anywhere: Elixir asks for them first on
// their line.
constexpr languageRow kElixir{
    .name = "Elixir",
    .extensions = "*.ex;*.exs",
    .interpreters = "elixir",
    .rules =
        {
            .lineComments = {{"#"}},
            .literals = {elixirString("\"\"\"", kCapitals, {}), elixirString("\"\"\"", {}, "#{"),
                         elixirString("'''", kCapitals, {}), elixirString("'''", {}, "#{"),
                         elixirString("\"", kCapitals, {}), elixirString("\"", {}, "#{"),
                         elixirString("'", kCapitals, {}), elixirString("'", {}, "#{"),
                         {"?", "", escapeRule::backslash, false, placement::tokenStart}},
            .marks = {},
            .hooks = hook::sigils,
        },
};

// Long brackets of any level: a comment after "--", else a string.
constexpr languageRow kLua{
    .name = "Lua",
    .extensions = "*.lua",
    .interpreters = "lua;luajit;texlua",
    .rules =
        {
            .lineComments = {{"--"}},
            .literals = {{"\"", "\"", escapeRule::backslash, true},
                         {"'", "'", escapeRule::backslash, true}},
            .marks = {},
            .delimited = {{.opener = "--[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]", .isComment = true},
                          {.opener = "[", .fill = '=', .openerEnd = "[", .closer = "]",
                           .closerEnd = "]"}},
        },
};

// A raw string: r or R, a quote, dashes, and a bracket; its closer repeats
// the dashes between the closing bracket and the quote.
constexpr delimitedRule rRaw(std::string_view quote, std::string_view open,
                             std::string_view close) {
  return {.prefix = "r;R", .opener = quote, .fill = '-', .openerEnd = open, .closer = close,
          .closerEnd = quote};
}

constexpr languageRow kR{
    .name = "R",
    .extensions = "*.R;*.r",
    .fileNames = ".Rprofile",
    .interpreters = "Rscript",
    .rules =
        {
            .lineComments = {{"#"}},
            .literals = {{"\"", "\""}, {"'", "'"}, {"`", "`"}},
            .marks = ";{",
            .delimited = {rRaw("\"", "(", ")"), rRaw("\"", "[", "]"), rRaw("\"", "{", "}"),
                          rRaw("'", "(", ")"), rRaw("'", "[", "]"), rRaw("'", "{", "}")},
        },
};

constexpr languageEntry kEntries[] = {
    entryOf<kCpp>(), entryOf<kDelphi>(), entryOf<kPhp>(), entryOf<kJava>(), entryOf<kGo>(),
    entryOf<kPython>(), entryOf<kPowerShell>(), entryOf<kJulia>(), entryOf<kErlang>(),
    entryOf<kClojure>(), entryOf<kTcl>(), entryOf<kElixir>(), entryOf<kLua>(), entryOf<kR>(),
};

}  // namespace

const std::span<const languageEntry> languageTable = kEntries;
const size_t languageCount = std::size(kEntries);

}  // namespace quillstat
