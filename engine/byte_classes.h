#ifndef QUILLSTAT_ENGINE_BYTE_CLASSES_H_
#define QUILLSTAT_ENGINE_BYTE_CLASSES_H_

// Byte classes that the exact machines of several languages share.

namespace quillstat {

// LF, or a CR that the text-mode reader left alone (no LF after it): both
// end a line for every compiler the exact machines follow.
constexpr bool isLineEnd(unsigned char c) { return c == '\n' || c == '\r'; }

// Spaces, tabs, form feeds and vertical tabs: blanks to compilers, and
// they leave a line blank whatever they belong to.
constexpr bool isBlankByte(unsigned char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

inline bool isDigit(unsigned char c) { return static_cast<unsigned char>(c - '0') < 10; }

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_BYTE_CLASSES_H_
