#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_REFEREE_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_REFEREE_H_

// The referee of doc blocks and data sections (see doc_blocks.h), a byte at
// a time.

#include "engine/exact_referee.h"

namespace quillstat {

template <>
class hookRefereeOf<hook::docBlocks> final : public hookReferee {
 public:
  bool open(exactReferee& r, size_t) override {
    const docBlockRule& rule = r.rules().docBlock;
    if (r.at(r.position()) == '=') return openDoc(r);
    for (std::string_view marker : words(rule.dataMarkers)) {
      const size_t i = r.position();
      if (r.matchAt(i, marker) == 0) continue;
      const size_t next = i + marker.size();
      if (next < r.length() && isLabelByte(r.at(next))) continue;
      r.takeLiteral(marker.size());
      step_ = phase::dataLine;
      inData_ = true;
      r.enterHook(this);
      return true;
    }
    return false;
  }

  void step(exactReferee& r, unsigned char c) override {
    const docBlockRule& rule = r.rules().docBlock;
    switch (step_) {
      case phase::docLine:
        r.takeComment(1);
        if (isLineEnd(c)) {
          matched_ = 0;
          step_ = phase::docLineStart;
        }
        return;
      case phase::docLineStart:
        if (matched_ < rule.closer.size() && c == static_cast<unsigned char>(rule.closer[matched_])) {
          r.takeComment(1);
          ++matched_;
        } else if (matched_ == rule.closer.size() && !(endsInLetter(rule.closer) && isLabelByte(c))) {
          step_ = phase::lastLine;
        } else {
          step_ = phase::docLine;
        }
        return;
      case phase::lastLine:
        if (!isLineEnd(c)) {
          r.takeComment(1);
          return;
        }
        r.takeCommentEnd();
        if (inData_) {
          step_ = phase::dataLineStart;
        } else {
          r.enterCode();
        }
        return;
      case phase::dataLineStart:
        if (rule.docsInData && c == '=' && openDoc(r)) return;
        step_ = phase::dataLine;
        return;
      case phase::dataLine:
        r.takeLiteral(1);
        if (isLineEnd(c)) step_ = phase::dataLineStart;
        return;
    }
  }

 private:
  static bool endsInLetter(std::string_view word) {
    return !word.empty() && isAsciiLetter(static_cast<unsigned char>(word.back()));
  }

  enum class phase { docLine, docLineStart, lastLine, dataLineStart, dataLine };

  static std::vector<std::string_view> words(std::string_view list) {
    std::vector<std::string_view> out;
    while (!list.empty()) {
      const size_t space = list.find(' ');
      out.push_back(list.substr(0, space));
      list.remove_prefix(space == std::string_view::npos ? list.size() : space + 1);
    }
    return out;
  }

  bool openDoc(exactReferee& r) {
    const std::string_view opener = r.rules().docBlock.opener;
    const size_t i = r.position();
    if (opener.empty() || r.matchAt(i, opener) == 0) return false;
    const size_t next = i + opener.size();
    const bool whole = endsInLetter(opener)
                           ? next == r.length() || !isLabelByte(r.at(next))
                           : next < r.length() && isAsciiLetter(r.at(next));
    if (!whole) return false;
    r.takeMarker(opener.size(), r.rules().docBlock.isDoc);
    step_ = phase::docLine;
    r.enterHook(this);
    return true;
  }

  phase step_ = phase::docLine;
  size_t matched_ = 0;
  bool inData_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_REFEREE_H_
