#ifndef QUILLSTAT_ENGINE_EXACT_SCANNER_H_
#define QUILLSTAT_ENGINE_EXACT_SCANNER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/exact_frame.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_rules.h"
#include "engine/exact_tokens.h"
#include "engine/file_stats.h"

namespace quillstat {

// The exact machine of one row of rules, compiled for that row so that the
// bytes each state stops at are a set known at compile time and the runs
// between them are skipped in bulk (byte_search.h).
//
// In code it skips to the first byte that can open a token, tries the row's
// tokens there longest first (exact_tokens.h), and takes what the token
// opens: a comment, a literal, the end of a code region, or a hook's
// construct. A comment or literal runs to its closer, past escapes, nested
// openers and line splices as the row says. Where what a byte is depends on
// bytes that have not arrived (the "/" at a chunk's end), the machine
// stops there and takes those bytes up again, joined to the next chunk's;
// at most kMaxLookahead of them are ever held.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
template <const exactRules& R>
class exactScanner {
 public:
  explicit exactScanner(bool includeFirstComment) : frame_(includeFirstComment) {
    if constexpr (kHasRegion) mode_ = mode::outside;
  }

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

 private:
  enum class mode : uint8_t {
    code,
    lineComment,   // of rule_
    blockComment,  // of rule_, depth_ deep
    literal,       // of rule_
    outside,       // outside the code region
    // The hooks' own states.
    directive,         // after a "#" that starts a line: blanks, then maybe "include"
    includeLine,       // after "#include": a "<" opens a header name
    headerName,
    rawDelimiter,      // after R": the delimiter up to "("
    rawBody,
    rawClose,          // a ")" in a raw string, maybe followed by delimiter and quote
    heredocStart,      // after "<<<": blanks, a quote, the label
    heredocLabel,
    heredocLine,       // the rest of the "<<<" line, or a body line
    heredocLineStart,  // a body line's start: blanks, then maybe the label
    heredocLabelEnd,   // the label at a line's start; a label byte next means it was not
  };

  static constexpr codeTokenList kTokens = codeTokensOf(R);
  static constexpr bool kHasRegion = !R.region.opener.empty();
  static constexpr bool kSplices = R.lineSplices;
  static constexpr bool kTracksRuns = R.has(hook::rawStrings) || R.has(hook::digitSeparators);

  static constexpr int countOf(const auto& rules) {
    int n = 0;
    for (const auto& rule : rules) n += rule.opener.empty() ? 0 : 1;
    return n;
  }
  static constexpr int kLineComments = countOf(R.lineComments);
  static constexpr int kBlockComments = countOf(R.blockComments);
  static constexpr int kLiterals = countOf(R.literals);

  using codeStops = byteSetOf<codeStopsOf(R)>;
  using marks = byteSetOf<marksOf(R)>;
  using lineStops = byteSetOf<lineCommentStopsOf(R)>;
  template <int K>
  using blockStops = byteSetOf<blockCommentStopsOf(R.blockComments[K])>;
  template <int K>
  using literalStops = byteSetOf<literalStopsOf(R, R.literals[K])>;

  // Takes the chunk [p, end): the bytes it can decide; holds the rest.
  void scan(const unsigned char* p, const unsigned char* end);
  const unsigned char* step(const unsigned char* p, const unsigned char* end);

  // Each handles bytes from p in its mode and returns where it stopped; each
  // takes at least one byte, changes the mode, or sets waiting_ and returns
  // the first byte it could not decide.
  const unsigned char* code(const unsigned char* p, const unsigned char* end);
  const unsigned char* lineComment(const unsigned char* p, const unsigned char* end);
  template <int K>
  const unsigned char* blockComment(const unsigned char* p, const unsigned char* end);
  template <int K>
  const unsigned char* literal(const unsigned char* p, const unsigned char* end);
  const unsigned char* outside(const unsigned char* p, const unsigned char* end);

