#ifndef QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_

// The byte classes and limits of the hooks (see exact_rules.h): the rules
// of the languages themselves, which the machine and its referee share.
// Neither side's logic is here.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/byte_classes.h"
#include "engine/exact_rules.h"
#include "engine/word_detectors.h"

namespace quillstat {

// The directive whose header name is a literal, and what may follow its
// name before the "<" ("include_next").
inline constexpr char kIncludeName[] = "include";
inline constexpr int kIncludeLength = 7;
inline bool staysInIncludeLine(unsigned char c) {
  return isBlankByte(c) || isAsciiLetter(c) || isDigit(c) || c == '_';
}

// Bytes that can make up a C identifier or number (a pp-number with its
// digit separators and decimal point); bytes from 0x80 up are letters of
// identifiers written in UTF-8.
inline bool isTokenByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c == '$' || c == '.' || c == '\'' ||
         c >= 0x80;
}

// The run of token bytes that ends just before a quote met in code: its
// length, its first four bytes (fewer when it is shorter), and whether it
// stands first on its line.
struct tokenRun {
  int64_t length = 0;
  unsigned char head[4] = {0, 0, 0, 0};
  bool startsLine = true;  // only blanks stand before it on its line (before p, when empty)
};

// An apostrophe after a number is a digit separator (1'000'000), after
// anything else it opens a character literal (u8'a', x = 'a').
inline bool isNumberRun(const tokenRun& run) {
  return run.length > 0 &&
         (isDigit(run.head[0]) || (run.head[0] == '.' && run.length > 1 && isDigit(run.head[1])));
}

// A double quote after exactly R, LR, uR, UR or u8R opens a raw string.
inline bool isRawPrefix(const tokenRun& run) {
  const unsigned char* h = run.head;
  switch (run.length) {
    case 1: return h[0] == 'R';
    case 2: return (h[0] == 'L' || h[0] == 'u' || h[0] == 'U') && h[1] == 'R';
    case 3: return h[0] == 'u' && h[1] == '8' && h[2] == 'R';
    default: return false;
  }
}

// The longest raw-string delimiter the language allows. With a longer one,
// or a byte that may not stand in one, the literal is taken as an ordinary
// string from its quote on.
inline constexpr int kMaxRawDelimiter = 16;
inline bool isBadRawDelimiterByte(unsigned char c) {
  return c == ')' || c == '\\' || c == ' ' || c < 0x20 || c == 0x7F;
}

// A heredoc label longer than this is taken for no heredoc at all: memory
// stays bounded whatever the input, and no real label comes near it.
inline constexpr size_t kMaxHeredocLabel = 256;

// The bytes of a heredoc label: ASCII letters, digits, "_" and every
// byte from 0x80 up; a label does not start with a digit.
inline bool isLabelByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c >= 0x80;
}
inline bool startsLabel(unsigned char c) { return isLabelByte(c) && !isDigit(c); }

// The heredocs that may wait for their bodies at once (heredocRule); "<<"
// past them is a shift, plain code.
inline constexpr int kMaxPendingHeredocs = 8;

// The quotes around a heredoc's label ("<<'EOF'").
inline bool isHeredocQuote(unsigned char c) { return c == '\'' || c == '"' || c == '`'; }

// What may indent a heredoc's closing label: tabs, or with `tabsOnly` unset
// blanks.
inline bool indentsLabel(unsigned char c, bool tabsOnly) {
  return c == '\t' || (!tabsOnly && c == ' ');
}

// What may stand between "<<<" and the label, and indent a closing label.
inline bool isPhpBlank(unsigned char c) { return c == ' ' || c == '\t'; }

// The bytes of a character written in UTF-8 that starts with `lead`; a byte
// that cannot start one is a character alone.
inline int characterLength(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}
inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The bytes of a delimited literal's tag (exact_rules.h), `first` for its
// first byte.
inline bool isTagByte(tagRule tag, unsigned char c, bool first) {
  switch (tag) {
    case tagRule::none: return false;
    case tagRule::identifier: return isAsciiLetter(c) || c == '_' || c >= 0x80 || (!first && isDigit(c));
    case tagRule::lowercase: return (c >= 'a' && c <= 'z') || c == '_';
  }
  return false;
}

// The prefix a docstring may carry: raw and unicode strings are strings,
// bytes and f-strings are not.
inline bool isDocstringPrefix(unsigned char c) { return c == 'r' || c == 'R' || c == 'u' || c == 'U'; }

