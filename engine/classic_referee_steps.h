#ifndef QUILLSTAT_ENGINE_CLASSIC_REFEREE_STEPS_H_
#define QUILLSTAT_ENGINE_CLASSIC_REFEREE_STEPS_H_

// The per-byte steps that several referees take alike, each written once.
// A step handles the byte c (previous is the byte before it, 0 at the start)
// in its state and returns whether c was taken: a byte not taken is handled
// again in the state the step moved to. Referees only: the fast scanners
// have steps of their own, so that each side checks the other.

#include "engine/byte_classes.h"
#include "engine/comment_counter.h"

namespace quillstat {

// Slash in the exact C, C++, Java and PHP machines: c follows a "/" met in
// code. A second "/" or a "*" opens a comment; any other byte makes the
// slash a division, plain code, and is Code's to handle.
template <class State>
bool slashByte(commentCounter& counter, State& state, unsigned char c) {
  if (c == '/' || c == '*') {
    counter.pendingCommentChars += 2;
    state = c == '/' ? State::LineComment : State::BlockComment;
    return true;
  }
  counter.plainCode(false);
  state = State::Code;
  return false;
}

// The exact rules' comments that a star and then a closer end, "/* */" and
// Pascal's "(* *)". Text: every byte is comment text, a star moves to Star.
template <auto Star>
bool starCommentTextByte(commentCounter& counter, decltype(Star)& state, unsigned char c,
                         unsigned char previous) {
  counter.offer(c, previous);
  ++counter.pendingCommentChars;
  if (c == '*') state = Star;
  return true;
}

// Star: Closer ends the comment; any other byte is comment text again.
template <auto Text, unsigned char Closer>
bool starCommentStarByte(commentCounter& counter, decltype(Text)& state, unsigned char c) {
  using State = decltype(Text);
  if (c == Closer) {
    ++counter.pendingCommentChars;
    state = State::Code;
    return true;
  }
  state = Text;
  return false;
}

// A literal that `quote` closes and in which a backslash moves to `escape`,
// whose byte is then taken as it is. With endsAtLine, as in C, C++ and Java,
// an unescaped line end ends the literal and is Code's to handle.
template <class State>
bool quotedByte(commentCounter& counter, State& state, unsigned char c, unsigned char quote,
                State escape, bool endsAtLine) {
  if (endsAtLine && isLineEnd(c)) {
    state = State::Code;
    return false;
  }
  ++counter.pendingCodeChars;
  if (c == quote) {
    state = State::Code;
  } else if (c == '\\') {
    state = escape;
  }
  return true;
}

// The byte after a backslash in a literal is taken as it is, a line end
// included; the literal's text, in state `text`, goes on.
template <class State>
bool escapedByte(commentCounter& counter, State& state, State text) {
  ++counter.pendingCodeChars;
  state = text;
  return true;
}

// A line comment, in every machine: a line end ends it and is code, not
// part of the comment; any other byte is comment text.
template <class State>
bool lineCommentByte(commentCounter& counter, State& state, unsigned char c,
                     unsigned char previous) {
  if (isLineEnd(c)) {
    counter.offerIfPending(c, previous);
    ++counter.pendingCodeChars;
    state = State::Code;
  } else {
    counter.offer(c, previous);
    ++counter.pendingCommentChars;
  }
  return true;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_CLASSIC_REFEREE_STEPS_H_
