#include "engine/comment_counter.h"
#include "engine/exact_java_states.h"
#include "engine/exact_reference_scan.h"
#include "engine/reference_steps.h"

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
      case State::Slash: taken = slashByte(counter, state, c); break;
      case State::BlockComment:
        taken = starCommentTextByte<State::BlockStar>(counter, state, c, previous);
        break;
      case State::BlockStar:
        taken = starCommentStarByte<State::BlockComment, '/'>(counter, state, c);
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
        taken = quotedByte(counter, state, c, '"', State::StringEscape, /*endsAtLine=*/true);
        break;
      case State::Char:
        taken = quotedByte(counter, state, c, '\'', State::CharEscape, /*endsAtLine=*/true);
        break;
      case State::StringEscape: taken = escapedByte(counter, state, State::String); break;
      case State::CharEscape: taken = escapedByte(counter, state, State::Char); break;
      case State::TextBlock:
        ++counter.pendingCodeChars;
        if (c == '"') state = State::TextQuote;
        if (c == '\\') state = State::TextBlockEscape;
        break;
      case State::TextBlockEscape: taken = escapedByte(counter, state, State::TextBlock); break;
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
      case State::LineComment: taken = lineCommentByte(counter, state, c, previous); break;
    }
    if (taken) ++i;
  }
  if (state == State::Slash) counter.plainCode(false);
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