// The byte that ends a block's header when only blanks, and maybe a comment
// from kHeaderComment, follow it on its line: a docstring may follow it.
inline constexpr unsigned char kBlockHeaderEnd = ':';
inline constexpr unsigned char kHeaderComment = '#';

// A sigil's letters: one lowercase letter, or capitals, at most
// kMaxSigilLetters of them; its delimiters, and the byte that closes each
// (0 for a byte that opens no sigil). Quotes are the row's own strings.
inline constexpr int kMaxSigilLetters = 8;
inline bool isLowerSigilLetter(unsigned char c) { return c >= 'a' && c <= 'z'; }
inline bool isUpperSigilLetter(unsigned char c) { return c >= 'A' && c <= 'Z'; }
inline unsigned char sigilCloser(unsigned char opener) {
  switch (opener) {
    case '/': case '|': return opener;
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    case '<': return '>';
    default: return 0;
  }
}

// The symbol bytes of Haskell's operators, which "--" next to them joins.
inline bool isOperatorSymbol(unsigned char c) {
  switch (c) {
    case '!': case '#': case '$': case '%': case '&': case '*': case '+': case '.': case '/':
    case '<': case '=': case '>': case '?': case '@': case '\\': case '^': case '|': case '-':
    case '~': case ':':
      return true;
    default:
      return false;
  }
}

// What may follow YAML's "|" or ">" before blanks: chomping and indentation
// indicators ("|-", ">+", "|2").
inline bool isBlockScalarIndicator(unsigned char c) { return c == '-' || c == '+' || isDigit(c); }

// The name before "(" that makes a CSS url, in any case.
inline bool isUrlName(const tokenRun& run) {
  const unsigned char* h = run.head;
  return run.length == 3 && (h[0] | 0x20) == 'u' && (h[1] | 0x20) == 'r' && (h[2] | 0x20) == 'l';
}

// What may stand before a recipe's command, blanks aside, and let a "#"
// right after it open a comment ("@# note"): make's prefixes.
inline bool isRecipePrefix(unsigned char c) { return c == '@' || c == '-' || c == '+'; }
// Blanks and line ends: what the regex rule skips between tokens.
inline bool isSpaceByte(unsigned char c) { return isBlankByte(c) || isLineEnd(c); }

// --- Quote-like literals (quoteOperatorRule, percentLetters) ---------------

// What may open a quote-like literal's body: no name byte or blank, and no
// closing bracket ($h{s} is a hash key). Callers rule out "#" after blanks
// and "=>".
inline bool isQuoteDelimiter(unsigned char c) {
  return !isLabelByte(c) && !isSpaceByte(c) && c != ')' && c != ']' && c != '}' && c != '>';
}

// The delimiter that closes a body opened by c: a bracket's mate, which lets
// the brackets nest, or c itself.
inline unsigned char closingDelimiterOf(unsigned char c) {
  switch (c) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
    case '<': return '>';
    default: return c;
  }
}

// Before a quote operator's word: no name byte, sigil or "->", nor the "-"
// of a file test (-s $file).
inline bool mayPrecedeQuoteWord(unsigned char c) {
  return !(isLabelByte(c) || c == '$' || c == '@' || c == '%' || c == '&' || c == '*' ||
           c == '-' || c == ':' || c == '>');
}

// The longest quote operator's word.
inline constexpr size_t kMaxQuoteWord = 2;

// --- What stands before a "/" (regexRule) ------------------------------------

// The bytes of a name or number, as the regex rule reads the word before a
// "/": "$" too, for JavaScript's and Perl's names.
inline bool isNameByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c == '$' || c >= 0x80;
}

// The longest word a row may list as a keyword; a longer word is a name.
inline constexpr int64_t kMaxKeyword = 16;

// The last token of the code before a place, comments and blanks skipped:
// the content's start, an operand that is no word (a literal, a closing
// bracket), another byte (an operator, an opening bracket, "," or ";"), or
// a word, of which the first kMaxKeyword bytes are kept.
struct significantToken {
  enum class kind : uint8_t { start, operand, other, word };
  kind what = kind::start;
  int64_t length = 0;  // of the word
  unsigned char head[kMaxKeyword] = {};
};

// The token a lone code byte that is no name byte makes.
inline significantToken::kind kindOfCodeByte(unsigned char c) {
  const bool closes = c == ')' || c == ']' || c == '}' || c == '"' || c == '\'' || c == '`';
  return closes ? significantToken::kind::operand : significantToken::kind::other;
}

