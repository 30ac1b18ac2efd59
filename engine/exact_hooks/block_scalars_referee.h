#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_REFEREE_H_

// The referee of YAML's block scalars (see block_scalars.h), a byte at a
// time.

#include <cstdint>

#include "engine/exact_referee.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::blockScalars> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    parent_ = r.indentAt(r.position());
    bodyIndent_ = -1;
    afterBlank_ = false;
    r.takeCode();
    step_ = phase::header;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (step_) {
      case phase::header:
        if (isLineEnd(c)) {
          r.takeCode();
          startLine();
        } else if (isBlankByte(c)) {
          r.takeCode();
          afterBlank_ = true;
        } else if (c == '#' && afterBlank_) {
          r.takeMarker(1);
          step_ = phase::comment;
        } else if (!afterBlank_ && isBlockScalarIndicator(c)) {
          r.takeCode();
        } else {
          r.enterCode();
        }
        return;
      case phase::comment:
        if (isLineEnd(c)) {
          r.takeCommentEnd();
          startLine();
        } else {
          r.takeComment(1);
        }
        return;
      case phase::indent:
        if (isLineEnd(c)) {
          r.takeLiteral(1);
          startLine();
        } else if (c == ' ' && onlySpaces_) {
          r.takeLiteral(1);
          ++spaces_;
        } else if (isBlankByte(c)) {
          r.takeLiteral(1);
          onlySpaces_ = false;
        } else if (bodyIndent_ < 0 && spaces_ > parent_) {
          bodyIndent_ = spaces_;
          step_ = phase::body;
        } else if (bodyIndent_ >= 0 && spaces_ >= bodyIndent_) {
          step_ = phase::body;
        } else {
          r.enterCode();
        }
        return;
      case phase::body:
        r.takeLiteral(1);
        if (isLineEnd(c)) startLine();
        return;
    }
  }

 private:
  enum class phase { header, comment, indent, body };

  void startLine() {
    step_ = phase::indent;
    spaces_ = 0;
    onlySpaces_ = true;
  }

  phase step_ = phase::header;
  bool afterBlank_ = false;
  bool onlySpaces_ = true;
  int64_t parent_ = 0;
  int64_t bodyIndent_ = -1;
  int64_t spaces_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_BLOCK_SCALARS_REFEREE_H_
