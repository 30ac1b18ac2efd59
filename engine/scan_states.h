#ifndef QUILLSTAT_ENGINE_SCAN_STATES_H_
#define QUILLSTAT_ENGINE_SCAN_STATES_H_

namespace quillstat {

// The states of the classic machines, named by their letters. The fast
// scanners and the per-byte referee share them; each has its own logic.

// C++, Java and PHP.
enum class cLikeState : char {
  Code = 'A',
  Slash = 'B',         // a "/" in Code; the next character decides
  BlockComment = 'C',
  BlockStar = 'D',     // a "*" in a block comment; the next character decides
  String = 'F',
  LineComment = 'S',
  Outside = 'Z',       // PHP only: outside the tags, nothing counts
  // The tag tests' look-ahead, kept as states by the fast scanner so that it
  // works across chunks; the referee looks at the next byte instead.
  TagOpen = 'Y',       // PHP only: a "<" in Outside; a "?" next enters Code
  TagClose = 'X',      // PHP only: a "?" in Code; a ">" next leaves to Outside
};

// Pascal.
enum class delphiState : char {
  Code = 'A',
  Slash = 'B',         // a "/" in Code; the next character decides
  BraceComment = 'C',
  Paren = 'E',         // a "(" in Code; the next character decides
  String = 'F',
  ParenComment = 'R',
  LineComment = 'S',
  ParenStar = 'U',     // a "*" in a (* *) comment; the next character decides
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_SCAN_STATES_H_