  // The token of kTokens.items[I] at p, if it stands there: returns past
  // what it opened and its handler took, or nullptr when it does not stand
  // there (or a hook declines it).
  template <int I>
  const unsigned char* tryToken(const unsigned char* p, const unsigned char* end);
  template <size_t... I>
  const unsigned char* openToken(const unsigned char* p, const unsigned char* end,
                                 std::index_sequence<I...>);
  bool placed(placement where, const unsigned char* p) const;
  // matchToken with the row's splices; sets waiting_ on needMore.
  matchResult match(const unsigned char* p, const unsigned char* end, std::string_view token,
                    size_t* length);
  // Whether a splice (a backslash before a line end) stands at p, or, with
  // waiting_ set, whether bytes to come decide it.
  bool spliceAt(const unsigned char* p, const unsigned char* end);

  // The rule-indexed modes, dispatched on rule_.
  template <size_t... K>
  const unsigned char* blockCommentOf(const unsigned char* p, const unsigned char* end,
                                      std::index_sequence<K...>);
  template <size_t... K>
  const unsigned char* literalOf(const unsigned char* p, const unsigned char* end,
                                 std::index_sequence<K...>);

  // The hooks (exact_scanner_hooks.h). open*() takes the hook's token at
  // [p, q) and returns as tryToken does.
  template <uint32_t H>
  const unsigned char* openHook(const unsigned char* p, const unsigned char* q,
                                const unsigned char* end);
  const unsigned char* directive(const unsigned char* p, const unsigned char* end);
  const unsigned char* includeLine(const unsigned char* p, const unsigned char* end);
  const unsigned char* headerName(const unsigned char* p, const unsigned char* end);
  const unsigned char* rawDelimiter(const unsigned char* p);
  const unsigned char* rawBody(const unsigned char* p, const unsigned char* end);
  const unsigned char* rawClose(const unsigned char* p);
  const unsigned char* heredocStart(const unsigned char* p);
  const unsigned char* heredocLabel(const unsigned char* p);
  const unsigned char* heredocLine(const unsigned char* p, const unsigned char* end);
  const unsigned char* heredocLineStart(const unsigned char* p);
  const unsigned char* heredocLabelEnd(const unsigned char* p);
  // The run of C token bytes that ends at p, this chunk's and the earlier
  // ones'; asked about places in increasing order.
  tokenRun runBefore(const unsigned char* p);
  // The literal rule that a hook falls back to: the row's one opened by `opener`.
  static constexpr int literalOpenedBy(std::string_view opener) {
    for (int k = 0; k < kLiterals; ++k) {
      if (R.literals[k].opener == opener) return k;
    }
    return -1;
  }

  exactFrame frame_;
  mode mode_ = mode::code;
  uint8_t rule_ = 0;
  int64_t depth_ = 0;
  bool final_ = false;    // the chunk's end is the content's end
  bool waiting_ = false;  // a handler needs bytes past the chunk's end
  std::vector<unsigned char> held_;  // the bytes from the first one not decided

