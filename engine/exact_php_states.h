#ifndef QUILLSTAT_ENGINE_EXACT_PHP_STATES_H_
#define QUILLSTAT_ENGINE_EXACT_PHP_STATES_H_

// The states of the exact PHP machine and its heredoc rules, shared by the
// fast scanner and its referee.

#include <cstddef>

#include "engine/byte_classes.h"
#include "engine/word_detectors.h"

namespace quillstat {

enum class exactPhpState : char {
  Code = 'A',
  Slash = 'B',              // a "/" in code; the next byte decides
  BlockComment = 'C',
  BlockStar = 'D',          // a "*" in a block comment; a "/" next closes it
  Single = 'F',             // a '...' string
  SingleEscape = 'G',       // a "\" in it: the next byte is taken as it is
  Double = 'H',             // a "..." string
  DoubleEscape = 'I',
  Backtick = 'J',           // a `...` string
  BacktickEscape = 'K',
  Hash = 'M',               // a "#" in code; a "[" next starts an attribute, anything else a comment
  Less = 'N',               // one or two "<" in code; a third starts a heredoc
  HeredocStart = 'P',       // after "<<<": blanks, a quote, the label
  HeredocLabel = 'Q',
  HeredocHeader = 'R',      // the rest of the "<<<" line
  HeredocBody = 'U',
  HeredocLineStart = 'V',   // a body line's start: blanks, then maybe the label
  HeredocLabelEnd = 'W',    // the label at a line's start; a label byte next means it was not
  LineComment = 'S',
  LineQuestion = 'T',       // a "?" in a line comment; a ">" next ends the comment and PHP
  Question = 'X',           // a "?" in code; a ">" next ends PHP
  TagOpen = 'Y',            // a "<" outside PHP; a "?" next enters it
  Outside = 'Z',            // outside the tags: nothing counts
};

// A label longer than this is taken for no heredoc at all: memory stays
// bounded whatever the input, and no real label comes near it.
inline constexpr size_t kMaxHeredocLabel = 256;

// The bytes of a heredoc label: ASCII letters, digits, "_" and every byte
// from 0x80 up; a label does not start with a digit.
inline bool isLabelByte(unsigned char c) {
  return isAsciiLetter(c) || isDigit(c) || c == '_' || c >= 0x80;
}
inline bool startsLabel(unsigned char c) { return isLabelByte(c) && !isDigit(c); }

// What may indent a closing label.
inline bool isPhpBlank(unsigned char c) { return c == ' ' || c == '\t'; }

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_PHP_STATES_H_
