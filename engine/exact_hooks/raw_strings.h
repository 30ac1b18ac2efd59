#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_H_

#include <cstdint>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// C++'s raw strings: a double quote after exactly R, LR, uR, UR or u8R
// opens R"delim(...)delim", closed only by ")delim\"". Splices are undone
// inside: its bytes are taken as they are. A delimiter that is too long or
// holds a byte it may not falls back to the row's "\"" string.
template <>
struct machineHook<hook::rawStrings> {
  static constexpr hookToken tokens[] = {{"\""}};
  static constexpr hookNeeds needs = {.tokenRuns = true};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char* q,
                  const unsigned char*) {
    // An ordinary string. Every raw prefix ends in R, which tells most at
    // once, without walking back over the run.
    if (m.frame.previous(p) != 'R' || !isRawPrefix(m.runBefore(p))) return nullptr;
    m.frame.literal(p, q);
    length_ = 0;
    step_ = step::delimiter;
    m.template enterHook<hook::rawStrings>();
    return q;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    switch (step_) {
      case step::delimiter: return delimiter(m, p);
      case step::body: {
        const unsigned char* stop = m.frame.template literalRun<byteSet<')'>>(p, end);
        if (stop == end) return stop;
        m.frame.literal(stop, stop + 1);
        matched_ = 0;
        step_ = step::close;
        return stop + 1;
      }
      case step::close: break;
    }
    if (matched_ == length_ ? *p == '"' : *p == delimiter_[matched_]) {
      m.frame.literal(p, p + 1);
      if (matched_++ == length_) m.enterCode();
      return p + 1;
    }
    // The delimiter holds no ")", so only this byte can begin the closer anew.
    step_ = step::body;
    return p;
  }

 private:
  enum class step : uint8_t {
    delimiter,  // after R": the delimiter up to "("
    body,
    close,  // a ")" in the body, maybe followed by the delimiter and the quote
  };

  template <class M>
  const unsigned char* delimiter(M& m, const unsigned char* p) {
    if (*p == '(') {
      m.frame.literal(p, p + 1);
      step_ = step::body;
      return p + 1;
    }
    if (*p == '"' || isBadRawDelimiterByte(*p) || length_ == kMaxRawDelimiter) {
      // No raw string after all: what was read is ordinary string text.
      constexpr int kString = M::literalOpenedBy("\"");
      static_assert(kString >= 0, "raw strings need the row's \" literal");
      m.enterLiteral(kString);
      return p;
    }
    delimiter_[length_++] = *p;
    m.frame.literal(p, p + 1);
    return p + 1;
  }

  step step_ = step::delimiter;
  int length_ = 0;   // of the delimiter
  int matched_ = 0;  // close: delimiter bytes matched
  unsigned char delimiter_[kMaxRawDelimiter] = {};
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_RAW_STRINGS_H_
