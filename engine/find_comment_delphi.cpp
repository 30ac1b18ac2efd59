#include "engine/find_comment_delphi.h"

#include "engine/comment_counter.h"

namespace quillstat {

namespace {

enum class State : char {
  Code = 'A',
  Slash = 'B',         // a "/" in Code; the next character decides
  BraceComment = 'C',
  Paren = 'E',         // a "(" in Code; the next character decides
  String = 'F',
  ParenComment = 'R',
  LineComment = 'S',
  ParenStar = 'U',     // a "*" in a (* *) comment; the next character decides
};

}  // namespace

fileStats findCommentDelphi::scanBuffer(const char* bytes, size_t length,
                                        bool includeFirstComment) const {
  if (bytes == nullptr || length == 0) return fileStats{};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes);
  commentCounter counter(includeFirstComment);
  State state = State::Code;
  for (size_t i = 0; i < length; ++i) {
    const unsigned char c = data[i];
    const unsigned char previous = i > 0 ? data[i - 1] : 0;
    if (state == State::Paren) {
      if (c == '*') {
        counter.pendingCommentChars += 2;
        state = State::ParenComment;
        continue;
      }
      if (c == '(') continue;  // the earlier "(" is counted nowhere
      // No comment: the "(" is counted nowhere and this character is handled
      // by the Code rules in its own right, so "(;)" counts a statement mark.
      state = State::Code;
    }
    switch (state) {
      case State::Code:
        if (c == '"') {
          ++counter.pendingCodeChars;
          state = State::String;
        } else if (c == '/') {
          state = State::Slash;
        } else if (c == '{') {
          ++counter.pendingCommentChars;
          state = State::BraceComment;
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
        } else if (c == '{') {
          ++counter.pendingCommentChars;  // the slash before it is counted nowhere
          state = State::BraceComment;
        } else {
          counter.pendingCodeChars += 2;  // the slash and the swallowed character
          state = State::Code;
        }
        break;
      case State::BraceComment:
        ++counter.pendingCommentChars;
        if (c == '}') {
          counter.offerIfPending(c, previous);
          state = State::Code;
        } else {
          counter.offer(c, previous);
        }
        break;
      case State::String:
        ++counter.pendingCodeChars;
        if (c == '"') state = State::Code;
        break;
      case State::ParenComment:
        ++counter.pendingCommentChars;
        if (c == '*') {
          counter.offerIfPending(c, previous);
          state = State::ParenStar;
        } else {
          counter.offer(c, previous);
        }
        break;
      case State::ParenStar:
        ++counter.pendingCommentChars;
        state = c == ')' ? State::Code : c == '*' ? State::ParenStar : State::ParenComment;
        break;
      case State::LineComment:
        if (c == '\r' || c == '\n') {
          counter.offerIfPending(c, previous);
          ++counter.pendingCodeChars;  // the line end is not part of the comment
          state = State::Code;
        } else {
          counter.offer(c, previous);
          ++counter.pendingCommentChars;
        }
        break;
      case State::Paren:
        break;  // handled above
    }
  }
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
