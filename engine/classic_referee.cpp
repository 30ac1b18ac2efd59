#include "engine/classic_referee.h"

#include "engine/comment_counter.h"
#include "engine/classic_referee_steps.h"
#include "engine/scan_states.h"

namespace quillstat {

namespace {

// The machine that C++ and PHP share; with phpTags the scan starts outside the
// tags, "<?" enters code and "?>" met in code leaves it again.
fileStats scanCLike(const unsigned char* data, size_t length, bool includeFirstComment,
                    bool phpTags) {
  using State = cLikeState;
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
      case State::LineComment: lineCommentByte(counter, state, c, previous); break;
      case State::TagOpen:
      case State::TagClose:
        break;  // the tag tests look ahead instead
    }
  }
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace

fileStats classicRefereeScanCpp(const char* data, size_t length, bool includeFirstComment) {
  return scanCLike(reinterpret_cast<const unsigned char*>(data), length, includeFirstComment,
                     /*phpTags=*/false);
}

fileStats classicRefereeScanPhp(const char* data, size_t length, bool includeFirstComment) {
  return scanCLike(reinterpret_cast<const unsigned char*>(data), length, includeFirstComment,
                     /*phpTags=*/true);
}

fileStats classicRefereeScanDelphi(const char* bytes, size_t length, bool includeFirstComment) {
  using State = delphiState;
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
      case State::LineComment: lineCommentByte(counter, state, c, previous); break;
      case State::Paren:
        break;  // handled above
    }
  }
  return counter.finish(static_cast<int64_t>(length));
}

}  // namespace quillstat
