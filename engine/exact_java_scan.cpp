#include "engine/exact_java_scan.h"

#include "engine/exact_scan_steps.h"

namespace quillstat {

namespace {

using blockComment = cBlockComment<exactJavaState>;
using stringLiteral = cStringLiteral<exactJavaState>;
using charLiteral = cCharLiteral<exactJavaState>;

using codeStops = byteSet<'"', '\'', '/'>;
using codeMarks = byteSet<';', '{'>;
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
      case State::Slash: p = slashStep(frame_, state_, p); break;
      case State::BlockComment: p = blockComment::text(frame_, state_, p, end); break;
      case State::BlockStar: p = blockComment::star(frame_, state_, p); break;
      case State::OpenQuote: p = openQuote(p); break;
      case State::EmptyString: p = emptyString(p); break;
      case State::String: p = stringLiteral::text(frame_, state_, p, end); break;
      case State::StringEscape: p = stringLiteral::escaped(frame_, state_, p); break;
      case State::Char: p = charLiteral::text(frame_, state_, p, end); break;
      case State::CharEscape: p = charLiteral::escaped(frame_, state_, p); break;
      case State::TextBlock: p = textBlock(p, end); break;
      case State::TextBlockEscape: p = textBlockEscape(p); break;
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
      p = slashStep(frame_, state_, p);
    } else if (*p == '\'') {
      ++frame_.counter.pendingCodeChars;
      state_ = State::Char;
      p = charLiteral::text(frame_, state_, p + 1, end);
    } else {
      ++frame_.counter.pendingCodeChars;
      state_ = State::OpenQuote;
      if (++p == end) return p;
      p = openQuote(p);
      if (state_ == State::String) p = stringLiteral::text(frame_, state_, p, end);
    }
    if (state_ != State::Code) return p;
  }
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

const unsigned char* exactJavaScanner::textBlock(const unsigned char* p,
                                                 const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<textBlockStops>(p, end);
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  state_ = *stop == '"' ? State::TextQuote : State::TextBlockEscape;
  return stop + 1;
}

const unsigned char* exactJavaScanner::textBlockEscape(const unsigned char* p) {
  ++frame_.counter.pendingCodeChars;
  state_ = State::TextBlock;
  return p + 1;
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
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

}  // namespace quillstat
