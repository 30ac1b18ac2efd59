#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_REFEREE_H_

// The referee of an indented syntax's comments (see indented_comments.h), a
// byte at a time.

#include <cstdint>

#include "engine/exact_referee.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::indentedComments> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    parent_ = r.indentAt(r.position());
    r.takeMarker(length);
    inComment_ = true;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    if (inComment_) {
      if (isLineEnd(c)) {
        r.takeCommentEnd();
        startLine();
      } else {
        r.takeComment(1);
      }
    } else if (isLineEnd(c)) {
      r.takeLiteral(1);
      startLine();
    } else if (c == ' ' && onlySpaces_) {
      r.takeLiteral(1);
      ++spaces_;
    } else if (isBlankByte(c)) {
      r.takeLiteral(1);
      onlySpaces_ = false;
    } else if (spaces_ > parent_) {
      inComment_ = true;
    } else {
      r.enterCode();
    }
  }

 private:
  void startLine() {
    inComment_ = false;
    onlySpaces_ = true;
    spaces_ = 0;
  }

  bool inComment_ = false;
  bool onlySpaces_ = true;
  int64_t parent_ = 0;
  int64_t spaces_ = 0;  // the leading spaces of the line under way
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_INDENTED_COMMENTS_REFEREE_H_
