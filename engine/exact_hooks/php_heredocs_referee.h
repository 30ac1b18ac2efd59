#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_REFEREE_H_

// The referee of PHP's heredocs and nowdocs (see php_heredocs.h), a byte
// at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::phpHeredocs> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    for (size_t k = 0; k < length; ++k) r.takeCode();
    quote_ = 0;
    label_.clear();
    step_ = phase::start;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (step_) {
      case phase::start:
        if (isPhpBlank(c)) {
          r.takeCode();
        } else if (quote_ == 0 && (c == '\'' || c == '"')) {
          r.takeLiteral(1);
          quote_ = c;
        } else if (startsLabel(c)) {
          step_ = phase::label;
        } else {
          r.enterCode();
        }
        return;
      case phase::label:
        if (isLabelByte(c)) {
          if (label_.size() == kMaxHeredocLabel) {
            r.enterCode();
          } else {
            r.takeLiteral(1);
            label_ += static_cast<char>(c);
          }
          return;
        }
        step_ = phase::line;
        if (quote_ != 0 && c == quote_) r.takeLiteral(1);
        return;
      case phase::line:
        r.takeLiteral(1);
        if (isLineEnd(c)) {
          matched_ = 0;
          step_ = phase::lineStart;
        }
        return;
      case phase::lineStart:
        if (matched_ == 0 && isPhpBlank(c)) {
          r.takeLiteral(1);
        } else if (c == static_cast<unsigned char>(label_[matched_])) {
          r.takeLiteral(1);
          if (++matched_ == label_.size()) step_ = phase::labelEnd;
        } else {
          step_ = phase::line;
        }
        return;
      case phase::labelEnd:
        if (isLabelByte(c)) {
          step_ = phase::line;
        } else {
          r.enterCode();
        }
        return;
    }
  }

 private:
  enum class phase { start, label, line, lineStart, labelEnd };
  phase step_ = phase::start;
  unsigned char quote_ = 0;
  std::string label_;
  size_t matched_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_PHP_HEREDOCS_REFEREE_H_
