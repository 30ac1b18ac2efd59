#include "engine/exact_php_scan.h"

#include "engine/exact_scan_steps.h"

namespace quillstat {

namespace {

using blockComment = cBlockComment<exactPhpState>;
using singleQuoted = quotedLiteral<exactPhpState::Single, exactPhpState::SingleEscape, '\'',
                                   lineEndInLiteral::IsText>;
using doubleQuoted = quotedLiteral<exactPhpState::Double, exactPhpState::DoubleEscape, '"',
                                   lineEndInLiteral::IsText>;
using backticked = quotedLiteral<exactPhpState::Backtick, exactPhpState::BacktickEscape, '`',
                                 lineEndInLiteral::IsText>;

using codeStops = byteSet<'?', '/', '#', '\'', '"', '`', '<'>;
using codeMarks = byteSet<';', '{'>;
using lineStops = byteSet<'\r', '\n', '?'>;
using lineEnds = byteSet<'\r', '\n'>;

}  // namespace

void exactPhpScanner::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + length;
  frame_.beginChunk(p);
  while (p < end) {
    switch (state_) {
      case State::Outside: p = outside(p, end); break;
      case State::TagOpen: p = tagOpen(p); break;
      case State::Code: p = code(p, end); break;
      case State::Question: p = question(p); break;
      case State::Slash: p = slashStep(frame_, state_, p); break;
      case State::Hash: p = hash(p); break;
      case State::Less: p = less(p); break;
      case State::BlockComment: p = blockComment::text(frame_, state_, p, end); break;
      case State::BlockStar: p = blockComment::star(frame_, state_, p); break;
      case State::LineComment: p = lineComment(p, end); break;
      case State::LineQuestion: p = lineQuestion(p); break;
      case State::Single: p = singleQuoted::text(frame_, state_, p, end); break;
      case State::SingleEscape: p = singleQuoted::escaped(frame_, state_, p); break;
      case State::Double: p = doubleQuoted::text(frame_, state_, p, end); break;
      case State::DoubleEscape: p = doubleQuoted::escaped(frame_, state_, p); break;
      case State::Backtick: p = backticked::text(frame_, state_, p, end); break;
      case State::BacktickEscape: p = backticked::escaped(frame_, state_, p); break;
      case State::HeredocStart: p = heredocStart(p); break;
      case State::HeredocLabel: p = heredocLabel(p); break;
      case State::HeredocHeader:
      case State::HeredocBody: p = heredocLine(p, end); break;
      case State::HeredocLineStart: p = heredocLineStart(p); break;
      case State::HeredocLabelEnd: p = heredocLabelEnd(p); break;
    }
  }
  frame_.endChunk(end);
}

fileStats exactPhpScanner::finish(int64_t size) {
  // What waited for its next byte is settled as if the content went on
  // with one that changes nothing.
  switch (state_) {
    case State::Question:
    case State::Slash: frame_.counter.plainCode(false); break;
    case State::Hash:
    case State::LineQuestion: ++frame_.counter.pendingCommentChars; break;
    default: break;
  }
  return frame_.counter.finish(size);
}

const unsigned char* exactPhpScanner::outside(const unsigned char* p,
                                              const unsigned char* end) {
  const unsigned char* less = findAny<byteSet<'<'>>(p, end);
  if (less == end) return end;
  state_ = State::TagOpen;
  return less + 1;
}

const unsigned char* exactPhpScanner::tagOpen(const unsigned char* p) {
  if (*p == '?') {
    state_ = State::Code;  // the tag counts nowhere
    return p + 1;
  }
  state_ = State::Outside;  // this byte may be another "<"
  return p;
}

const unsigned char* exactPhpScanner::code(const unsigned char* p, const unsigned char* end) {
  // Strings, divisions, a "?" or "<" that ends nothing and starts nothing
  // mostly come back to Code within the chunk; they are handled here, with
  // the bytes that follow when they have arrived, to spare a dispatch each.
  for (;;) {
    p = frame_.plainCode<codeStops, codeMarks>(p, end);
    if (p == end) return p;
    switch (*p++) {
      case '?':
        state_ = State::Question;
        if (p < end) p = question(p);
        break;
      case '/':
        state_ = State::Slash;
        if (p < end) p = slashStep(frame_, state_, p);
        break;
      case '#':
        state_ = State::Hash;
        return p;
      case '<':
        frame_.counter.plainCode(false);
        lessCount_ = 1;
        state_ = State::Less;
        while (p < end && state_ == State::Less) p = less(p);
        break;
      case '\'':
        ++frame_.counter.pendingCodeChars;
        state_ = State::Single;
        p = singleQuoted::text(frame_, state_, p, end);
        break;
      case '"':
        ++frame_.counter.pendingCodeChars;
        state_ = State::Double;
        p = doubleQuoted::text(frame_, state_, p, end);
        break;
      default:
        ++frame_.counter.pendingCodeChars;
        state_ = State::Backtick;
        p = backticked::text(frame_, state_, p, end);
        break;
    }
    if (state_ != State::Code) return p;
  }
}

