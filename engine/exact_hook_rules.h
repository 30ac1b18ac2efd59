#ifndef QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_
#define QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_

// The byte classes and limits of the hooks (see exact_rules.h): the rules
// of the languages themselves, which the machine and its referee share.
// Neither side's logic is here.

#include <cstddef>
#include <cstdint>

#include "engine/byte_classes.h"
#include "engine/exact_rules.h"
#include "engine/word_detectors.h"

namespace quillstat {

// What may stand between a line's start and C's "#", and between "#" and
// the directive's name.
inline bool isCBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// The directive whose header name is a literal, and what may follow its
// name before the "<" ("include_next").
inline constexpr char kIncludeName[] = "include";
inline constexpr int kIncludeLength = 7;
inline bool staysInIncludeLine(unsigned char c) {
  return isCBlank(c) || isAsciiLetter(c) || isDigit(c) || c == '_';
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

// The bytes of a PHP heredoc label: ASCII letters, digits, "_" and every
// byte from 0x80 up; a label does not start with a digit.
inline bool isLabelByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c >= 0x80;
}
inline bool startsLabel(unsigned char c) { return isLabelByte(c) && !isDigit(c); }

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

// A character literal's text, between its quotes, is one character (a byte
// that is no quote, backslash or line end, and up to three UTF-8
// continuation bytes), or an escape: a backslash, a byte that is no line
// end, and bytes that are neither quote nor line end, kMaxCharEscape bytes
// at most ('\n', '\x41', '\SOH', '\1114111').
inline constexpr int kMaxCharEscape = 10;
inline constexpr int kMaxCharContinuations = 3;
inline bool isUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
inline bool startsCharText(unsigned char c) { return c != '\'' && c != '\\' && !isLineEnd(c); }

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

// What may stand before a recipe's command, blanks aside, and let a "#"
// right after it open a comment ("@# note"): make's prefixes.
inline bool isRecipePrefix(unsigned char c) { return c == '@' || c == '-' || c == '+'; }

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOK_RULES_H_
