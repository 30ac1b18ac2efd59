#ifndef QUILLSTAT_ENGINE_EXACT_RULES_H_
#define QUILLSTAT_ENGINE_EXACT_RULES_H_

// A language's exact rules as data: what opens and closes its comments and
// literals, where, and what a literal's escapes are. One streaming machine
// (exact_scanner.h) is compiled for each row, and one referee
// (exact_referee.h) reads the same row byte by byte. What no table can
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
  operandStart,  // not right after a letter, digit, '_', byte from 0x80, ) ] } or ':
                 // Julia's 'c' versus the transpose a'
};

// What makes a comment a doc comment: one of `markers` standing right after
// its opener, where none of `notMarkers` stands there; both are
// ';'-separated, and a marker's bytes are compared as they stand (a line
// splice between opener and marker leaves a plain comment). "/;!" with "//"
// makes "///" and "//!" doc comments and "////" a plain one; `always`: every
// comment of the rule is one. Empty: the rule's comments are plain. A doc
// comment stays a comment in every other figure.
struct docRule {
  std::string_view markers = {};
  std::string_view notMarkers = {};
  bool always = false;
};

struct lineCommentRule {
  std::string_view opener;
  placement where = placement::anywhere;
  char notBefore = 0;  // the opener followed by this byte opens no comment: PHP's "#["
  // A keyword: matched in any ASCII case, and only where no letter, digit or
  // '_' follows it: Batch's "REM", which "rem" and "Rem" open and "REMARK" does not.
  bool keyword = false;
  std::string_view notAfter = {};  // right after one of these bytes the opener opens no
                                   // comment: Perl's "$#", Ruby's "?#"
  docRule doc = {};
};

struct blockCommentRule {
  std::string_view opener;
  std::string_view closer;
  bool nests = false;  // an opener inside the comment opens a deeper one
  placement where = placement::anywhere;
  // The row's literals of a one-byte opener that is one of these open inside
  // the comment as in code, and hide its closer and openers; their text is
  // comment text: "\"" makes OCaml's (* "*)" *) one comment.
  std::string_view literalsInside = {};
  docRule doc = {};
};

// How a literal holds its own closer.
enum class escapeRule : uint8_t {
  none,
  backslash,  // a backslash takes the next byte as it is: "a\"b"
  doubling,   // the closer twice stands for itself: 'it''s'
  backtick,   // a backtick takes the next byte as it is: "a`"b"
};

struct literalRule {
  std::string_view opener;
  // Empty for a character literal: the opener takes the next byte, or with
  // a backslash escape the next two, as a literal: Erlang's $%.
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
  // Words, ';'-separated, of which one must stand just before the opener, as
  // the whole run of identifier bytes there (exact_hook_rules.h): "r" opens
  // Dart's r'...' but not x'...'; "*" is any word that starts with a letter or
  // '_'. The word stays code. Rules of one opener are tried in the row's
  // order: the prefixed one goes first.
  std::string_view prefix = {};
  std::string_view notAfter = {};  // right after one of these bytes the opener is code:
                                   // Perl's and Ruby's $", Ruby's ?"
  // In an interpolation, this byte with no bracket of the interpolation's
  // kind open ends the code: what follows is the literal's text again, a
  // format part, where interpolations may open: Python's f"{x:#x}".
  char formatStart = 0;
  // The closer followed by one of these bytes is text, that byte with it, and
  // after a backslash among them the byte after it too: Nix's '''  ''$  ''\n.
  std::string_view closerEscapes = {};

  bool startsFormat(unsigned char c) const {
    return formatStart != 0 && c == static_cast<unsigned char>(formatStart);
  }
};

// What stands between a delimited literal's opener and its text (below), when
// it is a word rather than a repeated byte.
enum class tagRule : uint8_t {
  none,        // the rule's fill byte, repeated
  identifier,  // letters, digits, '_' and bytes from 0x80 up, not first a digit: $tag$
  lowercase,   // 'a' to 'z' and '_': OCaml's {id|...|id}
};

// A literal, or a comment, whose opener holds a count or a tag that its
// closer must repeat:
//   opener, the fill n times (n >= minFill), openerEnd ... closer, the fill n times, closerEnd
// with the same n (Rust's r##"..."##, Lua's [==[...]==], C#'s """..."""), or a tag
// in place of the fill and the same tag in the closer (PostgreSQL's $tag$...$tag$).
// Its text knows no escapes and spans lines. A fill or tag longer than
// kMaxDelimiter opens nothing: the opener's bytes are read by the other rules.
struct delimitedRule {
  std::string_view prefix = {};  // as a literal's: "r;br" opens r"..." but not xr"..."
  std::string_view opener = {};  // may be empty: the opener starts with its fill
  char fill = 0;
  int minFill = 0;
  tagRule tag = tagRule::none;  // a tag in place of the fill
  std::string_view openerEnd = {};
  std::string_view closer = {};
  std::string_view closerEnd = {};
  bool isComment = false;  // a comment, opener and closer included, not a literal
  placement where = placement::anywhere;
};

