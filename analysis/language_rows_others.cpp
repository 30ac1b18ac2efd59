#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"
#include "engine/delphi_scan.h"

namespace quillstat {

// The rows of Pascal, Basic, Fortran, SQL, the functional languages and
// the other dynamic ones.

namespace {

constexpr languageRow kDelphi{
    .name = "Delphi",
    .extensions = "*.pas;*.dpr;*.pp;*.lpr;*.dpk",
    .rules =
        {
            .lineComments = {kSlashDocComment},
            .blockComments = {{"{", "}"}, {"(*", "*)"}},
            // Compiler directives are code, not comments.
            .literals = {kPascalSingleQuotes,
                         {"{$", "}", escapeRule::none},
                         {"(*$", "*)", escapeRule::none}},
            .marks = ";",
        },
    .classic = scannerOf<delphiScanner>(),
    .namedMasks = "*.dpr;*.pas",
};

constexpr languageRow kVisualBasic{
    .name = "Visual Basic",
    .extensions = "*.vb;*.vbs;*.bas",
    .rules =
        {
            .lineComments = {{.opener = "'", .doc = {"''", "'''"}}, {"REM", placement::tokenStart, 0, true}},
            .literals = {kBasicDoubleQuotes},
        },
};

// Doxygen's and FORD's "!>" and "!!" doc comments, but not a "!!!" banner.
constexpr docRule kFortranDoc{">;!", "!!"};

// Two rows of one name: the fixed form, whose "C", "c", "*" or "!" in the
// first column makes the line a comment, and the free form; the first
// serves "-l Fortran".
constexpr languageRow kFortranFixed{
    .name = "Fortran",
    .extensions = "*.f;*.for;*.f77;*.ftn",
    .rules =
        {
            .lineComments = {{"C", placement::column1},
                             {"c", placement::column1},
                             {"*", placement::column1},
                             {.opener = "!", .doc = kFortranDoc}},
            .literals = {kPascalSingleQuotes, kBasicDoubleQuotes},
        },
};

constexpr languageRow kFortranFree{
    .name = "Fortran",
    .extensions = "*.f90;*.f95;*.f03;*.f08",
    .rules =
        {
            .lineComments = {{.opener = "!", .doc = kFortranDoc}},
            .literals = {kPascalSingleQuotes, kBasicDoubleQuotes},
        },
};

// Pragmas {-# ... #-} are directives: code. A quote after a name byte is
// a prime (x'), and before anything but one character and a quote, code
// ('Name, ''Type).
constexpr languageRow kHaskell{
    .name = "Haskell",
    .extensions = "*.hs",
    .rules =
        {
            .lineComments = {{.opener = "--", .doc = {" |; ^"}}},
            .blockComments = {{.opener = "{-", .closer = "-}", .nests = true, .doc = {"|"}}},
            .literals = {{"{-#", "#-}", escapeRule::none},
                         kCDoubleQuotes, kCSingleQuotes},
            .hooks = hook::characterLiterals | hook::operatorDashes,
        },
};

// Comments nest, and strings count inside them: (* "*)" *) is one comment
// (a character '"' inside one is read as a string's quote). A quote opens a
// character only before one character or an escape and a quote: 'a is a
// type variable. {id|...|id} is a quoted string.
constexpr languageRow kOcaml{
    .name = "OCaml",
    .extensions = "*.ml;*.mli",
    .rules =
        {
            .blockComments = {{"(*", "*)", true, placement::anywhere, "\"", kMlStarDoc}},
            .literals = {kDoubleQuotes, kCSingleQuotes},
            .hooks = hook::characterLiterals,
            .delimited = {{.opener = "{", .tag = tagRule::lowercase, .openerEnd = "|",
                           .closer = "|", .closerEnd = "}"}},
        },
};

// Block comments nest, as in standard SQL and PostgreSQL. E'...' knows
// backslash escapes. What dollar quotes hold ($$...$$, $tag$...$tag$) is
// read as the SQL it nearly always is, a function's body: its comments are
// comments, its ";" marks.
constexpr languageRow kSql{
    .name = "SQL",
    .extensions = "*.sql",
    .rules =
        {
            .lineComments = {kDashDashComment},
            .blockComments = {kNestedSlashStarComment},
            .literals = {{.opener = "'", .closer = "'", .prefix = "E;e"},
                         {"'", "'", escapeRule::doubling},
                         {"\"", "\"", escapeRule::doubling}},
            .marks = ";",
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
            .lineComments = {kHashComment},
            .blockComments = {{"#=", "=#", true}},
            .literals = {{"\"\"\"", "\"\"\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         {"\"\"\"", "\"\"\""},
                         {"\"", "\"", escapeRule::backslash, false,
                          placement::tokenStart, "$("},
                         kDoubleQuotes,
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
            .lineComments = {{"%"}, kShebangComment},
            .literals = {kDoubleQuotes, kSingleQuotes, {"$", ""}},
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
            .literals = {kDoubleQuotes, {"\\", "", escapeRule::none}},
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
            .lineComments = {kHashComment},
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
            .lineComments = {{.opener = "--", .doc = {"-", "--"}}},
            .literals = {kCDoubleQuotes, kCSingleQuotes},
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
            .lineComments = {{.opener = "#", .doc = {"'"}}},
            // A user operator, %in% or %#%, ends at its line's end when unclosed.
            .literals = {kDoubleQuotes, kSingleQuotes, {"`", "`"},
                         {"%", "%", escapeRule::none, true}},
            .marks = ";{",
            .delimited = {rRaw("\"", "(", ")"), rRaw("\"", "[", "]"), rRaw("\"", "{", "}"),
                          rRaw("'", "(", ")"), rRaw("'", "[", "]"), rRaw("'", "{", "}")},
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {1, entryOf<kDelphi>()},
    {24, entryOf<kVisualBasic>()},
    {25, entryOf<kFortranFixed>()},
    {26, entryOf<kFortranFree>()},
    {27, entryOf<kHaskell>()},
    {28, entryOf<kOcaml>()},
    {29, entryOf<kSql>()},
    {39, entryOf<kJulia>()},
    {40, entryOf<kErlang>()},
    {41, entryOf<kClojure>()},
    {42, entryOf<kTcl>()},
    {43, entryOf<kElixir>()},
    {44, entryOf<kLua>()},
    {45, entryOf<kR>()},
};

}  // namespace

constinit const std::span<const placedEntry> otherEntries = kPlaced;

}  // namespace quillstat