  // The hooks' state.
  int matched_ = 0;  // directive: letters of "include"; raw close: delimiter bytes;
                     // heredoc line start: label bytes
  int delimiterLength_ = 0;
  unsigned char delimiter_[kMaxRawDelimiter] = {};
  unsigned char labelQuote_ = 0;  // the quote around a heredoc label, or 0
  std::string label_;             // of the heredoc being read
  const unsigned char* runAnchor_ = nullptr;  // the last place runBefore() was asked about
  tokenRun anchorRun_;  // its answer; at a chunk's start, the run that ended the chunk before
};

template <const exactRules& R>
void exactScanner<R>::feed(const char* data, size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  if (held_.empty()) {
    scan(p, p + length);
    return;
  }
  std::vector<unsigned char> joined;
  joined.swap(held_);
  joined.insert(joined.end(), p, p + length);
  scan(joined.data(), joined.data() + joined.size());
}

template <const exactRules& R>
fileStats exactScanner<R>::finish(int64_t size) {
  final_ = true;
  if (!held_.empty()) {
    std::vector<unsigned char> rest;
    rest.swap(held_);
    scan(rest.data(), rest.data() + rest.size());
  }
  return frame_.finish(size, R.marks.empty());
}

template <const exactRules& R>
void exactScanner<R>::scan(const unsigned char* p, const unsigned char* end) {
  frame_.beginChunk(p);
  if constexpr (kTracksRuns) runAnchor_ = p;  // anchorRun_ is the run that ended before p
  while (p < end) {
    p = step(p, end);
    if (waiting_) {
      waiting_ = false;
      held_.assign(p, end);
      break;
    }
  }
  if constexpr (kTracksRuns) runBefore(p);
  frame_.endChunk(p);
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::step(const unsigned char* p, const unsigned char* end) {
  switch (mode_) {
    case mode::code: return code(p, end);
    case mode::lineComment: return lineComment(p, end);
    case mode::blockComment:
      if constexpr (kBlockComments > 0) {
        return blockCommentOf(p, end, std::make_index_sequence<kBlockComments>{});
      }
      break;
    case mode::literal:
      if constexpr (kLiterals > 0) return literalOf(p, end, std::make_index_sequence<kLiterals>{});
      break;
    case mode::outside: return outside(p, end);
    case mode::directive: return directive(p, end);
    case mode::includeLine: return includeLine(p, end);
    case mode::headerName: return headerName(p, end);
    case mode::rawDelimiter: return rawDelimiter(p);
    case mode::rawBody: return rawBody(p, end);
    case mode::rawClose: return rawClose(p);
    case mode::heredocStart: return heredocStart(p);
    case mode::heredocLabel: return heredocLabel(p);
    case mode::heredocLine: return heredocLine(p, end);
    case mode::heredocLineStart: return heredocLineStart(p);
    case mode::heredocLabelEnd: return heredocLabelEnd(p);
  }
  return p;  // not reached: no row enters a mode it has no rule for
}

template <const exactRules& R>
template <size_t... K>
const unsigned char* exactScanner<R>::blockCommentOf(const unsigned char* p,
                                                     const unsigned char* end,
                                                     std::index_sequence<K...>) {
  ((rule_ == K ? (p = blockComment<K>(p, end), true) : false) || ...);
  return p;
}

template <const exactRules& R>
template <size_t... K>
const unsigned char* exactScanner<R>::literalOf(const unsigned char* p, const unsigned char* end,
                                                std::index_sequence<K...>) {
  ((rule_ == K ? (p = literal<K>(p, end), true) : false) || ...);
  return p;
}

template <const exactRules& R>
matchResult exactScanner<R>::match(const unsigned char* p, const unsigned char* end,
                                   std::string_view token, size_t* length) {
  const matchResult m = matchToken(p, end, token, kSplices, final_, length);
  if (m == matchResult::needMore) waiting_ = true;
  return m;
}

template <const exactRules& R>
bool exactScanner<R>::spliceAt(const unsigned char* p, const unsigned char* end) {
  if (!kSplices || *p != '\\') return false;
  if (p + 1 < end) return isLineEnd(p[1]);
  waiting_ = !final_;
  return false;
}

template <const exactRules& R>
bool exactScanner<R>::placed(placement where, const unsigned char* p) const {
  switch (where) {
    case placement::anywhere: return true;
    case placement::lineStart: return frame_.onlyBlanksBefore(p);
    case placement::column1: return frame_.atLineStart(p);
    case placement::wordStart: return frame_.atLineStart(p) || endsWord(frame_.previous(p));
    case placement::tokenStart: return frame_.atLineStart(p) || !isWordByte(frame_.previous(p));
  }
  return false;
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::code(const unsigned char* p, const unsigned char* end) {
  for (;;) {
    p = frame_.template codeRun<codeStops, marks>(p, end);
    if (p == end) return p;
    const unsigned char* next = openToken(p, end, std::make_index_sequence<kTokens.count>{});
    if (waiting_) return next != nullptr ? next : p;  // in the token, or after what it opened
    if (next == nullptr) {
      frame_.code(marks::contains(*p));  // the byte opens nothing
      ++p;
      continue;
    }
    p = next;
    if (mode_ != mode::code) return p;
  }
}

template <const exactRules& R>
template <size_t... I>
const unsigned char* exactScanner<R>::openToken(const unsigned char* p, const unsigned char* end,
                                                std::index_sequence<I...>) {
  const unsigned char* next = nullptr;
  ((next = tryToken<I>(p, end), next != nullptr || waiting_) || ...);
  return next;
}

template <const exactRules& R>
template <int I>
const unsigned char* exactScanner<R>::tryToken(const unsigned char* p, const unsigned char* end) {
  constexpr codeToken token = kTokens.items[I];
  if (*p != static_cast<unsigned char>(token.text[0]) || !placed(token.where, p)) return nullptr;
  size_t length = 1;
  if constexpr (token.text.size() > 1) {
    if (match(p, end, token.text, &length) != matchResult::yes) return nullptr;
  }
  const unsigned char* q = p + length;
  if constexpr (token.notBefore != 0) {
    if (q == end && !final_) {
      waiting_ = true;
      return nullptr;
    }
    if (q < end && *q == static_cast<unsigned char>(token.notBefore)) return nullptr;
  }
  if constexpr (token.kind == tokenKind::lineComment) {
    frame_.openComment(p);
    frame_.marker(p, q);
    mode_ = mode::lineComment;
    return lineComment(q, end);
  } else if constexpr (token.kind == tokenKind::blockComment) {
    frame_.openComment(p);
    frame_.marker(p, q);
    mode_ = mode::blockComment;
    rule_ = token.index;
    depth_ = 1;
    return blockComment<token.index>(q, end);
  } else if constexpr (token.kind == tokenKind::literal) {
    frame_.literal(p, q);
    mode_ = mode::literal;
    rule_ = token.index;
    return literal<token.index>(q, end);
  } else if constexpr (token.kind == tokenKind::regionCloser) {
    frame_.outside(p, q);
    mode_ = mode::outside;
    return q;
  } else {
    return openHook<token.index>(p, q, end);
  }
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::lineComment(const unsigned char* p,
                                                  const unsigned char* end) {
  for (;;) {
    p = frame_.template commentRun<lineStops>(p, end);
    if (p == end) return p;
    if (isLineEnd(*p)) {
      frame_.closeComment(p);
      frame_.lineCommentEnd(p);
      mode_ = mode::code;
      return p + 1;
    }
    if constexpr (kSplices) {
      if (*p == '\\') {
        // A spliced line end belongs to the comment, which goes on.
        const bool splice = spliceAt(p, end);
        if (waiting_) return p;
        frame_.comment(p, p + (splice ? 2 : 1));
        p += splice ? 2 : 1;
        continue;
      }
    }
    if constexpr (kHasRegion) {
      // The region's closer ends the comment and the region; its first byte
      // may finish a word.
      size_t length = 0;
      const matchResult m = match(p, end, R.region.closer, &length);
      if (m == matchResult::needMore) return p;
      if (m == matchResult::yes) {
        frame_.counter.offerIfPending(*p, frame_.previous(p));
        frame_.closeComment(p);
        frame_.outside(p, p + length);
        mode_ = mode::outside;
        return p + length;
      }
      frame_.comment(p);
      ++p;
    }
  }
}

template <const exactRules& R>
template <int K>
const unsigned char* exactScanner<R>::blockComment(const unsigned char* p,
                                                   const unsigned char* end) {
  constexpr blockCommentRule rule = R.blockComments[K];
  for (;;) {
    p = frame_.template commentRun<blockStops<K>>(p, end);
    if (p == end) return p;
    size_t length = 0;
    if (*p == static_cast<unsigned char>(rule.closer[0])) {
      const matchResult m = match(p, end, rule.closer, &length);
      if (m == matchResult::needMore) return p;
      if (m == matchResult::yes) {
        frame_.comment(p, p + length);
        p += length;
        if (--depth_ == 0) {
          frame_.closeComment(p);
          mode_ = mode::code;
          return p;
        }
        continue;
      }
    }
    if constexpr (rule.nests) {
      if (*p == static_cast<unsigned char>(rule.opener[0])) {
        const matchResult m = match(p, end, rule.opener, &length);
        if (m == matchResult::needMore) return p;
        if (m == matchResult::yes) {
          frame_.comment(p, p + length);
          p += length;
          ++depth_;
          continue;
        }
      }
    }
    frame_.comment(p);
    ++p;
  }
}

template <const exactRules& R>
template <int K>
const unsigned char* exactScanner<R>::literal(const unsigned char* p, const unsigned char* end) {
  constexpr literalRule rule = R.literals[K];
  for (;;) {
    p = frame_.template literalRun<literalStops<K>>(p, end);
    if (p == end) return p;
    if (rule.endsAtLineEnd && isLineEnd(*p)) {
      mode_ = mode::code;  // the line end itself is code
      return p;
    }
    if ((kSplices || rule.escape == escapeRule::backslash) && *p == '\\') {
      if (p + 1 == end) {
        if (!final_) {
          waiting_ = true;
          return p;
        }
        frame_.literal(p, end);
        return end;
      }
      if (kSplices && isLineEnd(p[1])) {
        frame_.literal(p, p + 2);
        p += 2;
        continue;
      }
      if constexpr (rule.escape != escapeRule::backslash) {
        frame_.literal(p, p + 1);
        ++p;
        continue;
      }
      // The backslash takes the next byte as it is, or with splices the
      // next byte they leave.
      const unsigned char* escaped = p + 1;
      if constexpr (kSplices) {
        while (escaped < end && static_cast<size_t>(escaped + 3 - p) <= kMaxLookahead &&
               spliceAt(escaped, end)) {
          escaped += 2;
        }
        if (waiting_) return p;
        if (escaped == end) {
          if (!final_) {
            waiting_ = true;
            return p;
          }
          frame_.literal(p, end);
          return end;
        }
      }
      frame_.literal(p, escaped + 1);
      p = escaped + 1;
      continue;
    }
    size_t length = 0;
    const matchResult m = match(p, end, rule.closer, &length);
    if (m == matchResult::needMore) return p;
    if (m == matchResult::no) {
      frame_.literal(p, p + 1);
      ++p;
      continue;
    }
    if constexpr (rule.escape == escapeRule::doubling) {
      // The closer again at once stands for one closer in the text.
      size_t again = 0;
      const matchResult twice = match(p + length, end, rule.closer, &again);
      if (twice == matchResult::needMore) return p;
      if (twice == matchResult::yes) {
        frame_.literal(p, p + length + again);
        p += length + again;
        continue;
      }
    }
    frame_.literal(p, p + length);
    mode_ = mode::code;
    return p + length;
  }
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::outside(const unsigned char* p, const unsigned char* end) {
  if constexpr (kHasRegion) {
    using openerStart = byteSetOf<regionOpenerStartOf(R)>;
    for (;;) {
      const unsigned char* stop = findAny<openerStart>(p, end);
      frame_.outside(p, stop);
      if (stop == end) return stop;
      size_t length = 0;
      const matchResult m = match(stop, end, R.region.opener, &length);
      if (m == matchResult::needMore) return stop;
      if (m == matchResult::yes) {
        frame_.outside(stop, stop + length);
        mode_ = mode::code;
        return stop + length;
      }
      frame_.outside(stop, stop + 1);
      p = stop + 1;
    }
  } else {
    return p;  // not reached: such rows start and stay inside
  }
}

}  // namespace quillstat

#include "engine/exact_scanner_hooks.h"

#endif  // QUILLSTAT_ENGINE_EXACT_SCANNER_H_
