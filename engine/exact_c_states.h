#ifndef QUILLSTAT_ENGINE_EXACT_C_STATES_H_
#define QUILLSTAT_ENGINE_EXACT_C_STATES_H_

// The states of the exact C and C++ machine and the token rules it applies
// where a quote is met in code, shared by the fast scanner and its referee.

#include <cstdint>

#include "engine/byte_classes.h"
#include "engine/word_detectors.h"

namespace quillstat {

enum class exactCState : char {
  Code = 'A',
  Slash = 'B',          // a "/" in code; the next byte decides
  BlockComment = 'C',
  BlockStar = 'D',      // a "*" in a block comment; a "/" next closes it
  String = 'F',
  StringEscape = 'G',   // a "\" in a string: the next byte is taken as it is
  Char = 'H',
  CharEscape = 'I',
  RawDelimiter = 'J',   // after R": the delimiter up to "("
  RawBody = 'K',
  RawClose = 'L',       // a ")" in a raw string, maybe followed by delimiter and quote
  Directive = 'M',      // after a "#" that starts a line: blanks, then maybe "include"
  IncludeLine = 'N',    // after "#include": a "<" opens a header name
  HeaderName = 'O',
  LineComment = 'S',
  LineBackslash = 'T',  // a "\" in a line comment: a line end next continues it
};

// The longest raw-string delimiter the language allows.
inline constexpr int kMaxRawDelimiter = 16;

inline bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Bytes that can make up an identifier or a number (a pp-number with its
// digit separators and decimal point); bytes from 0x80 up are letters of
// identifiers written in UTF-8.
inline bool isTokenByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c == '$' || c == '.' || c == '\'' ||
         c >= 0x80;
}

// The run of token bytes that ends just before a quote met in code: its
// length and its first four bytes (fewer when it is shorter).
struct tokenRun {
  int64_t length = 0;
  unsigned char head[4] = {0, 0, 0, 0};
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

// Bytes that may not appear in a raw-string delimiter; with one of them, or
// a delimiter longer than kMaxRawDelimiter, the literal is taken as an
// ordinary string from its quote on.
inline bool isBadRawDelimiterByte(unsigned char c) {
  return c == ')' || c == '\\' || c == ' ' || c < 0x20 || c == 0x7F;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_C_STATES_H_
