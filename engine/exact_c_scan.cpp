#include "engine/exact_c_scan.h"

#include "engine/exact_scan_steps.h"

namespace quillstat {

namespace {

using blockComment = cBlockComment<exactCState>;
using stringLiteral = cStringLiteral<exactCState>;
using charLiteral = cCharLiteral<exactCState>;

using codeStops = byteSet<'"', '\'', '/', '#'>;
using codeMarks = byteSet<';', '{'>;
using lineStops = byteSet<'\r', '\n', '\\'>;
using headerStops = byteSet<'>', '\r', '\n'>;

constexpr char kInclude[] = "include";
constexpr int kIncludeLength = 7;

}  // namespace

void exactCScanner::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  runAnchor_ = p;  // anchorRun_ is the run that ended the chunk before
  while (p < end) {
    switch (state_) {
      case State::Code: p = code(p, end); break;
      case State::Slash: p = slashStep(frame_, state_, p); break;
      case State::BlockComment: p = blockComment::text(frame_, state_, p, end); break;
      case State::BlockStar: p = blockComment::star(frame_, state_, p); break;
      case State::String: p = stringLiteral::text(frame_, state_, p, end); break;
      case State::StringEscape: p = stringLiteral::escaped(frame_, state_, p); break;
      case State::Char: p = charLiteral::text(frame_, state_, p, end); break;
      case State::CharEscape: p = charLiteral::escaped(frame_, state_, p); break;
      case State::RawDelimiter: p = rawDelimiter(p); break;
      case State::RawBody: p = rawBody(p, end); break;
      case State::RawClose: p = rawClose(p); break;
      case State::Directive: p = directive(p); break;
      case State::IncludeLine: p = includeLine(p); break;
      case State::HeaderName: p = headerName(p, end); break;
      case State::LineComment: p = lineComment(p, end); break;
      case State::LineBackslash: p = lineBackslash(p); break;
    }
  }
  runBefore(end);
  carriedLineStart_ = lineStartBefore(end);
  frame_.endChunk(end);
}

fileStats exactCScanner::finish(int64_t size) {
  if (state_ == State::Slash) frame_.counter.plainCode(false);  // a last "/" opened nothing
  return frame_.counter.finish(size);
}

tokenRun exactCScanner::runBefore(const unsigned char* p) {
  // The walk back stops at the last place asked about: a run that reaches
  // it goes on from the run found there, so "1'1'1'..." costs a step per
  // byte, not one per byte and quote.
  const unsigned char* q = p;
  while (q > runAnchor_ && isTokenByte(q[-1])) --q;
  tokenRun run;
  if (q == runAnchor_) run = anchorRun_;
  for (; q < p && run.length < 4; ++q) run.head[run.length++] = *q;
  run.length += p - q;
  runAnchor_ = p;
  anchorRun_ = run;
  return run;
}

bool exactCScanner::lineStartBefore(const unsigned char* p) const {
  const unsigned char* q = p;
  while (q > frame_.chunkBegin && isBlank(q[-1])) --q;
  return q == frame_.chunkBegin ? carriedLineStart_ : isLineEnd(q[-1]);
}

const unsigned char* exactCScanner::code(const unsigned char* p, const unsigned char* end) {
  // Literals, divisions, directive names and digit separators mostly come
  // back to Code within the chunk; they are handled here, with the bytes
  // that follow when they have arrived, to spare a dispatch each.
  for (;;) {
    p = frame_.plainCode<codeStops, codeMarks>(p, end);
    if (p == end) return p;
    switch (*p) {
      case '/':
        state_ = State::Slash;
        if (++p == end) return p;
        p = slashStep(frame_, state_, p);
        break;
      case '#':
        frame_.counter.plainCode(false);
        if (!lineStartBefore(p)) {
          ++p;
          break;
        }
        ++p;
        matched_ = 0;
        state_ = State::Directive;
        while (p < end && state_ == State::Directive) p = directive(p);
        while (p < end && state_ == State::IncludeLine) p = includeLine(p);
        if (p < end && state_ == State::HeaderName) p = headerName(p, end);
        break;
      default:
        p = quote(p);
        if (state_ == State::String) p = stringLiteral::text(frame_, state_, p, end);
        if (state_ == State::Char) p = charLiteral::text(frame_, state_, p, end);
        break;
    }
    if (state_ != State::Code) return p;
  }
}

