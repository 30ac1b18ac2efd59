#ifndef QUILLSTAT_ENGINE_EXACT_SCAN_STEPS_H_
#define QUILLSTAT_ENGINE_EXACT_SCAN_STEPS_H_

// The steps that several exact streaming machines take alike, each written
// once. A step handles bytes from p in its state and returns where it
// stopped; it takes at least one byte or changes the state, like the
// scanners' own. Every State type here has a Code state; the other states a
// step sets are named by its template arguments or, for slashStep, by the
// names the C-family machines share.

#include <type_traits>

#include "engine/byte_classes.h"
#include "engine/scan_frame.h"

namespace quillstat {

// Slash in C, C++, Java and PHP: p is the byte after a "/" met in code. A
// second "/" or a "*" opens a comment; any other byte makes the slash a
// division, plain code, and is Code's to handle.
template <class State>
const unsigned char* slashStep(scanFrame& frame, State& state, const unsigned char* p) {
  if (*p == '/' || *p == '*') {
    frame.counter.pendingCommentChars += 2;
    state = *p == '/' ? State::LineComment : State::BlockComment;
    return p + 1;
  }
  frame.counter.plainCode(false);
  state = State::Code;
  return p;
}

// A comment that a star and then Closer end, "/* */" or Pascal's "(* *)";
// Text is the state of its text, Star that of a star in it; text() is the
// step of Text, star() that of Star.
template <auto Text, auto Star, unsigned char Closer>
struct starComment {
  using State = decltype(Text);
  static const unsigned char* text(scanFrame& frame, State& state, const unsigned char* p,
                                   const unsigned char* end);
  static const unsigned char* star(scanFrame& frame, State& state, const unsigned char* p);
};

// "/* */" in the exact C-family machines, whose states are named alike.
template <class State>
using cBlockComment = starComment<State::BlockComment, State::BlockStar, '/'>;

// What an unescaped line end does to a quotedLiteral.
enum class lineEndInLiteral { Ends, IsText };

// A literal that Quote closes and in which a backslash takes the next byte
// as it is: strings and character literals in C, C++ and Java, where a line
// end ends the literal, and PHP's strings, where it does not. Text is the
// state of its text, Escape that of a backslash whose next byte has not
// arrived yet; text() is the step of Text, escaped() that of Escape. Every
// byte of the literal, the quotes included, is code.
template <auto Text, auto Escape, unsigned char Quote, lineEndInLiteral LineEnd>
struct quotedLiteral {
  using State = decltype(Text);
  static const unsigned char* text(scanFrame& frame, State& state, const unsigned char* p,
                                   const unsigned char* end);
  static const unsigned char* escaped(scanFrame& frame, State& state, const unsigned char* p);
};

// The strings and character literals of C, C++ and Java, whose machines
// name their states alike.
template <class State>
using cStringLiteral =
    quotedLiteral<State::String, State::StringEscape, '"', lineEndInLiteral::Ends>;
template <class State>
using cCharLiteral =
    quotedLiteral<State::Char, State::CharEscape, '\'', lineEndInLiteral::Ends>;

// The definitions stand outside the classes so that they are not implicitly
// inline: the compiler then weighs inlining them as it did the scanners' own
// handlers. Written in the classes, they were inlined into every caller,
// which made the Code loops larger and Java's measurably slower.

template <auto Text, auto Star, unsigned char Closer>
const unsigned char* starComment<Text, Star, Closer>::text(scanFrame& frame, State& state,
                                                            const unsigned char* p,
                                                            const unsigned char* end) {
  // A star that does not close the comment comes back here; the byte after
  // it is taken at once when it has arrived.
  while (state == Text) {
    p = frame.commentText<byteSet<'*'>>(p, end);
    if (p == end) return p;
    frame.commentChar(p);
    state = Star;
    if (++p == end) return p;
    p = star(frame, state, p);
  }
  return p;
}

template <auto Text, auto Star, unsigned char Closer>
const unsigned char* starComment<Text, Star, Closer>::star(scanFrame& frame, State& state,
                                                            const unsigned char* p) {
  if (*p == Closer) {
    ++frame.counter.pendingCommentChars;
    state = State::Code;
    return p + 1;
  }
  // Any other byte is comment text again, offered to the detectors like the
  // rest: "/* x *todo */" holds a todo.
  state = Text;
  return p;
}

template <auto Text, auto Escape, unsigned char Quote, lineEndInLiteral LineEnd>
const unsigned char* quotedLiteral<Text, Escape, Quote, LineEnd>::text(
    scanFrame& frame, State& state, const unsigned char* p, const unsigned char* end) {
  constexpr bool endsAtLine = LineEnd == lineEndInLiteral::Ends;
  using stops =
      std::conditional_t<endsAtLine, byteSet<Quote, '\\', '\r', '\n'>, byteSet<Quote, '\\'>>;
  for (;;) {
    const unsigned char* stop = frame.literalText<stops>(p, end);
    if (stop == end) return stop;
    if (endsAtLine && isLineEnd(*stop)) {
      // As compilers do with a missing quote; the line end itself is code.
      state = State::Code;
      return stop;
    }
    ++frame.counter.pendingCodeChars;
    if (*stop == Quote) {
      state = State::Code;
      return stop + 1;
    }
    // A backslash: the byte after it is taken here when it has arrived.
    if (stop + 1 == end) {
      state = Escape;
      return end;
    }
    ++frame.counter.pendingCodeChars;
    p = stop + 2;
  }
}

template <auto Text, auto Escape, unsigned char Quote, lineEndInLiteral LineEnd>
const unsigned char* quotedLiteral<Text, Escape, Quote, LineEnd>::escaped(
    scanFrame& frame, State& state, const unsigned char* p) {
  ++frame.counter.pendingCodeChars;  // whatever it is, a line end included
  state = Text;
  return p + 1;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_SCAN_STEPS_H_
