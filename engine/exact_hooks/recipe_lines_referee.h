#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_REFEREE_H_

// The referee of make's recipe lines (see recipe_lines.h), a byte at a
// time.

#include "engine/exact_referee.h"
#include "engine/exact_tokens.h"
#include "engine/line_counter.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::recipeLines> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    r.takeCode();
    step_ = phase::command;
    atStart_ = true;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (step_) {
      case phase::command: return command(r, c);
      case phase::singleQuoted:
        r.takeLiteral(1);
        if (c == '\'') step_ = phase::command;
        return;
      case phase::doubleQuoted:
        if (c == '\\') {
          r.takeLiteral(r.position() + 1 < r.length() ? 2 : 1);
        } else {
          r.takeLiteral(1);
          if (c == '"') step_ = phase::command;
        }
        return;
      case phase::comment:
        if (isLineEnd(c)) {
          r.takeCommentEnd();
          r.enterCode();
        } else {
          r.takeComment(1);
        }
        return;
    }
  }

 private:
  enum class phase { command, singleQuoted, doubleQuoted, comment };

  void command(exactReferee& r, unsigned char c) {
    const size_t i = r.position();
    const unsigned char before = i > 0 ? r.at(i - 1) : 0;
    if (isLineEnd(c)) {
      r.enterCode();
    } else if (c == '#' && (endsWord(before) || (atStart_ && isRecipePrefix(before)))) {
      r.takeMarker(1);
      step_ = phase::comment;
    } else if (c == '\'' || c == '"') {
      r.takeLiteral(1);
      step_ = c == '"' ? phase::doubleQuoted : phase::singleQuoted;
      atStart_ = false;
    } else if (c == '\\') {
      r.takeCode();
      if (i + 1 < r.length()) r.takeCode();
      atStart_ = false;
    } else {
      r.takeCode();
      atStart_ = atStart_ && (isRecipePrefix(c) || isBlankByte(c));
    }
  }

  phase step_ = phase::command;
  bool atStart_ = true;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_RECIPE_LINES_REFEREE_H_
