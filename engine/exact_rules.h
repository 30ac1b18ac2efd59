#ifndef QUILLSTAT_ENGINE_EXACT_RULES_H_
#define QUILLSTAT_ENGINE_EXACT_RULES_H_

// A language's exact rules as data: what opens and closes its comments and
// literals, where, and what a literal's escapes are. One streaming machine
// (exact_scanner.h) is compiled for each row, and one referee
// (exact_reference.h) reads the same row byte by byte. What no table can
// say is a hook: a named construct, written once for the machine and once
// for the referee, that a row switches on.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillstat {

// Where a token may open.
enum class placement : uint8_t {
  anywhere,
  lineStart,   // with only blanks before it on its line: C's "#"
  column1,     // as the first byte of its line: Perl's "=pod", Fortran's "C"
  wordStart,   // at a line's start or after a blank or one of ; & | ( ) < >: a shell's "#"
  tokenStart,  // not right after a letter, digit, '_' or byte from 0x80: Rust's b"
  afterBlank,  // at a line's start or right after a blank: YAML's "#"
  afterSeparator,  // at a line's start, or where the last byte before it on its line,
                   // blanks aside, is one of the row's `separators`: Batch's "REM" after "&"
};

struct lineCommentRule {
  std::string_view opener;
  placement where = placement::anywhere;
  char notBefore = 0;  // the opener followed by this byte opens no comment: PHP's "#["
  // A keyword: matched in any ASCII case, and only where no letter, digit or
  // '_' follows it: Batch's "REM", which "rem" and "Rem" open and "REMARK" does not.
  bool keyword = false;
};

struct blockCommentRule {
  std::string_view opener;
  std::string_view closer;
  bool nests = false;  // an opener inside the comment opens a deeper one
  placement where = placement::anywhere;
  // The row's literals open inside the comment as in code, and hide its
  // closer and openers; their text is comment text: OCaml's (* "*)" *).
  bool literalsInside = false;
};

// How a literal holds its own closer.
enum class escapeRule : uint8_t {
  none,
  backslash,  // a backslash takes the next byte as it is: "a\"b"
  doubling,   // the closer twice stands for itself: 'it''s'
};

struct literalRule {
  std::string_view opener;
  std::string_view closer;
  escapeRule escape = escapeRule::backslash;
  bool endsAtLineEnd = false;  // an unclosed literal ends before its line's end, as
                               // compilers do with a missing quote; else it spans lines
  placement where = placement::anywhere;
  // Code inside the literal: from this opener ("${", "#{", "\\(") to the
  // bracket that closes its last byte, with brackets of that kind nesting
  // and strings, comments and further literals inside, as in code.
  std::string_view interpolation = {};
  bool doubledOpenerIsText = false;  // "{{" is a brace of the text: C#'s $"", Python's f""
};

// Code only between an opener and the closer, as PHP's "<?" and "?>": what
// stands outside, the tags included, counts nowhere, but its lines are code
// lines. The closer also ends a line comment.
struct regionRule {
  std::string_view opener;
  std::string_view closer;
};

// The constructs no table can say, each written once for every row that
// names it, for the machine in exact_hooks/ and for the referee in
// exact_hooks/*_reference.cpp.
enum hook : uint32_t {
  cDirectives = 1u << 0,      // "#" at a line's start: in "#include <...>" the header
                              // name is a literal, the rest of the line is code
  rawStrings = 1u << 1,       // C++'s R"delim(...)delim" after R, LR, uR, UR or u8R
  digitSeparators = 1u << 2,  // an apostrophe after a number is code: 1'000'000
  phpHeredocs = 1u << 3,      // <<<ID, <<<"ID" and <<<'ID', closed by the label at a
                              // line's start, after blanks, with no label byte after it
  charLiterals = 1u << 16,    // a quote at a token's start opens a character literal
                              // only where one closes at once ('c', '\n', '\x41', an
                              // UTF-8 character); else it is code: a Haskell prime x',
                              // an OCaml type variable 'a
  operatorDashes = 1u << 17,  // "--" next to a symbol byte, before it or after its run
                              // of dashes, is part of an operator: Haskell's --> and |--
  blockScalars = 1u << 18,    // YAML's "|" and ">" at a value's start: the lines after
                              // it that are more indented than its own are a literal
  recipeLines = 1u << 19,     // a line that starts with a tab is a shell command (make's
                              // recipes): "#" opens a comment at a word's start, outside
                              // quotes
  unquotedUrls = 1u << 20,    // CSS's url( followed by no quote: a literal up to ")"
};

// The tokens at which a hook may take over in code, tried before the row's
// own tokens of the same length; the hook may decline, and then the row's
// tokens are tried.
struct hookToken {
  hook which;
  std::string_view text;
  placement where = placement::anywhere;
};
inline constexpr hookToken kHookTokens[] = {
    {hook::cDirectives, "#", placement::lineStart},
    {hook::rawStrings, "\"", placement::anywhere},
    {hook::digitSeparators, "'", placement::anywhere},
    {hook::phpHeredocs, "<<<", placement::anywhere},
    {hook::charLiterals, "'", placement::tokenStart},
    {hook::operatorDashes, "--", placement::anywhere},
    {hook::blockScalars, "|", placement::afterSeparator},
    {hook::blockScalars, ">", placement::afterSeparator},
    {hook::recipeLines, "\t", placement::column1},
    {hook::unquotedUrls, "(", placement::anywhere},
};

// How far past a token's first byte a match may look: the longest token
// with the line splices inside it that a row may follow. A token split by
// more splices than fit is not recognised; memory stays bounded whatever the
// input.
inline constexpr size_t kMaxLookahead = 64;

// The capacities of a row; a row fills what it needs, the rest stays empty.
inline constexpr int kMaxLineComments = 4;
inline constexpr int kMaxBlockComments = 3;
inline constexpr int kMaxLiterals = 10;
inline constexpr int kMaxPlainTokens = 4;

struct exactRules {
  lineCommentRule lineComments[kMaxLineComments] = {};
  blockCommentRule blockComments[kMaxBlockComments] = {};
  literalRule literals[kMaxLiterals] = {};
  std::string_view marks = {};  // the statement marks; with none, a file's marks are its
                                // code lines
  // Sequences that are plain code wherever they stand in code, so that what
  // follows their first byte opens nothing: a shell's "$#", make's "\\#".
  std::string_view plainTokens[kMaxPlainTokens] = {};
  regionRule region = {};    // with no opener, the whole content is code
  bool lineSplices = false;  // a backslash before a line end joins the two lines, within
                             // tokens too: "/\" and "/" on the next line open a comment
  uint32_t hooks = 0;
  std::string_view separators = {};  // see placement::afterSeparator

  constexpr bool has(hook h) const { return (hooks & h) != 0; }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_RULES_H_
