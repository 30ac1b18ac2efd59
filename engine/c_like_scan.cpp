#include "engine/c_like_scan.h"

#include <cstring>
#include <type_traits>

namespace quillstat {

namespace {

// Only these bytes end a run of plain code; PHP adds the "?" of "?>".
using cppCodeStops = byteSet<'"', '/'>;
using phpCodeStops = byteSet<'"', '/', '?'>;
using codeMarks = byteSet<';', '{'>;
using blockCloser = byteSet<'*'>;
using afterBlockStar = byteSet<'/', '*'>;  // what BlockStar tells apart from comment text
using lineEnds = byteSet<'\r', '\n'>;

}  // namespace

template <bool PhpTags>
void cLikeScanner<PhpTags>::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  while (p < end) {
    switch (state_) {
      case State::Code: p = code(p, end); break;
      case State::Slash: p = slash(p); break;
      case State::BlockComment: p = blockComment(p, end); break;
      case State::BlockStar: p = blockStar(p); break;
      case State::String: p = string(p, end); break;
      case State::LineComment: p = lineComment(p, end); break;
      case State::Outside: p = outside(p, end); break;
      case State::TagOpen: p = tagOpen(p); break;
      case State::TagClose: p = tagClose(p); break;
    }
  }
  frame_.endChunk(end);
}

template <bool PhpTags>
fileStats cLikeScanner<PhpTags>::finish(int64_t size) {
  // A "?" as the very last byte fails the tag test: it was plain code.
  if (state_ == State::TagClose) frame_.counter.plainCode(false);
  return frame_.counter.finish(size);
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::code(const unsigned char* p,
                                                 const unsigned char* end) {
  using stops = std::conditional_t<PhpTags, phpCodeStops, cppCodeStops>;
  // Strings, lone slashes and a "?" without ">" come back to Code; they are
  // handled here, with the next byte when it has arrived, to spare a
  // dispatch per string and per slash.
  for (;;) {
    p = frame_.plainCode<stops, codeMarks>(p, end);
    if (p == end) return p;
    if (*p == '"') {
      ++frame_.counter.pendingCodeChars;
      bool closed = false;
      p = frame_.stringText(p + 1, end, &closed);
      if (!closed) {
        state_ = State::String;
        return p;
      }
    } else {
      state_ = *p == '/' ? State::Slash : State::TagClose;
      if (++p == end) return p;
      p = state_ == State::Slash ? slash(p) : tagClose(p);
      if (state_ != State::Code) return p;
    }
  }
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::slash(const unsigned char* p) {
  if (*p == '/' || *p == '*') {
    frame_.counter.pendingCommentChars += 2;
    state_ = *p == '/' ? State::LineComment : State::BlockComment;
  } else {
    // The character after a lone slash is swallowed: it opens nothing,
    // marks nothing and closes no run.
    frame_.counter.pendingCodeChars += 2;
    state_ = State::Code;
  }
  return p + 1;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::blockComment(const unsigned char* p,
                                                         const unsigned char* end) {
  // A star that does not close the comment comes back here; the byte after
  // it is taken at once when it has arrived.
  while (state_ == State::BlockComment) {
    p = frame_.commentText<blockCloser, afterBlockStar>(p, end);
    if (p == end) return p;
    ++frame_.counter.pendingCommentChars;
    frame_.offerIfPending(p);
    state_ = State::BlockStar;
    if (++p == end) return p;
    p = blockStar(p);
  }
  return p;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::blockStar(const unsigned char* p) {
  // The character after a star is never offered to the detectors.
  ++frame_.counter.pendingCommentChars;
  state_ = *p == '/' ? State::Code : *p == '*' ? State::BlockStar : State::BlockComment;
  return p + 1;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::string(const unsigned char* p,
                                                   const unsigned char* end) {
  bool closed = false;
  p = frame_.stringText(p, end, &closed);
  if (closed) state_ = State::Code;
  return p;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::lineComment(const unsigned char* p,
                                                        const unsigned char* end) {
  p = frame_.commentText<lineEnds>(p, end);
  if (p == end) return p;
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::outside(const unsigned char* p,
                                                    const unsigned char* end) {
  const void* less = std::memchr(p, '<', static_cast<size_t>(end - p));
  if (less == nullptr) return end;
  state_ = State::TagOpen;
  return static_cast<const unsigned char*>(less) + 1;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::tagOpen(const unsigned char* p) {
  // The "<" itself is counted nowhere; this byte is handled again by the
  // state it leads to, so the "?" of "<?" is the first byte of Code.
  state_ = *p == '?' ? State::Code : State::Outside;
  return p;
}

template <bool PhpTags>
const unsigned char* cLikeScanner<PhpTags>::tagClose(const unsigned char* p) {
  if (*p == '>') {
    state_ = State::Outside;  // the tag is counted nowhere and closes no run
    return p + 1;
  }
  frame_.counter.plainCode(false);  // the "?" was a plain code character
  state_ = State::Code;
  return p;
}

template class cLikeScanner<false>;
template class cLikeScanner<true>;

}  // namespace quillstat
