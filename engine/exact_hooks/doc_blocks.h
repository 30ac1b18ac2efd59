#ifndef QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_H_
#define QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/exact_hook_rules.h"
#include "engine/exact_step.h"

namespace quillstat {

// Whole-line comments and the data section (docBlockRule in exact_rules.h):
// Perl's POD from "=head1" to "=cut", Ruby's "=begin" to "=end", both whole
// lines, the opener a marker; the closing line's line end ends the comment
// as a line comment's does. After a data marker ("__END__") the rest is a
// literal, in which doc blocks open at column 1 where the row says so.
template <>
struct machineHook<hook::docBlocks> {
  static constexpr hookToken tokens[] = {{"=", placement::column1}, {"__", placement::column1}};
  static constexpr hookNeeds needs = {};

  template <class M>
  stepResult open(M& m, const unsigned char* p, const unsigned char*,
                  const unsigned char* end) {
    constexpr docBlockRule rule = M::kRules.docBlock;
    if (*p == '=') {
      if (rule.opener.empty()) return kDeclined;
      return openDoc(m, p, end);
    }
    std::string_view markers = rule.dataMarkers;
    while (!markers.empty()) {
      const size_t space = markers.find(' ');
      const std::string_view marker = markers.substr(0, space);
      size_t length = 0;
      const matchResult found = m.match(p, end, marker, &length);
      if (found == matchResult::needMore) return waitAt(p);
      if (found == matchResult::yes) {
        if (p + length == end && !m.atContentEnd()) {
          return waitAt(p);
        }
        if (p + length == end || !isLabelByte(p[length])) {
          m.frame.literal(p, p + length);
          step_ = step::dataLine;
          inData_ = true;
          m.template enterHook<hook::docBlocks>();
          return p + length;
        }
      }
      markers.remove_prefix(space == std::string_view::npos ? markers.size() : space + 1);
    }
    return nullptr;
  }

  template <class M>
  stepResult resume(M& m, const unsigned char* p, const unsigned char* end) {
    constexpr docBlockRule rule = M::kRules.docBlock;
    switch (step_) {
      case step::docLine:
      case step::lastLine: {
        const unsigned char* stop = m.frame.template commentRun<byteSet<'\r', '\n'>>(p, end);
        if (stop == end) return stop;
        if (step_ == step::docLine) {
          m.frame.comment(stop);
          matched_ = 0;
          step_ = step::docLineStart;
          return stop + 1;
        }
        m.frame.closeComment(stop);
        m.frame.lineCommentEnd(stop);
        if (inData_) {
          step_ = step::dataLineStart;
        } else {
          m.enterCode();
        }
        return stop + 1;
      }
      case step::docLineStart:
        if (matched_ < rule.closer.size() && *p == static_cast<unsigned char>(rule.closer[matched_])) {
          m.frame.comment(p);
          ++matched_;
          return p + 1;
        }
        // "=cut" ends the block, "=cutx" does not.
        step_ = matched_ == rule.closer.size() && !(endsInLetter(rule.closer) && isLabelByte(*p))
                    ? step::lastLine
                    : step::docLine;
        return p;
      case step::dataLineStart:
        if (rule.docsInData && *p == '=') {
          const stepResult opened = openDoc(m, p, end);
          if (!opened.declined()) return opened;
        }
        step_ = step::dataLine;
        return p;
      case step::dataLine: {
        const unsigned char* stop = m.frame.template literalRun<byteSet<'\r', '\n'>>(p, end);
        if (stop == end) return stop;
        m.frame.literal(stop, stop + 1);
        step_ = step::dataLineStart;
        return stop + 1;
      }
    }
    return p;
  }

 private:
  enum class step : uint8_t {
    docLine,        // a line of a doc block
    docLineStart,   // its start: maybe the closer
    lastLine,       // the rest of the closing line
    dataLineStart,  // a line of the data: maybe a doc block's opener
    dataLine,
  };

  static constexpr bool endsInLetter(std::string_view word) {
    return !word.empty() && isAsciiLetter(static_cast<unsigned char>(word.back()));
  }

  // Opens a doc block at p when its opener stands there as a whole word
  // ("=begin" and no name byte, or "=" and a letter), and answers past its
  // opener; waits when the bytes to come decide, else declines.
  template <class M>
  stepResult openDoc(M& m, const unsigned char* p, const unsigned char* end) {
    constexpr std::string_view opener = M::kRules.docBlock.opener;
    size_t length = 0;
    const matchResult found = m.match(p, end, opener, &length);
    if (found == matchResult::needMore) return waitAt(p);
    if (found == matchResult::no) return kDeclined;
    const unsigned char* next = p + length;
    if (next == end && !m.atContentEnd()) return waitAt(p);
    const bool whole = endsInLetter(opener) ? next == end || !isLabelByte(*next)
                                            : next < end && isAsciiLetter(*next);
    if (!whole) return kDeclined;
    m.frame.openComment(p, M::kRules.docBlock.isDoc);
    m.frame.marker(p, next);
    step_ = step::docLine;
    m.template enterHook<hook::docBlocks>();
    return goOn(p + opener.size());
  }

  step step_ = step::docLine;
  size_t matched_ = 0;   // closer bytes at a doc line's start
  bool inData_ = false;  // after a data marker
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_HOOKS_DOC_BLOCKS_H_
