#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_REFEREE_H_

// The referee of heredocs whose body starts on the next line (see
// line_heredocs.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::lineHeredocs> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t i = r.position();
    if (r.rules().heredoc.notAfterWord && i > 0 && isLabelByte(r.at(i - 1))) return false;
    if (bodies_.size() == static_cast<size_t>(kMaxPendingHeredocs)) return false;
    for (size_t k = 0; k < length; ++k) r.takeCode();
    label_.clear();
    indented_ = false;
    quote_ = 0;
    step_ = phase::mark;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    const heredocRule& rule = r.rules().heredoc;
    switch (step_) {
      case phase::mark:
        step_ = phase::blanks;
        if (rule.indentMarks.find(static_cast<char>(c)) != std::string_view::npos) {
          indented_ = true;
          r.takeCode();
        }
        return;
      case phase::blanks:
        if (rule.blanksBeforeLabel && (c == ' ' || c == '\t')) {
          r.takeCode();
        } else if (isHeredocQuote(c) || c == '\\') {
          r.takeLiteral(1);
          quote_ = c == '\\' ? 0 : c;
          step_ = quote_ != 0 ? phase::quotedLabel : phase::label;
        } else {
          step_ = phase::label;
        }
        return;
      case phase::label:
        if (label_.empty() ? startsLabel(c) : isLabelByte(c)) {
          labelByte(r, c);
        } else if (label_.empty()) {
          toCode(r);
        } else {
          waitForLine(r);
        }
        return;
      case phase::quotedLabel:
        if (c == quote_) {
          r.takeLiteral(1);
          waitForLine(r);
        } else if (isLineEnd(c)) {
          toCode(r);
        } else {
          labelByte(r, c);
        }
        return;
      case phase::lineStart: {
        const std::string& label = bodies_[current_].label;
        if (matched_ == 0 && bodies_[current_].indented && indentsLabel(c, rule.tabsOnly)) {
          r.takeLiteral(1);
        } else if (matched_ < label.size() && c == static_cast<unsigned char>(label[matched_])) {
          r.takeLiteral(1);
          ++matched_;
        } else if (matched_ == label.size() && isLineEnd(c)) {
          if (++current_ < bodies_.size()) {
            r.takeLiteral(1);
            matched_ = 0;
          } else {
            bodies_.clear();
            r.enterCode();
          }
        } else {
          step_ = phase::line;
        }
        return;
      }
      case phase::line:
        r.takeLiteral(1);
        if (isLineEnd(c)) {
          matched_ = 0;
          step_ = phase::lineStart;
        }
        return;
    }
  }

 private:
  enum class phase { mark, blanks, label, quotedLabel, lineStart, line };

  void labelByte(exactReferee& r, unsigned char c) {
    if (label_.size() == kMaxHeredocLabel) {
      toCode(r);
      return;
    }
    label_ += static_cast<char>(c);
    r.takeLiteral(1);
  }

  void waitForLine(exactReferee& r) {
    bodies_.push_back({label_, indented_});
    r.watchLineEnd(this);
    toCode(r);
  }

  void toCode(exactReferee& r) {
    r.enterCode();
    step_ = phase::lineStart;
    current_ = 0;
    matched_ = 0;
  }

  phase step_ = phase::mark;
  std::string label_;  // the label being read, and its mark
  bool indented_ = false;
  unsigned char quote_ = 0;
  struct heredoc {
    std::string label;
    bool indented;
  };
  std::vector<heredoc> bodies_;  // to come, in order
  size_t current_ = 0;
  size_t matched_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_LINE_HEREDOCS_REFEREE_H_
