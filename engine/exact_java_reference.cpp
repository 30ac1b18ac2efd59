#include "engine/byte_classes.h"
#include "engine/comment_counter.h"
#include "engine/exact_java_states.h"
#include "engine/exact_reference_scan.h"

namespace quillstat {

fileStats referenceScanExactJava(const char* bytes, size_t length, bool includeFirstComment) {
  using State = exactJavaState;
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
        if (c == '/') {
          state = State::Slash;
        } else if (c == '"' || c == '\'') {
          ++counter.pendingCodeChars;
          state = c == '"' ? State::OpenQuote : State::Char;
        } else {
          counter.plainCode(c == ';' || c == '{');
        }
        break;
      case State::Slash:
        if (c == '/' || c == '*') {
          counter.pendingCommentChars += 2;
          state = c == '/' ? State::LineComment : State::BlockComment;
        } else {
          counter.plainCode(false);
          state = State::Code;
          taken = false;
        }
        break;
      case State::BlockComment:
        counter.offer(c, previous);
        ++counter.pendingCommentChars;
        if (c == '*') state = State::BlockStar;
        break;
      case State::BlockStar:
        if (c == '/') {
          ++counter.pendingCommentChars;
          state = State::Code;
        } else {
          state = State::BlockComment;
          taken = false;
        }
        break;
      case State::OpenQuote:
        if (c == '"') {
          ++counter.pendingCodeChars;
          state = State::EmptyString;
        } else {
          state = State::String;
          taken = false;
        }
        break;
      case State::EmptyString:
        if (c == '"') {
          ++counter.pendingCodeChars;
          state = State::TextBlock;
        } else {
          state = State::Code;
          taken = false;
        }
        break;
      case State::String:
      case State::Char:
        if (isLineEnd(c)) {
          state = State::Code;  // an unclosed literal ends with its line
          taken = false;
        } else {
          ++counter.pendingCodeChars;
          if (c == '\\') {
            state = state == State::String ? State::StringEscape : State::CharEscape;
          } else if (c == (state == State::String ? '"' : '\'')) {
            state = State::Code;
          }
        }
        break;
      case State::StringEscape:
        ++counter.pendingCodeChars;
        state = State::String;
        break;
      case State::CharEscape:
        ++counter.pendingCodeChars;
        state = State::Char;
        break;
      case State::TextBlock:
        ++counter.pendingCodeChars;
        if (c == '"') state = State::TextQuote;
        if (c == '\\') state = State::TextBlockEscape;
        break;
      case State::TextBlockEscape:
        ++counter.pendingCodeChars;
        state = State::TextBlock;
        break;
      case State::TextQuote:
      case State::TextQuotes:
        if (c == '"') {
          ++counter.pendingCodeChars;
          state = state == State::TextQuote ? State::TextQuotes : State::Code;
        } else {
          state = State::TextBlock;
          taken = false;
        }
        break;
      case State::LineComment:
        if (isLineEnd(c)) {
          counter.offerIfPending(c, previous);
          ++counter.pendingCodeChars;  // the line end is not part of the comment
          state = State::Code;
        } else {
          counter.offer(c, previous);
          ++counter.pendingCommentChars;
        }
        break;
    }
    if (taken) ++i;
  }
  if (state == State::Slash) counter.plainCode(false);
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
