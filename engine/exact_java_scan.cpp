#include "engine/exact_java_scan.h"

#include "engine/byte_classes.h"

namespace quillstat {

namespace {

using codeStops = byteSet<'"', '\'', '/'>;
using codeMarks = byteSet<';', '{'>;
using blockCloser = byteSet<'*'>;
using lineEnds = byteSet<'\r', '\n'>;
using textBlockStops = byteSet<'"', '\\'>;

}  // namespace

void exactJavaScanner::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  while (p < end) {
    switch (state_) {
      case State::Code: p = code(p, end); break;
      case State::Slash: p = slash(p); break;
      case State::BlockComment: p = blockComment(p, end); break;
      case State::BlockStar: p = blockStar(p); break;
      case State::OpenQuote: p = openQuote(p); break;
      case State::EmptyString: p = emptyString(p); break;
      case State::String: p = quoted<'"'>(p, end); break;
      case State::Char: p = quoted<'\''>(p, end); break;
      case State::StringEscape:
      case State::CharEscape:
      case State::TextBlockEscape: p = escaped(p); break;
      case State::TextBlock: p = textBlock(p, end); break;
      case State::TextQuote:
      case State::TextQuotes: p = textQuote(p); break;
      case State::LineComment: p = lineComment(p, end); break;
    }
  }
  frame_.endChunk(end);
}

fileStats exactJavaScanner::finish(int64_t size) {
  if (state_ == State::Slash) frame_.counter.plainCode(false);  // a last "/" opened nothing
  return frame_.counter.finish(size);
}

const unsigned char* exactJavaScanner::code(const unsigned char* p, const unsigned char* end) {
  // Literals and divisions mostly come back to Code within the chunk; they
  // are handled here, with the bytes that follow when they have arrived, to
  // spare a dispatch each.
  for (;;) {
    p = frame_.plainCode<codeStops, codeMarks>(p, end);
    if (p == end) return p;
    if (*p == '/') {
      state_ = State::Slash;
      if (++p == end) return p;
      p = slash(p);
    } else if (*p == '\'') {
      ++frame_.counter.pendingCodeChars;
      state_ = State::Char;
      p = quoted<'\''>(p + 1, end);
    } else {
      ++frame_.counter.pendingCodeChars;
      state_ = State::OpenQuote;
      if (++p == end) return p;
      p = openQuote(p);
      if (state_ == State::String) p = quoted<'"'>(p, end);
    }
    if (state_ != State::Code) return p;
  }
}

const unsigned char* exactJavaScanner::slash(const unsigned char* p) {
  if (*p == '/' || *p == '*') {
    frame_.counter.pendingCommentChars += 2;
    state_ = *p == '/' ? State::LineComment : State::BlockComment;
    return p + 1;
  }
  // A division: the slash is plain code and this byte is Code's to handle.
  frame_.counter.plainCode(false);
  state_ = State::Code;
  return p;
}

const unsigned char* exactJavaScanner::blockComment(const unsigned char* p,
                                                    const unsigned char* end) {
  // A star that does not close the comment comes back here; the byte after
  // it is taken at once when it has arrived.
  while (state_ == State::BlockComment) {
    p = frame_.commentText<blockCloser>(p, end);
    if (p == end) return p;
    frame_.counter.offer(*p, frame_.previous(p));
    ++frame_.counter.pendingCommentChars;
    state_ = State::BlockStar;
    if (++p == end) return p;
    p = blockStar(p);
  }
  return p;
}

const unsigned char* exactJavaScanner::blockStar(const unsigned char* p) {
  if (*p == '/') {
    ++frame_.counter.pendingCommentChars;
    state_ = State::Code;
    return p + 1;
  }
  state_ = State::BlockComment;  // comment text again, offered like the rest
  return p;
}

const unsigned char* exactJavaScanner::openQuote(const unsigned char* p) {
  if (*p == '"') {
    ++frame_.counter.pendingCodeChars;
    state_ = State::EmptyString;
    return p + 1;
  }
  state_ = State::String;
  return p;
}

const unsigned char* exactJavaScanner::emptyString(const unsigned char* p) {
  if (*p == '"') {
    ++frame_.counter.pendingCodeChars;
    state_ = State::TextBlock;
    return p + 1;
  }
  state_ = State::Code;  // just "": this byte is Code's
  return p;
}

template <unsigned char Quote>
const unsigned char* exactJavaScanner::quoted(const unsigned char* p, const unsigned char* end) {
  for (;;) {
    const unsigned char* stop = findAny<byteSet<Quote, '\\', '\r', '\n'>>(p, end);
    frame_.counter.pendingCodeChars += stop - p;
    if (stop == end) return stop;
    if (isLineEnd(*stop)) {
      // An unescaped line end ends the literal, as the compiler does with a
      // missing quote; the line end itself is code.
      state_ = State::Code;
      return stop;
    }
    ++frame_.counter.pendingCodeChars;
    if (*stop == Quote) {
      state_ = State::Code;
      return stop + 1;
    }
    // A backslash: the byte after it is taken as it is, here when it has
    // arrived.
    if (stop + 1 == end) {
      state_ = Quote == '"' ? State::StringEscape : State::CharEscape;
      return end;
    }
    ++frame_.counter.pendingCodeChars;
    p = stop + 2;
  }
}

const unsigned char* exactJavaScanner::escaped(const unsigned char* p) {
  ++frame_.counter.pendingCodeChars;
  state_ = state_ == State::StringEscape ? State::String
           : state_ == State::CharEscape ? State::Char
                                         : State::TextBlock;
  return p + 1;
}

const unsigned char* exactJavaScanner::textBlock(const unsigned char* p,
                                                 const unsigned char* end) {
  const unsigned char* stop = findAny<textBlockStops>(p, end);
  frame_.counter.pendingCodeChars += stop - p;
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  state_ = *stop == '"' ? State::TextQuote : State::TextBlockEscape;
  return stop + 1;
}

const unsigned char* exactJavaScanner::textQuote(const unsigned char* p) {
  if (*p != '"') {
    state_ = State::TextBlock;  // fewer than three quotes are text
    return p;
  }
  ++frame_.counter.pendingCodeChars;
  state_ = state_ == State::TextQuote ? State::TextQuotes : State::Code;
  return p + 1;
}

const unsigned char* exactJavaScanner::lineComment(const unsigned char* p,
                                                   const unsigned char* end) {
  p = frame_.commentText<lineEnds>(p, end);
  if (p == end) return p;
  frame_.counter.offerIfPending(*p, frame_.previous(p));
  ++frame_.counter.pendingCodeChars;  // the line end is not part of the comment
  state_ = State::Code;
  return p + 1;
}

}  // namespace quillstat
