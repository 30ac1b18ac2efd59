#include "analysis/language_rows.h"

#include "analysis/rule_fragments.h"

namespace quillstat {

// The rows of the Lisps, the ML family, Elm, Prolog, Cython, Awk and
// Smalltalk.

namespace {

constexpr lineCommentRule kSemicolonComment{";"};
// "#| ... |#", nesting, as the Lisps' readers have it.
constexpr blockCommentRule kNestedBarComment{"#|", "|#", true};
// A character #\c takes the byte after the backslash, whatever it is: #\; #\" #\\.
constexpr literalRule kHashBackslashCharacter{"#\\", "", escapeRule::none};
// A symbol |...| holds any byte, a backslash escaping the next: |a;b|.
constexpr literalRule kBarSymbol{"|", "|"};
// A datum comment "#;" is code, and so is the datum after it: its ";" opens no comment.
constexpr std::string_view kDatumComment = "#;";
// A backslash in a symbol takes the next byte as a constituent: a\;b is one symbol.
constexpr literalRule kBackslashEscape{"\\", "", escapeRule::none};

// ?c is a character, ?\c too, so ?" ?; ?\" and ?\( open nothing; in a name
// (empty?) the ? is the name's.
constexpr languageRow kEmacsLisp{
    .name = "Emacs Lisp",
    .extensions = "*.el",
    .fileNames = ".emacs;_emacs",
    .interpreters = "emacs",
    .rules =
        {
            .lineComments = {kSemicolonComment, kShebangComment},
            .literals = {kDoubleQuotes,
                         {"?", "", escapeRule::backslash, false, placement::tokenStart}},
            .marks = {},
        },
};

// #+ and #- are feature expressions: code.
constexpr languageRow kCommonLisp{
    .name = "Common Lisp",
    .extensions = "*.lisp;*.lsp;*.asd",
    .interpreters = "sbcl;clisp;ecl",
    .rules =
        {
            .lineComments = {kSemicolonComment, kShebangComment},
            .blockComments = {kNestedBarComment},
            .literals = {kDoubleQuotes, kHashBackslashCharacter, kBarSymbol, kBackslashEscape},
            .marks = {},
        },
};

// A datum comment #; leaves the datum after it code, as commented-out code
// stays code elsewhere (C's #if 0, Clojure's #_).
constexpr languageRow kScheme{
    .name = "Scheme",
    .extensions = "*.scm;*.ss;*.sld;*.sls",
    .interpreters = "guile;csi;chez;scheme",
    .rules =
        {
            .lineComments = {kSemicolonComment, kShebangComment},
            .blockComments = {kNestedBarComment},
            .literals = {kDoubleQuotes, kHashBackslashCharacter, kBarSymbol},
            .marks = {},
            .plainTokens = {kDatumComment},
        },
};

// As Scheme, and "#!/" or "#! " opens a line comment anywhere, as Racket's
// reader has it; #lang lines are code.
constexpr languageRow kRacket{
    .name = "Racket",
    .extensions = "*.rkt;*.rktl;*.rktd",
    .interpreters = "racket",
    .rules =
        {
            .lineComments = {kSemicolonComment, {"#!/"}, {"#! "}},
            .blockComments = {kNestedBarComment},
            .literals = {kDoubleQuotes, kHashBackslashCharacter, kBarSymbol, kBackslashEscape},
            .marks = {},
            .plainTokens = {kDatumComment},
        },
};

// An interpolated string's {expr} is code; {{ is a brace of its text.
constexpr literalRule fsharpInterpolated(std::string_view opener, std::string_view closer,
                                         escapeRule escape) {
  return {.opener = opener, .closer = closer, .escape = escape, .interpolation = "{",
          .doubledOpenerIsText = true};
}

// Comments nest, and strings count inside them, as in OCaml: (* "*)" *) is
// one comment. (*) is the multiplication operator, not a comment. A quote
// opens a character only before one character or an escape and a quote:
// 'a and 'T are type parameters. Doc comments are the XML ones "///" (not
// "////") and literate scripts' "(**" (not a "(***" command nor "(**)").
constexpr languageRow kFsharp{
    .name = "F#",
    .extensions = "*.fs;*.fsi;*.fsx",
    .rules =
        {
            .lineComments = {kSlashDocComment, kShebangComment},
            .blockComments = {{"(*", "*)", true, placement::anywhere, "\"", kMlStarDoc}},
            .literals = {fsharpInterpolated("$\"\"\"", "\"\"\"", escapeRule::none),
                         {"\"\"\"", "\"\"\"", escapeRule::none},
                         fsharpInterpolated("$@\"", "\"", escapeRule::doubling),
                         fsharpInterpolated("@$\"", "\"", escapeRule::doubling),
                         fsharpInterpolated("$\"", "\"", escapeRule::backslash),
                         {"@\"", "\"", escapeRule::doubling},
                         kDoubleQuotes, kCSingleQuotes},
            .marks = {},
            .plainTokens = {"(*)"},
            .hooks = hook::characterLiterals,
        },
};

// Names hold no quote: a quote is always a character. "{-|" opens a doc
// comment.
constexpr languageRow kElm{
    .name = "Elm",
    .extensions = "*.elm",
    .rules =
        {
            .lineComments = {kDashDashComment},
            .blockComments = {{.opener = "{-", .closer = "-}", .nests = true, .doc = {"|"}}},
            .literals = {{"\"\"\"", "\"\"\""}, kCDoubleQuotes, kCSingleQuotes},
            .marks = {},
        },
};

// Comments nest and hold no strings; 'a is a type variable and #"c" a
// character, a string after "#". Doc comments are "(**", as OCaml's.
constexpr languageRow kStandardMl{
    .name = "Standard ML",
    .extensions = "*.sml;*.sig;*.fun",
    .rules =
        {
            .blockComments = {{.opener = "(*", .closer = "*)", .nests = true, .doc = kMlStarDoc}},
            .literals = {kCDoubleQuotes},
            .marks = {},
        },
};

// 0'c is a character code: 0'a, 0'' and 0'\n open nothing. PlDoc's doc
// comments are "%!" and "/**"; it still takes "%%" before a predicate's
// head, but so many plain comments start so that no marker tells them apart.
constexpr languageRow kProlog{
    .name = "Prolog",
    .extensions = "*.prolog",
    .interpreters = "swipl;gprolog",
    .rules =
        {
            .lineComments = {{.opener = "%", .doc = {"!"}}, kShebangComment},
            .blockComments = {kDocSlashStarComment},
            .literals = {{"0'", "", escapeRule::backslash, false, placement::tokenStart},
                         kSingleQuotes, kDoubleQuotes, {"`", "`"}},
            .marks = {},
        },
};

// f-strings: their prefixes, in either order and any case (Cython has no t-strings).
constexpr std::string_view kCythonFormatted =
    "f;F;fr;fR;Fr;FR;rf;rF;Rf;RF";

// Python's rules: its strings, f-strings and docstrings.
constexpr languageRow kCython{
    .name = "Cython",
    .extensions = "*.pyx;*.pxd;*.pxi",
    .rules = pythonRules(kCythonFormatted),
};

// "/" opens a regular expression where an operand is expected, and first on
// its line, where a new statement or pattern starts; after an operand it
// divides.
constexpr languageRow kAwk{
    .name = "Awk",
    .extensions = "*.awk",
    .interpreters = "awk;gawk;mawk;nawk",
    .rules =
        {
            .lineComments = {kHashComment},
            .literals = {kCDoubleQuotes},
            .marks = {},
            .hooks = hook::regexLiterals,
            .regex = {.keywords = "print printf return case in", .classes = true,
                      .atLineStart = true},
        },
};

// Comments are "...", strings '...' with '' for a quote; $c is a character,
// so $' and $" open nothing. In the chunk format a class comment is the
// chunk after "commentStamp!", plain text up to the next "!": a comment,
// its marker with it, where an apostrophe opens nothing.
constexpr languageRow kSmalltalk{
    .name = "Smalltalk",
    .extensions = "*.st",
    .interpreters = "gst",
    .rules =
        {
            .blockComments = {{"\"", "\""}, {"commentStamp!", "!"}},
            .literals = {{"'", "'", escapeRule::doubling}, {"$", "", escapeRule::none}},
            .marks = {},
        },
};

// Each row at its place in the table; a new language takes the place after
// the last of all families (language_rows.h).
constinit const placedEntry kPlaced[] = {
    {71, entryOf<kEmacsLisp>()},  {72, entryOf<kCommonLisp>()}, {73, entryOf<kScheme>()},
    {74, entryOf<kRacket>()},     {75, entryOf<kFsharp>()},     {76, entryOf<kElm>()},
    {77, entryOf<kStandardMl>()}, {78, entryOf<kProlog>()},     {79, entryOf<kCython>()},
    {80, entryOf<kAwk>()},        {81, entryOf<kSmalltalk>()},
};

}  // namespace

constinit const std::span<const placedEntry> functionalEntries = kPlaced;

}  // namespace quillstat
