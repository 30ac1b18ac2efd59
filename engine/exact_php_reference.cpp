#include <string>

#include "engine/comment_counter.h"
#include "engine/exact_php_states.h"
#include "engine/exact_reference_scan.h"
#include "engine/reference_steps.h"

namespace quillstat {

fileStats referenceScanExactPhp(const char* bytes, size_t length, bool includeFirstComment) {
  using State = exactPhpState;
  if (bytes == nullptr || length == 0) return fileStats{};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes);
  commentCounter counter(includeFirstComment);
  State state = State::Outside;
  int lessCount = 0;
  unsigned char labelQuote = 0;
  std::string label;
  size_t matched = 0;
  for (size_t i = 0; i < length;) {
    const unsigned char c = data[i];
    const unsigned char previous = i > 0 ? data[i - 1] : 0;
    bool taken = true;  // a byte not taken is handled again in the new state
    switch (state) {
      case State::Outside:
        if (c == '<') state = State::TagOpen;
        break;
      case State::TagOpen:
        if (c == '?') {
          state = State::Code;
        } else {
          state = State::Outside;
          taken = false;
        }
        break;
      case State::Code:
        if (c == '?') {
          state = State::Question;
        } else if (c == '/') {
          state = State::Slash;
        } else if (c == '#') {
          state = State::Hash;
        } else if (c == '<') {
          counter.plainCode(false);
          lessCount = 1;
          state = State::Less;
        } else if (c == '\'' || c == '"' || c == '`') {
          ++counter.pendingCodeChars;
          state = c == '\'' ? State::Single : c == '"' ? State::Double : State::Backtick;
        } else {
          counter.plainCode(c == ';' || c == '{');
        }
        break;
      case State::Question:
        if (c == '>') {
          state = State::Outside;
        } else {
          counter.plainCode(false);
          state = State::Code;
          taken = false;
        }
        break;
      case State::Slash: taken = slashByte(counter, state, c); break;
      case State::Hash:
        if (c == '[') {
          counter.plainCode(false);  // an attribute
          state = State::Code;
        } else {
          ++counter.pendingCommentChars;
          state = State::LineComment;
        }
        taken = false;
        break;
      case State::Less:
        if (c == '<') {
          counter.plainCode(false);
          if (++lessCount == 3) {
            labelQuote = 0;
            label.clear();
            state = State::HeredocStart;
          }
        } else {
          state = State::Code;
          taken = false;
        }
        break;
      case State::BlockComment:
        taken = starCommentTextByte<State::BlockStar>(counter, state, c, previous);
        break;
      case State::BlockStar:
        taken = starCommentStarByte<State::BlockComment, '/'>(counter, state, c);
        break;
      case State::LineComment:
        if (c == '?') {
          counter.offer(c, previous);  // counted, or not, by the next byte
          state = State::LineQuestion;
        } else {
          taken = lineCommentByte(counter, state, c, previous);
        }
        break;
      case State::LineQuestion:
        if (c == '>') {
          state = State::Outside;
        } else {
          ++counter.pendingCommentChars;  // the "?" was comment text
          state = State::LineComment;
          taken = false;
        }
        break;
      case State::Single:
        taken = quotedByte(counter, state, c, '\'', State::SingleEscape, /*endsAtLine=*/false);
        break;
      case State::Double:
        taken = quotedByte(counter, state, c, '"', State::DoubleEscape, /*endsAtLine=*/false);
        break;
      case State::Backtick:
        taken = quotedByte(counter, state, c, '`', State::BacktickEscape, /*endsAtLine=*/false);
        break;
      case State::SingleEscape: taken = escapedByte(counter, state, State::Single); break;
      case State::DoubleEscape: taken = escapedByte(counter, state, State::Double); break;
      case State::BacktickEscape: taken = escapedByte(counter, state, State::Backtick); break;
      case State::HeredocStart:
        if (isPhpBlank(c)) {
          counter.plainCode(false);
        } else if (labelQuote == 0 && (c == '\'' || c == '"')) {
          ++counter.pendingCodeChars;
          labelQuote = c;
        } else {
          state = startsLabel(c) ? State::HeredocLabel : State::Code;
          taken = false;
        }
        break;
      case State::HeredocLabel:
        if (isLabelByte(c) && label.size() == kMaxHeredocLabel) {
          state = State::Code;  // too long for a label
          taken = false;
        } else if (isLabelByte(c)) {
          ++counter.pendingCodeChars;
          label += static_cast<char>(c);
        } else {
          state = State::HeredocHeader;
          if (labelQuote != 0 && c == labelQuote) {
            ++counter.pendingCodeChars;
          } else {
            taken = false;
          }
        }
        break;
      case State::HeredocHeader:
      case State::HeredocBody:
        ++counter.pendingCodeChars;
        if (isLineEnd(c)) {
          matched = 0;
          state = State::HeredocLineStart;
        }
        break;
      case State::HeredocLineStart:
        if (matched == 0 && isPhpBlank(c)) {
          ++counter.pendingCodeChars;
        } else if (c == static_cast<unsigned char>(label[matched])) {
          ++counter.pendingCodeChars;
          if (++matched == label.size()) state = State::HeredocLabelEnd;
        } else {
          state = State::HeredocBody;
          taken = false;
        }
        break;
      case State::HeredocLabelEnd:
        state = isLabelByte(c) ? State::HeredocBody : State::Code;
        taken = false;
        break;
    }
    if (taken) ++i;
  }
  if (state == State::Question || state == State::Slash) counter.plainCode(false);
  if (state == State::Hash || state == State::LineQuestion) ++counter.pendingCommentChars;
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