// Code only between an opener and the closer, as PHP's "<?" and "?>": what
// stands outside, the tags included, counts nowhere, but its lines are code
// lines. The closer also ends a line comment.
struct regionRule {
  std::string_view opener;
  std::string_view closer;
};

// The constructs no table can say, each written once for every row that
// names it, for the machine and for the referee (exact_hooks/). A row's
// `hooks` or-s their bits; exact_hooks.h lists them.
enum hook : uint32_t;

// A token at which a hook may take over in code, tried before the row's
// own tokens of the same length; the hook may decline, and then the row's
// tokens are tried. Each hook lists its own (exact_hooks.h).
struct hookToken {
  std::string_view text;
  placement where = placement::anywhere;
  // For a token that starts a word (tokenStart): the longest word the hook
  // takes there, so that longer words need not stop the scan; 0 for any.
  int wordUpTo = 0;
  // For a one-byte token: the bytes after which the hook may take more than
  // the token's byte as plain code; the scan passes over the token before
  // any other byte. Empty: any byte.
  std::string_view follows = {};
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
inline constexpr int kMaxPlainTokens = 8;
inline constexpr int kMaxDelimited = 6;
// The longest fill or tag of a delimited literal: memory stays bounded, and
// its opener and closer within kMaxLookahead besides. CMake's documentation
// blocks are #[==...==[ with 71 "=".
inline constexpr int kMaxDelimiter = 128;

// Regular-expression literals (hook::regexLiterals). "/" opens one where the
// previous significant token, comments skipped, is no operand: the content's
// start, an operator, an opening bracket, a comma or semicolon, or one of
// `keywords`; after a name, a number, a closing bracket or a literal it is
// division. The body holds backslash escapes; the flags after it are code.
struct regexRule {
  std::string_view keywords;     // words after which an operand is expected, ' '-separated
  bool spansLines = false;       // else an unclosed regex ends before its line's end
  bool classes = false;          // "/" inside [...] does not close it (JavaScript)
  bool spacedArgument = false;   // after a name, "/" or "%" with a blank before and none
                                 // after opens a literal: Ruby's `puts /x/`, `p %w[a]`
  bool atLineStart = false;      // "/" or "%" first on its line opens one: a line end
                                 // ends the statement (Ruby)
};

// Heredocs whose body starts on the line after "<<LABEL" (hook::lineHeredocs):
// "<<", an optional indent mark, the label (bare, quoted with ', " or `, or
// after a backslash), then the rest of the line is code; the body is a
// literal closed by the label alone on a line. Several may open on one line;
// their bodies follow in order.
struct heredocRule {
  std::string_view indentMarks;    // after "<<": the closing label may be indented ("-~")
  bool tabsOnly = false;           // by tabs only (a shell's "<<-")
  bool blanksBeforeLabel = false;  // blanks may stand between "<<" and the label ("<< EOF")
  bool notAfterWord = false;       // "<<" right after a name byte is a shift ("a<<b")
};

// Quote-like operators (hook::quoteOperators): a word of the lists, not after
// a name byte, a sigil, "->" or "-", then any delimiter but a name byte, a
// blank or a closing bracket, after blanks too (where "#" opens a comment and
// "=>" quotes the word); brackets nest, a backslash escapes, and the flags
// after the last body are code.
struct quoteOperatorRule {
  std::string_view oneBody;    // words followed by one delimited body: "q qq qw m"
  std::string_view twoBodies;  // by two: "s tr y", as s/a/b/ or s{a} {b}
};

// Whole-line comments and a data section (hook::docBlocks). A line that starts
// with `opener` (a whole word: "=begin"; "=" alone takes any "=word") opens a
// comment that runs to the end of the first later line starting with `closer`,
// or to the content's end. A line that is one of `dataMarkers` ends the code:
// the rest is a literal, where doc blocks still open with `docsInData`.
struct docBlockRule {
  std::string_view opener;
  std::string_view closer;
  std::string_view dataMarkers;  // ' '-separated: "__END__ __DATA__"
  bool docsInData = false;
  bool isDoc = false;  // its blocks are doc comments: Perl's POD
};

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
  uint32_t hooks = 0;  // the bits of the hooks it switches on (exact_hooks.h)
  delimitedRule delimited[kMaxDelimited] = {};
  std::string_view separators = {};  // see placement::afterSeparator
  // What the hooks of the row read.
  regexRule regex = {};
  heredocRule heredoc = {};
  quoteOperatorRule quoteOperators = {};
  std::string_view percentLetters = {};  // the letters that may follow "%": "qQwW"
  docBlockRule docBlock = {};

  constexpr bool has(hook h) const { return (hooks & h) != 0; }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_RULES_H_
