#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_REFEREE_H_

// The referee of JSX elements (see jsx_elements.h), a byte at a time.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::jsxElements> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t length) override {
    const size_t i = r.position();
    if (!expectsOperand(r.significantBefore(i), r.rules().regex.keywords)) return false;
    std::string after;
    for (size_t k = i + length; k < r.length() && after.size() < kMaxLookahead; ++k) {
      after += static_cast<char>(r.at(k));
    }
    if (jsxStartOf(after, true) != jsxStart::element) return false;
    elements_.push_back({});
    r.takeLiteral(length);
    r.enterHook(this);
    return true;
  }

  void step(exactReferee& r, unsigned char c) override {
    element& e = elements_.back();
    const size_t i = r.position();
    const unsigned char next = i + 1 < r.length() ? r.at(i + 1) : 0;
    if (e.braceOpen) {
      e.braceOpen = false;
      r.takeLiteral(1);
      return;
    }
    switch (e.where) {
      case part::tag:
        if (c == '"' || c == '\'') {
          e.quote = c;
          e.where = part::string;
        } else if (c == '{') {
          brace(r);
          return;
        } else if (c == '/' && next == '>') {
          if (e.open == 0) {
            finish(r, 2);
            return;
          }
          e.where = part::text;
          r.takeLiteral(2);
          return;
        } else if (c == '>') {
          ++e.open;
          e.where = part::text;
        }
        r.takeLiteral(1);
        return;
      case part::string:
        if (c == e.quote) e.where = part::tag;
        r.takeLiteral(1);
        return;
      case part::closing:
        if (c == '>' && --e.open == 0) {
          finish(r, 1);
          return;
        }
        if (c == '>') e.where = part::text;
        r.takeLiteral(1);
        return;
      case part::text:
        if (c == '{') {
          brace(r);
        } else if (c == '>' || c == '}') {
          elements_.pop_back();
          r.enterCode();
        } else if (c == '<' && next == '/') {
          e.where = part::closing;
          r.takeLiteral(2);
        } else {
          if (c == '<' && (isAsciiLetter(next) || next == '_' || next == '$' || next == '>')) {
            e.where = part::tag;
          }
          r.takeLiteral(1);
        }
        return;
    }
  }

 private:
  enum class part { tag, string, text, closing };
  struct element {
    part where = part::tag;
    bool braceOpen = false;
    unsigned char quote = '"';
    int64_t open = 0;
  };

  void brace(exactReferee& r) {
    r.takeCode();
    if (r.enterNestedCode(this)) {
      elements_.back().braceOpen = true;
    } else {
      elements_.pop_back();
      r.enterCode();
    }
  }

  void finish(exactReferee& r, size_t n) {
    r.takeLiteral(n);
    elements_.pop_back();
    r.enterCode();
  }

  std::vector<element> elements_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_JSX_ELEMENTS_REFEREE_H_
