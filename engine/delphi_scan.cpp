#include "engine/delphi_scan.h"

namespace quillstat {

namespace {

using codeStops = byteSet<'"', '/', '{', '('>;
using codeMarks = byteSet<';'>;
using braceCloser = byteSet<'}'>;
using parenCloser = byteSet<'*'>;
using afterParenStar = byteSet<')', '*'>;  // what ParenStar tells apart from comment text
using lineEnds = byteSet<'\r', '\n'>;

}  // namespace

void delphiScanner::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  while (p < end) {
    switch (state_) {
      case State::Code: p = code(p, end); break;
      case State::Slash: p = slash(p); break;
      case State::BraceComment: p = braceComment(p, end); break;
      case State::Paren: p = paren(p); break;
      case State::String: p = string(p, end); break;
      case State::ParenComment: p = parenComment(p, end); break;
      case State::LineComment: p = lineComment(p, end); break;
      case State::ParenStar: p = parenStar(p); break;
    }
  }
  frame_.endChunk(end);
}

const unsigned char* delphiScanner::code(const unsigned char* p, const unsigned char* end) {
  // Strings, lone slashes and a "(" without "*" come back to Code; they are
  // handled here, with the next byte when it has arrived, to spare a
  // dispatch each.
  for (;;) {
    p = frame_.plainCode<codeStops, codeMarks>(p, end);
    if (p == end) return p;
    switch (*p++) {
      case '"': {
        ++frame_.counter.pendingCodeChars;
        bool closed = false;
        p = frame_.stringText(p, end, &closed);
        if (!closed) {
          state_ = State::String;
          return p;
        }
        break;
      }
      case '/':
        state_ = State::Slash;
        if (p == end) return p;
        p = slash(p);
        break;
      case '{':
        ++frame_.counter.pendingCommentChars;
        state_ = State::BraceComment;
        return p;
      default:  // a "("
        state_ = State::Paren;
        while (p < end && state_ == State::Paren) p = paren(p);
        break;
    }
    if (state_ != State::Code) return p;
  }
}

const unsigned char* delphiScanner::slash(const unsigned char* p) {
  if (*p == '/') {
    frame_.counter.pendingCommentChars += 2;
    state_ = State::LineComment;
  } else if (*p == '{') {
    ++frame_.counter.pendingCommentChars;  // the slash before it is counted nowhere
    state_ = State::BraceComment;
  } else {
    frame_.counter.pendingCodeChars += 2;  // the slash and the swallowed character
    state_ = State::Code;
  }
  return p + 1;
}

const unsigned char* delphiScanner::braceComment(const unsigned char* p,
                                                 const unsigned char* end) {
  p = frame_.commentText<braceCloser>(p, end);
  if (p == end) return p;
  ++frame_.counter.pendingCommentChars;
  frame_.offerIfPending(p);
  state_ = State::Code;
  return p + 1;
}

const unsigned char* delphiScanner::paren(const unsigned char* p) {
  if (*p == '*') {
    frame_.counter.pendingCommentChars += 2;
    state_ = State::ParenComment;
    return p + 1;
  }
  if (*p == '(') return p + 1;  // the earlier "(" is counted nowhere
  // No comment: the "(" is counted nowhere and this byte is handled by the
  // Code rules in its own right, so "(;)" counts a statement mark.
  state_ = State::Code;
  return p;
}

const unsigned char* delphiScanner::string(const unsigned char* p, const unsigned char* end) {
  bool closed = false;
  p = frame_.stringText(p, end, &closed);
  if (closed) state_ = State::Code;
  return p;
}

const unsigned char* delphiScanner::parenComment(const unsigned char* p,
                                                 const unsigned char* end) {
  // A star that does not close the comment comes back here; the byte after
  // it is taken at once when it has arrived.
  while (state_ == State::ParenComment) {
    p = frame_.commentText<parenCloser, afterParenStar>(p, end);
    if (p == end) return p;
    ++frame_.counter.pendingCommentChars;
    frame_.offerIfPending(p);
    state_ = State::ParenStar;
    if (++p == end) return p;
    p = parenStar(p);
  }
  return p;
}

const unsigned char* delphiScanner::lineComment(const unsigned char* p,
                                                const unsigned char* end) {
  p = frame_.commentText<lineEnds>(p, end);
  if (p == end) return p;
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

const unsigned char* delphiScanner::parenStar(const unsigned char* p) {
  // The character after a star is never offered to the detectors.
  ++frame_.counter.pendingCommentChars;
  state_ = *p == ')' ? State::Code : *p == '*' ? State::ParenStar : State::ParenComment;
  return p + 1;
}

}  // namespace quillstat