const unsigned char* exactPhpScanner::question(const unsigned char* p) {
  if (*p == '>') {
    state_ = State::Outside;  // the tag counts nowhere and closes no run
    return p + 1;
  }
  frame_.counter.plainCode(false);  // the "?"; this byte is Code's to handle
  state_ = State::Code;
  return p;
}

const unsigned char* exactPhpScanner::hash(const unsigned char* p) {
  if (*p == '[') {
    frame_.counter.plainCode(false);  // "#[" starts an attribute, which is code
  } else {
    ++frame_.counter.pendingCommentChars;
    state_ = State::LineComment;  // this byte may end the comment at once
    return p;
  }
  state_ = State::Code;
  return p;
}

const unsigned char* exactPhpScanner::less(const unsigned char* p) {
  if (*p != '<') {
    state_ = State::Code;
    return p;
  }
  frame_.counter.plainCode(false);
  if (++lessCount_ == 3) {
    labelQuote_ = 0;
    label_.clear();
    state_ = State::HeredocStart;
  }
  return p + 1;
}

const unsigned char* exactPhpScanner::lineComment(const unsigned char* p,
                                                  const unsigned char* end) {
  p = frame_.commentText<lineStops>(p, end);
  if (p == end) return p;
  if (*p == '?') {
    // Comment text or the start of "?>": the detectors take it either way,
    // the count waits for the next byte.
    frame_.counter.offer(*p, frame_.previous(p));
    state_ = State::LineQuestion;
    return p + 1;
  }
  state_ = State::Code;
  return frame_.lineCommentEnd(p);
}

const unsigned char* exactPhpScanner::lineQuestion(const unsigned char* p) {
  if (*p == '>') {
    state_ = State::Outside;  // "?>" ends the comment and PHP
    return p + 1;
  }
  ++frame_.counter.pendingCommentChars;
  state_ = State::LineComment;
  return p;
}

const unsigned char* exactPhpScanner::heredocStart(const unsigned char* p) {
  if (isPhpBlank(*p)) {
    frame_.counter.plainCode(false);
    return p + 1;
  }
  if (labelQuote_ == 0 && (*p == '\'' || *p == '"')) {
    ++frame_.counter.pendingCodeChars;
    labelQuote_ = *p;
    return p + 1;
  }
  // A label, or no heredoc after all: "<<<" and what followed were code.
  state_ = startsLabel(*p) ? State::HeredocLabel : State::Code;
  return p;
}

const unsigned char* exactPhpScanner::heredocLabel(const unsigned char* p) {
  if (isLabelByte(*p) && label_.size() == kMaxHeredocLabel) {
    state_ = State::Code;  // too long for a label: no heredoc, and this byte is code
    return p;
  }
  if (isLabelByte(*p)) {
    ++frame_.counter.pendingCodeChars;
    label_ += static_cast<char>(*p);
    return p + 1;
  }
  state_ = State::HeredocHeader;
  if (labelQuote_ == 0 || *p != labelQuote_) return p;
  ++frame_.counter.pendingCodeChars;
  return p + 1;
}

const unsigned char* exactPhpScanner::heredocLine(const unsigned char* p,
                                                  const unsigned char* end) {
  const unsigned char* stop = frame_.literalText<lineEnds>(p, end);
  if (stop == end) return stop;
  ++frame_.counter.pendingCodeChars;
  matched_ = 0;
  state_ = State::HeredocLineStart;
  return stop + 1;
}

const unsigned char* exactPhpScanner::heredocLineStart(const unsigned char* p) {
  if (matched_ == 0 && isPhpBlank(*p)) {
    ++frame_.counter.pendingCodeChars;  // the closing label may be indented
    return p + 1;
  }
  if (*p == static_cast<unsigned char>(label_[matched_])) {
    ++frame_.counter.pendingCodeChars;
    if (++matched_ == label_.size()) state_ = State::HeredocLabelEnd;
    return p + 1;
  }
  state_ = State::HeredocBody;  // no label here: this byte is body text, or a line end
  return p;
}

const unsigned char* exactPhpScanner::heredocLabelEnd(const unsigned char* p) {
  // "EOT2" or "EOTX" at a line's start is text of a heredoc labelled EOT.
  state_ = isLabelByte(*p) ? State::HeredocBody : State::Code;
  return p;
}

}  // namespace quillstat
