#include "engine/exact_pascal_scan.h"

#include "engine/byte_classes.h"
#include "engine/exact_scan_steps.h"

namespace quillstat {

namespace {

using parenComment =
    starComment<exactPascalState::ParenComment, exactPascalState::ParenStar, ')'>;

using codeStops = byteSet<'\'', '/', '{', '('>;
using codeMarks = byteSet<';'>;
using braceCloser = byteSet<'}'>;
using starCloser = byteSet<'*'>;
using stringStops = byteSet<'\'', '\r', '\n'>;
using lineEnds = byteSet<'\r', '\n'>;

}  // namespace

void exactPascalScanner::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  while (p < end) {
    switch (state_) {
      case State::Code: p = code(p, end); break;
      case State::Slash: p = slash(p); break;
      case State::BraceOpen: p = braceOpen(p); break;
      case State::BraceComment: p = braceComment(p, end); break;
      case State::BraceDirective: p = braceDirective(p, end); break;
      case State::Paren: p = paren(p); break;
      case State::ParenOpen: p = parenOpen(p); break;
      case State::ParenComment: p = parenComment::text(frame_, state_, p, end); break;
      case State::ParenStar: p = parenComment::star(frame_, state_, p); break;
      case State::ParenDirective: p = parenDirective(p, end); break;
      case State::ParenDirectiveStar: p = parenDirectiveStar(p); break;
      case State::String: p = string(p, end); break;
      case State::StringQuote: p = stringQuote(p); break;
      case State::LineComment: p = lineComment(p, end); break;
    }
  }
  frame_.endChunk(end);
}

fileStats exactPascalScanner::finish(int64_t size) {
  // What waited for its next byte is settled as if the content went on
  // with one that changes nothing.
  switch (state_) {
    case State::Slash:
    case State::Paren: frame_.counter.plainCode(false); break;
    case State::BraceOpen: ++frame_.counter.pendingCommentChars; break;
    case State::ParenOpen: frame_.counter.pendingCommentChars += 2; break;
    default: break;
  }
  return frame_.counter.finish(size);
}

const unsigned char* exactPascalScanner::code(const unsigned char* p,
                                              const unsigned char* end) {
  // Strings, divisions and a "(" that opens no comment mostly come back to
  // Code within the chunk; they are handled here, with the bytes that follow
  // when they have arrived, to spare a dispatch each.
  for (;;) {
    p = frame_.plainCode<codeStops, codeMarks>(p, end);
    if (p == end) return p;
    switch (*p++) {
      case '\'':
        ++frame_.counter.pendingCodeChars;
        state_ = State::String;
        while (p < end && (state_ == State::String || state_ == State::StringQuote)) {
          p = state_ == State::String ? string(p, end) : stringQuote(p);
        }
        break;
      case '/':
        state_ = State::Slash;
        if (p < end) p = slash(p);
        break;
      case '{':
        state_ = State::BraceOpen;
        return p;
      default:
        state_ = State::Paren;
        if (p < end) p = paren(p);
        break;
    }
    if (state_ != State::Code) return p;
  }
}

const unsigned char* exactPascalScanner::slash(const unsigned char* p) {
  if (*p == '/') {
    frame_.counter.pendingCommentChars += 2;
    state_ = State::LineComment;
    return p + 1;
  }
  frame_.counter.plainCode(false);  // the slash; this byte is Code's to handle
  state_ = State::Code;
  return p;
}

const unsigned char* exactPascalScanner::braceOpen(const unsigned char* p) {
  if (*p == '$') {
    frame_.counter.pendingCodeChars += 2;
    state_ = State::BraceDirective;
    return p + 1;
  }
  ++frame_.counter.pendingCommentChars;
  state_ = State::BraceComment;  // this byte is the comment's first, or its "}"
  return p;
}

const unsigned char* exactPascalScanner::braceComment(const unsigned char* p,
                                                      const unsigned char* end) {
  p = frame_.commentText<braceCloser>(p, end);
  if (p == end) return p;
  frame_.commentChar(p);
  state_ = State::Code;
  return p + 1;
}

const unsigned char* exactPascalScanner::braceDirective(const unsigned char* p,
                                                        const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<braceCloser>(p, end);
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  state_ = State::Code;
  return stop + 1;
}

const unsigned char* exactPascalScanner::paren(const unsigned char* p) {
  if (*p == '*') {
    state_ = State::ParenOpen;
    return p + 1;
  }
  frame_.counter.plainCode(false);  // the "("; this byte is Code's to handle
  state_ = State::Code;
  return p;
}

const unsigned char* exactPascalScanner::parenOpen(const unsigned char* p) {
  if (*p == '$') {
    frame_.counter.pendingCodeChars += 3;
    state_ = State::ParenDirective;
    return p + 1;
  }
  // "(*)" opens a comment: its ")" follows no star of the comment's own.
  frame_.counter.pendingCommentChars += 2;
  state_ = State::ParenComment;
  return p;
}

const unsigned char* exactPascalScanner::parenDirective(const unsigned char* p,
                                                        const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<starCloser>(p, end);
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  state_ = State::ParenDirectiveStar;
  return stop + 1;
}

const unsigned char* exactPascalScanner::parenDirectiveStar(const unsigned char* p) {
  if (*p == ')') {
    ++frame_.counter.pendingCodeChars;
    state_ = State::Code;
    return p + 1;
  }
  state_ = State::ParenDirective;
  return p;
}

const unsigned char* exactPascalScanner::string(const unsigned char* p,
                                                const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<stringStops>(p, end);
  if (stop == end) return stop;
  if (isLineEnd(*stop)) {
    // A string never spans lines: the compiler stops it at the line end,
    // which is code.
    state_ = State::Code;
    return stop;
  }
  ++frame_.counter.pendingCodeChars;
  state_ = State::StringQuote;
  return stop + 1;
}

const unsigned char* exactPascalScanner::stringQuote(const unsigned char* p) {
  if (*p == '\'') {
    ++frame_.counter.pendingCodeChars;  // '' stands for one quote in the string
    state_ = State::String;
    return p + 1;
  }
  state_ = State::Code;  // the string has ended; this byte is Code's
  return p;
}

const unsigned char* exactPascalScanner::lineComment(const unsigned char* p,
                                                     const unsigned char* end) {
  p = frame_.commentText<lineEnds>(p, end);
  if (p == end) return p;
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

}  // namespace quillstat
