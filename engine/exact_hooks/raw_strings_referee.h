#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_REFEREE_H_

// The referee of C++'s raw strings (see raw_strings.h), a byte at a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::rawStrings> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    if (!isRawPrefix(r.runBefore(r.position()))) return false;
    r.takeLiteral(length);
    delimiter_.clear();
    step_ = phase::delimiter;
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    switch (step_) {
      case phase::delimiter:
        if (c == '(') {
          r.takeLiteral(1);
          step_ = phase::body;
        } else if (c == '"' || isBadRawDelimiterByte(c) ||
                   delimiter_.size() == static_cast<size_t>(kMaxRawDelimiter)) {
          r.enterLiteral(r.literalOpenedBy("\""));  // an ordinary string after all
        } else {
          delimiter_ += static_cast<char>(c);
          r.takeLiteral(1);
        }
        return;
      case phase::body:
        r.takeLiteral(1);
        if (c == ')') {
          matched_ = 0;
          step_ = phase::close;
        }
        return;
      case phase::close:
        if (matched_ < delimiter_.size() && c == static_cast<unsigned char>(delimiter_[matched_])) {
          r.takeLiteral(1);
          ++matched_;
        } else if (matched_ == delimiter_.size() && c == '"') {
          r.takeLiteral(1);
          r.enterCode();
        } else {
          step_ = phase::body;
        }
        return;
    }
  }

 private:
  enum class phase { delimiter, body, close };
  phase step_ = phase::delimiter;
  std::string delimiter_;
  size_t matched_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_REFEREE_H_