// Whether `word` is one of the ' '-separated words of `list`. Byte by byte:
// the words are short, and a call to a library compare would cost more.
inline bool isListed(std::string_view list, std::string_view word) {
  size_t i = 0;
  while (i < list.size()) {
    size_t k = 0;
    while (k < word.size() && i + k < list.size() && list[i + k] == word[k]) ++k;
    if (k == word.size() && (i + k == list.size() || list[i + k] == ' ')) return true;
    while (i < list.size() && list[i] != ' ') ++i;
    ++i;
  }
  return false;
}

inline bool isListedWord(const significantToken& t, std::string_view list) {
  return t.what == significantToken::kind::word && t.length <= kMaxKeyword &&
         isListed(list, std::string_view(reinterpret_cast<const char*>(t.head),
                                         static_cast<size_t>(t.length)));
}

// Whether an operand is expected after `t`, so that a "/" there opens a
// regex: at the start, after an operator or opening bracket, after a keyword.
inline bool expectsOperand(const significantToken& t, std::string_view keywords) {
  switch (t.what) {
    case significantToken::kind::start:
    case significantToken::kind::other: return true;
    case significantToken::kind::operand: return false;
    case significantToken::kind::word: return isListedWord(t, keywords);
  }
  return false;
}

// Ruby's reading of a method's first argument: after a word, a "/" or "%"
// with a blank before it and none after it opens a literal.
inline bool isSpacedArgument(const significantToken& t, unsigned char before,
                             unsigned char after) {
  return t.what == significantToken::kind::word &&
         (before == ' ' || before == '\t') && !isSpaceByte(after) && after != '=';
}

// Whether a "/" (or "%") opens a literal (regexRule): after `before`, first
// on its line or not, between the bytes `previous` and `next` (a blank
// where there is none).
inline bool opensLiteral(const regexRule& rule, const significantToken& before, bool firstOnLine,
                         unsigned char previous, unsigned char next) {
  return expectsOperand(before, rule.keywords) || (rule.atLineStart && firstOnLine) ||
         (rule.spacedArgument && isSpacedArgument(before, previous, next));
}

// What the bytes after a "<" that stands where an operand is expected say
// of it (hook::jsxElements): a JSX element opens before a letter, '_', '$'
// or '>' (a fragment), unless a name, blanks and then "," or "extends" and a
// blank follow, the type parameters of a generic arrow function in TSX:
// <T,>(x: T) => x. `bytes` are those known after the "<", `final` whether
// the content ends after them; a name with its blanks longer than
// kMaxLookahead opens an element.
enum class jsxStart : uint8_t { no, element, needMore };

inline jsxStart jsxStartOf(std::string_view bytes, bool final) {
  // The "<" and these bytes fit in the lookahead; with all of them known,
  // what is still open opens an element.
  const bool whole = final || bytes.size() >= kMaxLookahead - 1;
  bytes = bytes.substr(0, kMaxLookahead - 1);
  auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.empty()) return whole ? jsxStart::no : jsxStart::needMore;
  if (byteAt(0) == '>') return jsxStart::element;
  if (!isAsciiLetter(byteAt(0)) && byteAt(0) != '_' && byteAt(0) != '$') return jsxStart::no;
  size_t i = 1;
  while (i < bytes.size() && isNameByte(byteAt(i))) ++i;
  while (i < bytes.size() && isBlankByte(byteAt(i))) ++i;
  const std::string_view rest = bytes.substr(i);
  constexpr std::string_view kExtends = "extends";
  const size_t n = std::min(rest.size(), kExtends.size());
  if (!rest.empty() && rest[0] == ',') return jsxStart::no;
  if (!rest.empty() && rest.substr(0, n) != kExtends.substr(0, n)) return jsxStart::element;
  if (rest.size() <= kExtends.size()) return whole ? jsxStart::element : jsxStart::needMore;
  return isBlankByte(byteAt(i + kExtends.size())) ? jsxStart::no : jsxStart::element;
}

// The column after the byte c of a line's indent, with tab stops every 8
// columns, as Kconfig and reStructuredText count them.
inline int64_t columnAfter(int64_t column, unsigned char c) {
  return c == '\t' ? (column / 8 + 1) * 8 : column + 1;
}

// The bytes of a reStructuredText directive's name before its "::"
// ("code-block", "c:function"), and how far past ".." a directive, target
// or comment is told apart: a longer name makes a comment.
inline bool isDirectiveNameByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '_' || c == '.' || c == '+' ||
         c == ':' || c >= 0x80;
}
inline constexpr size_t kMaxExplicitMarkupLookahead = 48;

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_