const unsigned char* exactCScanner::quote(const unsigned char* p) {
  const tokenRun run = runBefore(p);
  if (*p == '\'') {
    if (isNumberRun(run)) {
      frame_.counter.plainCode(false);
      return p + 1;
    }
    state_ = State::Char;
  } else {
    delimiterLength_ = 0;
    state_ = isRawPrefix(run) ? State::RawDelimiter : State::String;
  }
  ++frame_.counter.pendingCodeChars;
  return p + 1;
}

const unsigned char* exactCScanner::rawDelimiter(const unsigned char* p) {
  if (*p == '(') {
    ++frame_.counter.pendingCodeChars;
    state_ = State::RawBody;
    return p + 1;
  }
  if (*p == '"' || isBadRawDelimiterByte(*p) || delimiterLength_ == kMaxRawDelimiter) {
    // No raw string after all: what was read is ordinary string text.
    state_ = State::String;
    return p;
  }
  delimiter_[delimiterLength_++] = *p;
  ++frame_.counter.pendingCodeChars;
  return p + 1;
}

const unsigned char* exactCScanner::rawBody(const unsigned char* p, const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<byteSet<')'>>(p, end);
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  matched_ = 0;
  state_ = State::RawClose;
  return stop + 1;
}

const unsigned char* exactCScanner::rawClose(const unsigned char* p) {
  if (matched_ == delimiterLength_ ? *p == '"' : *p == delimiter_[matched_]) {
    ++frame_.counter.pendingCodeChars;
    if (matched_++ == delimiterLength_) state_ = State::Code;
    return p + 1;
  }
  // The delimiter holds no ")", so only this byte can begin the closer anew.
  state_ = State::RawBody;
  return p;
}

const unsigned char* exactCScanner::directive(const unsigned char* p) {
  if (matched_ == 0 && isBlank(*p)) {
    frame_.counter.plainCode(false);
    return p + 1;
  }
  if (*p == kInclude[matched_]) {
    frame_.counter.plainCode(false);
    if (++matched_ == kIncludeLength) state_ = State::IncludeLine;
    return p + 1;
  }
  state_ = State::Code;  // another directive: its line is code like any other
  return p;
}

const unsigned char* exactCScanner::includeLine(const unsigned char* p) {
  // Blanks and the rest of a longer name ("include_next") stay here.
  if (isBlank(*p) || isAsciiLetter(*p) || isDigit(*p) || *p == '_') {
    frame_.counter.plainCode(false);
    return p + 1;
  }
  if (*p == '<') {
    ++frame_.counter.pendingCodeChars;
    state_ = State::HeaderName;
    return p + 1;
  }
  state_ = State::Code;
  return p;
}

const unsigned char* exactCScanner::headerName(const unsigned char* p, const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<headerStops>(p, end);
  if (stop == end) return stop;
  state_ = State::Code;
  if (*stop != '>') return stop;  // the line end is code
  ++frame_.counter.pendingCodeChars;
  return stop + 1;
}

const unsigned char* exactCScanner::lineComment(const unsigned char* p,
                                                const unsigned char* end) {
  p = frame_.commentText<lineStops>(p, end);
  if (p == end) return p;
  if (*p == '\\') {
    frame_.commentChar(p);
    state_ = State::LineBackslash;
    return p + 1;
  }
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

const unsigned char* exactCScanner::lineBackslash(const unsigned char* p) {
  state_ = State::LineComment;
  if (!isLineEnd(*p)) return p;
  // A spliced line end belongs to the comment, which goes on.
  frame_.commentChar(p);
  return p + 1;
}

}  // namespace quillstat
