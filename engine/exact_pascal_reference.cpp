#include "engine/byte_classes.h"
#include "engine/comment_counter.h"
#include "engine/exact_pascal_states.h"
#include "engine/exact_reference_scan.h"
#include "engine/reference_steps.h"

namespace quillstat {

fileStats referenceScanExactPascal(const char* bytes, size_t length, bool includeFirstComment) {
  using State = exactPascalState;
  if (bytes == nullptr || length == 0) return fileStats{};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes);
  commentCounter counter(includeFirstComment);
  State state = State::Code;
  for (size_t i = 0; i < length;) {
    const unsigned char c = data[i];
    const unsigned char previous = i > 0 ? data[i - 1] : 0;
    bool taken = true;  // a byte not taken is handled again in the new state
    switch (state) {
      case State::Code:
        if (c == '\'') {
          ++counter.pendingCodeChars;
          state = State::String;
        } else if (c == '/') {
          state = State::Slash;
        } else if (c == '{') {
          state = State::BraceOpen;
        } else if (c == '(') {
          state = State::Paren;
        } else {
          counter.plainCode(c == ';');
        }
        break;
      case State::Slash:
        if (c == '/') {
          counter.pendingCommentChars += 2;
          state = State::LineComment;
        } else {
          counter.plainCode(false);
          state = State::Code;
          taken = false;
        }
        break;
      case State::BraceOpen:
        if (c == '$') {
          counter.pendingCodeChars += 2;  // a directive is code
          state = State::BraceDirective;
        } else {
          ++counter.pendingCommentChars;
          state = State::BraceComment;
          taken = false;
        }
        break;
      case State::BraceComment:
        counter.offer(c, previous);
        ++counter.pendingCommentChars;
        if (c == '}') state = State::Code;
        break;
      case State::BraceDirective:
        ++counter.pendingCodeChars;
        if (c == '}') state = State::Code;
        break;
      case State::Paren:
        if (c == '*') {
          state = State::ParenOpen;
        } else {
          counter.plainCode(false);
          state = State::Code;
          taken = false;
        }
        break;
      case State::ParenOpen:
        if (c == '$') {
          counter.pendingCodeChars += 3;
          state = State::ParenDirective;
        } else {
          counter.pendingCommentChars += 2;
          state = State::ParenComment;
          taken = false;
        }
        break;
      case State::ParenComment:
        taken = starCommentTextByte<State::ParenStar>(counter, state, c, previous);
        break;
      case State::ParenStar:
        taken = starCommentStarByte<State::ParenComment, ')'>(counter, state, c);
        break;
      case State::ParenDirective:
        ++counter.pendingCodeChars;
        if (c == '*') state = State::ParenDirectiveStar;
        break;
      case State::ParenDirectiveStar:
        if (c == ')') {
          ++counter.pendingCodeChars;
          state = State::Code;
        } else {
          state = State::ParenDirective;
          taken = false;
        }
        break;
      case State::String:
        if (isLineEnd(c)) {
          state = State::Code;  // a string ends with its line
          taken = false;
        } else {
          ++counter.pendingCodeChars;
          if (c == '\'') state = State::StringQuote;
        }
        break;
      case State::StringQuote:
        if (c == '\'') {
          ++counter.pendingCodeChars;
          state = State::String;
        } else {
          state = State::Code;
          taken = false;
        }
        break;
      case State::LineComment: taken = lineCommentByte(counter, state, c, previous); break;
    }
    if (taken) ++i;
  }
  if (state == State::Slash || state == State::Paren) counter.plainCode(false);
  if (state == State::BraceOpen) counter.pendingCommentChars += 1;
  if (state == State::ParenOpen) counter.pendingCommentChars += 2;
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
