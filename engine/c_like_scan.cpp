#include "engine/c_like_scan.h"

#include "engine/comment_counter.h"

namespace quillstat {

namespace {

enum class State : char {
  Code = 'A',
  Slash = 'B',         // a "/" in Code; the next character decides
  BlockComment = 'C',
  BlockStar = 'D',     // a "*" in a block comment; the next character decides
  String = 'F',
  LineComment = 'S',
  Outside = 'Z',       // PHP only: outside the tags, nothing counts
};

}  // namespace

fileStats scanCLike(const unsigned char* data, size_t length, bool includeFirstComment,
                    bool phpTags) {
  if (data == nullptr || length == 0) return fileStats{};
  commentCounter counter(includeFirstComment);
  State state = phpTags ? State::Outside : State::Code;
  for (size_t i = 0; i < length; ++i) {
    const unsigned char c = data[i];
    const unsigned char previous = i > 0 ? data[i - 1] : 0;
    // The tag tests look at the next byte without consuming it.
    const unsigned char next = i + 1 < length ? data[i + 1] : 0;
    switch (state) {
      case State::Outside:
        if (c == '<' && next == '?') state = State::Code;
        break;
      case State::Code:
        if (phpTags && c == '?' && next == '>') {
          state = State::Outside;  // the tag is counted nowhere and closes no run
        } else if (c == '"') {
          ++counter.pendingCodeChars;
          state = State::String;
        } else if (c == '/') {
          state = State::Slash;
        } else {
          counter.plainCode(c == ';' || c == '{');
        }
        break;
      case State::Slash:
        if (c == '/' || c == '*') {
          counter.pendingCommentChars += 2;
          state = c == '/' ? State::LineComment : State::BlockComment;
        } else {
          // The character after a lone slash is swallowed: it opens nothing,
          // marks nothing and closes no run.
          counter.pendingCodeChars += 2;
          state = State::Code;
        }
        break;
      case State::BlockComment:
        ++counter.pendingCommentChars;
        if (c == '*') {
          counter.offerIfPending(c, previous);
          state = State::BlockStar;
        } else {
          counter.offer(c, previous);
        }
        break;
      case State::BlockStar:
        // The character after a star is never offered to the detectors.
        ++counter.pendingCommentChars;
        state = c == '/' ? State::Code : c == '*' ? State::BlockStar : State::BlockComment;
        break;
      case State::String:
        ++counter.pendingCodeChars;
        if (c == '"') state = State::Code;
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
    }
  }
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
