#ifndef QUILLSTAT_ENGINE_EXACT_JAVA_STATES_H_
#define QUILLSTAT_ENGINE_EXACT_JAVA_STATES_H_

// The states of the exact Java machine, shared by the fast scanner and its
// referee.

namespace quillstat {

enum class exactJavaState : char {
  Code = 'A',
  Slash = 'B',           // a "/" in code; the next byte decides
  BlockComment = 'C',
  BlockStar = 'D',       // a "*" in a block comment; a "/" next closes it
  OpenQuote = 'E',       // a '"' that opened a string; a second one next may open a text block
  String = 'F',
  StringEscape = 'G',    // a "\" in a string or a character literal: the next byte is taken
  Char = 'H',
  CharEscape = 'I',
  EmptyString = 'J',     // '""' read; a third '"' next opens a text block
  TextBlock = 'K',
  TextBlockEscape = 'L',
  TextQuote = 'M',       // one '"' in a text block
  TextQuotes = 'N',      // two; a third closes the text block
  LineComment = 'S',
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_JAVA_STATES_H_
