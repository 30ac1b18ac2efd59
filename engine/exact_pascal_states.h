#ifndef QUILLSTAT_ENGINE_EXACT_PASCAL_STATES_H_
#define QUILLSTAT_ENGINE_EXACT_PASCAL_STATES_H_

// The states of the exact Pascal machine, shared by the fast scanner and
// its referee.

namespace quillstat {

enum class exactPascalState : char {
  Code = 'A',
  Slash = 'B',               // a "/" in code; a second one opens a line comment
  BraceComment = 'C',
  BraceOpen = 'D',           // a "{"; a "$" next makes it a compiler directive
  Paren = 'E',               // a "(" in code; a "*" next opens a comment
  String = 'F',
  StringQuote = 'G',         // a "'" in a string: closes it unless another "'" follows
  BraceDirective = 'H',
  ParenOpen = 'I',           // "(*"; a "$" next makes it a compiler directive
  ParenDirective = 'J',
  ParenDirectiveStar = 'K',  // a "*" in a (*$ *) directive; a ")" next closes it
  ParenComment = 'R',
  LineComment = 'S',
  ParenStar = 'U',           // a "*" in a (* *) comment; a ")" next closes it
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_PASCAL_STATES_H_
