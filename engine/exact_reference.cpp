#include "engine/exact_reference.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/comment_counter.h"
#include "engine/exact_hook_rules.h"

namespace quillstat {

namespace {

// A token that opens something in code, and what.
struct opener {
  std::string_view text;
  enum { lineComment, blockComment, literal, regionCloser, hookToken } kind;
  size_t rule = 0;  // or the hook
  placement where = placement::anywhere;
  char notBefore = 0;
};

// The row's openers as the machine tries them: longest first; at one
// length hooks, line comments, block comments, literals, the region's
// closer, each in the row's order.
std::vector<opener> openersOf(const exactRules& rules) {
  std::vector<opener> list;
  const struct {
    hook which;
    std::string_view text;
    placement where;
  } hooks[] = {{hook::cDirectives, "#", placement::lineStart},
               {hook::rawStrings, "\"", placement::anywhere},
               {hook::digitSeparators, "'", placement::anywhere},
               {hook::phpHeredocs, "<<<", placement::anywhere}};
  for (const auto& h : hooks) {
    if (rules.has(h.which)) list.push_back({h.text, opener::hookToken, h.which, h.where});
  }
  for (size_t k = 0; k < kMaxLineComments; ++k) {
    const lineCommentRule& r = rules.lineComments[k];
    if (!r.opener.empty()) list.push_back({r.opener, opener::lineComment, k, r.where, r.notBefore});
  }
  for (size_t k = 0; k < kMaxBlockComments; ++k) {
    const blockCommentRule& r = rules.blockComments[k];
    if (!r.opener.empty()) list.push_back({r.opener, opener::blockComment, k, r.where});
  }
  for (size_t k = 0; k < kMaxLiterals; ++k) {
    const literalRule& r = rules.literals[k];
    if (!r.opener.empty()) list.push_back({r.opener, opener::literal, k, r.where});
  }
  if (!rules.region.closer.empty()) list.push_back({rules.region.closer, opener::regionCloser});
  std::stable_sort(list.begin(), list.end(), [](const opener& a, const opener& b) {
    return a.text.size() > b.text.size();
  });
  return list;
}

// The per-byte machine. Every byte is taken by exactly one of the take*()
// calls, which count it and its line; a state's handler either takes bytes
// and moves on, or changes the state and leaves the byte to the new one.
class referee {
 public:
  referee(const exactRules& rules, const unsigned char* data, size_t length, bool includeFirst)
      : rules_(rules), data_(data), length_(length), counter_(includeFirst),
        openers_(openersOf(rules)) {
    if (!rules.region.opener.empty()) state_ = state::outside;
  }

  fileStats run() {
    while (i_ < length_) stepAt();
    fileStats stats = counter_.finish(static_cast<int64_t>(length_));
    if (lineHasBytes_) endLine();
    stats.blankLines = lineCounts_[0];
    stats.commentLines = lineCounts_[1];
    stats.codeLines = lineCounts_[2];
    stats.lines = lineCounts_[0] + lineCounts_[1] + lineCounts_[2];
    if (rules_.marks.empty()) stats.countCodeLine = stats.codeLines;
    return stats;
  }

 private:
  enum class state {
    code, lineComment, blockComment, literal, outside,
    directive, includeLine, headerName,
    rawDelimiter, rawBody, rawClose,
    heredocStart, heredocLabel, heredocLine, heredocLineStart, heredocLabelEnd,
  };
  enum { blankLine = 0, commentLine = 1, codeLine = 2 };

  unsigned char at(size_t i) const { return data_[i]; }
  unsigned char previous() const { return i_ > 0 ? data_[i_ - 1] : 0; }

  // --- What a byte is, and its line ---------------------------------------

  void line(unsigned char c, int kind) {
    if (isLineEnd(c)) {
      endLine();
      return;
    }
    lineHasBytes_ = true;
    const bool blank = c == ' ' || c == '\t' || c == '\f' || c == '\v';
    if (!blank) lineKind_ = std::max(lineKind_, kind);
  }
  void endLine() {
    ++lineCounts_[lineKind_];
    lineKind_ = blankLine;
    lineHasBytes_ = false;
  }
  int commentKind() const {
    return counter_.includeFirstComment || counter_.commentRuns > 0 ? commentLine : blankLine;
  }
  bool isMark(unsigned char c) const { return rules_.marks.find(static_cast<char>(c)) != std::string_view::npos; }

  void takeCode(bool countMark) {
    const unsigned char c = at(i_);
    counter_.plainCode(countMark && isMark(c));
    line(c, codeLine);
    ++i_;
  }
  void takeLiteral(size_t n) {
    for (size_t end = i_ + n; i_ < end; ++i_) {
      ++counter_.pendingCodeChars;
      line(at(i_), codeLine);
    }
  }
  void takeMarker(size_t n) {
    for (size_t end = i_ + n; i_ < end; ++i_) {
      ++counter_.pendingCommentChars;
      line(at(i_), commentKind());
    }
  }
  void takeComment(size_t n) {
    for (size_t end = i_ + n; i_ < end; ++i_) {
      counter_.offer(at(i_), previous());
      ++counter_.pendingCommentChars;
      line(at(i_), commentKind());
    }
  }
  void takeOutside(size_t n) {
    for (size_t end = i_ + n; i_ < end; ++i_) line(at(i_), codeLine);
  }

  // --- Looking at the bytes -------------------------------------------------

  bool isSpliceAt(size_t i) const {
    return rules_.lineSplices && i + 1 < length_ && at(i) == '\\' && isLineEnd(at(i + 1));
  }

  // The length of `token` at i, splices between its bytes included, or 0.
  size_t matchAt(size_t i, std::string_view token) const {
    size_t j = i;
    for (size_t t = 0; t < token.size();) {
      if (j < length_ && at(j) == static_cast<unsigned char>(token[t])) {
        ++j;
        ++t;
      } else if (t > 0 && isSpliceAt(j) && j + 2 - i <= kMaxLookahead) {
        j += 2;
      } else {
        return 0;
      }
    }
    return j - i;
  }

  bool placedAt(placement where) const {
    const bool lineStart = i_ == 0 || isLineEnd(at(i_ - 1));
    switch (where) {
      case placement::anywhere: return true;
      case placement::column1: return lineStart;
      case placement::wordStart: {
        const unsigned char b = previous();
        return lineStart || b == ' ' || b == '\t' || b == '\r' || b == '\f' || b == '\v' ||
               b == ';' || b == '&' || b == '|' || b == '(' || b == ')' || b == '<' || b == '>';
      }
      case placement::tokenStart: {
        const unsigned char b = previous();
        return lineStart || !(isAsciiLetter(b) || isDigit(b) || b == '_' || b >= 0x80);
      }
      case placement::lineStart:
        for (size_t j = i_; j > 0 && !isLineEnd(at(j - 1)); --j) {
          const unsigned char b = at(j - 1);
          if (!(b == ' ' || b == '\t' || b == '\f' || b == '\v')) return false;
        }
        return true;
    }
    return false;
  }

  // The run of C token bytes that ends just before i.
  tokenRun runBefore(size_t i) const {
    size_t start = i;
    while (start > 0 && isTokenByte(at(start - 1))) --start;
    tokenRun run;
    run.length = static_cast<int64_t>(i - start);
    for (size_t k = 0; k < 4 && start + k < i; ++k) run.head[k] = at(start + k);
    return run;
  }

  size_t literalOpenedBy(std::string_view text) const {
    for (size_t k = 0; k < kMaxLiterals; ++k) {
      if (rules_.literals[k].opener == text) return k;
    }
    return 0;
  }

  // --- The states -----------------------------------------------------------

  void stepAt() {
    const unsigned char c = at(i_);
    switch (state_) {
      case state::code: return codeAt();
      case state::lineComment: return lineCommentAt(c);
      case state::blockComment: return blockCommentAt(c);
      case state::literal: return literalAt(c);
      case state::outside: {
        const size_t n = matchAt(i_, rules_.region.opener);
        takeOutside(n > 0 ? n : 1);
        if (n > 0) state_ = state::code;
        return;
      }
      case state::directive: return directiveAt(c);
      case state::includeLine: return includeLineAt(c);
      case state::headerName: return headerNameAt(c);
      case state::rawDelimiter: return rawDelimiterAt(c);
      case state::rawBody:
        takeLiteral(1);
        if (c == ')') {
          matched_ = 0;
          state_ = state::rawClose;
        }
        return;
      case state::rawClose: return rawCloseAt(c);
      case state::heredocStart: return heredocStartAt(c);
      case state::heredocLabel: return heredocLabelAt(c);
      case state::heredocLine:
        takeLiteral(1);
        if (isLineEnd(c)) {
          matched_ = 0;
          state_ = state::heredocLineStart;
        }
        return;
      case state::heredocLineStart: return heredocLineStartAt(c);
      case state::heredocLabelEnd:
        state_ = isLabelByte(c) ? state::heredocLine : state::code;
        return;
    }
  }

  void codeAt() {
    for (const opener& o : openers_) {
      if (!placedAt(o.where)) continue;
      const size_t n = matchAt(i_, o.text);
      if (n == 0) continue;
      if (o.notBefore != 0 && i_ + n < length_ && at(i_ + n) == static_cast<unsigned char>(o.notBefore)) {
        continue;
      }
      if (open(o, n)) return;
    }
    takeCode(true);
  }

  // Takes the opener o of n bytes at i_; false when a hook declines it.
  bool open(const opener& o, size_t n) {
    switch (o.kind) {
      case opener::lineComment:
        takeMarker(n);
        state_ = state::lineComment;
        return true;
      case opener::blockComment:
        takeMarker(n);
        state_ = state::blockComment;
        rule_ = o.rule;
        depth_ = 1;
        return true;
      case opener::literal:
        takeLiteral(n);
        state_ = state::literal;
        rule_ = o.rule;
        return true;
      case opener::regionCloser:
        takeOutside(n);
        state_ = state::outside;
        return true;
      case opener::hookToken: return openHook(static_cast<hook>(o.rule), n);
    }
    return false;
  }

  void lineCommentAt(unsigned char c) {
    if (isLineEnd(c)) {
      counter_.offerIfPending(c, previous());
      ++counter_.pendingCodeChars;
      line(c, codeLine);
      ++i_;
      state_ = state::code;
    } else if (isSpliceAt(i_)) {
      takeComment(2);
    } else if (size_t n = rules_.region.closer.empty() ? 0 : matchAt(i_, rules_.region.closer)) {
      counter_.offerIfPending(c, previous());
      takeOutside(n);
      state_ = state::outside;
    } else {
      takeComment(1);
    }
  }

  void blockCommentAt(unsigned char) {
    const blockCommentRule& r = rules_.blockComments[rule_];
    if (size_t n = matchAt(i_, r.closer)) {
      takeComment(n);
      if (--depth_ == 0) state_ = state::code;
    } else if (size_t m = r.nests ? matchAt(i_, r.opener) : 0) {
      takeComment(m);
      ++depth_;
    } else {
      takeComment(1);
    }
  }

  void literalAt(unsigned char c) {
    const literalRule& r = rules_.literals[rule_];
    if (r.endsAtLineEnd && isLineEnd(c)) {
      state_ = state::code;
      return;
    }
    if (c == '\\' && (rules_.lineSplices || r.escape == escapeRule::backslash)) {
      if (isSpliceAt(i_) || r.escape != escapeRule::backslash || i_ + 1 == length_) {
        takeLiteral(isSpliceAt(i_) ? 2 : 1);
        return;
      }
      // The escaped byte is the next one the splices leave.
      size_t j = i_ + 1;
      while (isSpliceAt(j) && j + 3 - i_ <= kMaxLookahead) j += 2;
      takeLiteral(j < length_ ? j + 1 - i_ : length_ - i_);
      return;
    }
    if (size_t n = matchAt(i_, r.closer)) {
      if (r.escape == escapeRule::doubling) {
        if (size_t again = matchAt(i_ + n, r.closer)) {
          takeLiteral(n + again);
          return;
        }
      }
      takeLiteral(n);
      state_ = state::code;
      return;
    }
    takeLiteral(1);
  }

  // --- The hooks ------------------------------------------------------------

  bool openHook(hook h, size_t n) {
    switch (h) {
      case hook::cDirectives:
        takeCode(false);
        matched_ = 0;
        state_ = state::directive;
        return true;
      case hook::rawStrings:
        if (!isRawPrefix(runBefore(i_))) return false;
        takeLiteral(n);
        delimiter_.clear();
        state_ = state::rawDelimiter;
        return true;
      case hook::digitSeparators:
        if (!isNumberRun(runBefore(i_))) return false;
        takeCode(false);
        return true;
      case hook::phpHeredocs:
        for (size_t k = 0; k < n; ++k) takeCode(false);
        labelQuote_ = 0;
        label_.clear();
        state_ = state::heredocStart;
        return true;
    }
    return false;
  }

  void directiveAt(unsigned char c) {
    if (isSpliceAt(i_)) {
      takeCode(false);
      takeCode(false);
    } else if (matched_ == 0 && isCBlank(c)) {
      takeCode(false);
    } else if (c == static_cast<unsigned char>(kIncludeName[matched_])) {
      takeCode(false);
      if (++matched_ == kIncludeLength) state_ = state::includeLine;
    } else {
      state_ = state::code;
    }
  }

  void includeLineAt(unsigned char c) {
    if (isSpliceAt(i_)) {
      takeCode(false);
      takeCode(false);
    } else if (staysInIncludeLine(c)) {
      takeCode(false);
    } else if (c == '<') {
      takeLiteral(1);
      state_ = state::headerName;
    } else {
      state_ = state::code;
    }
  }

  void headerNameAt(unsigned char c) {
    if (isSpliceAt(i_)) {
      takeLiteral(2);
    } else if (isLineEnd(c)) {
      state_ = state::code;
    } else {
      takeLiteral(1);
      if (c == '>') state_ = state::code;
    }
  }

  void rawDelimiterAt(unsigned char c) {
    if (c == '(') {
      takeLiteral(1);
      state_ = state::rawBody;
    } else if (c == '"' || isBadRawDelimiterByte(c) ||
               delimiter_.size() == static_cast<size_t>(kMaxRawDelimiter)) {
      state_ = state::literal;  // an ordinary string after all
      rule_ = literalOpenedBy("\"");
    } else {
      delimiter_ += static_cast<char>(c);
      takeLiteral(1);
    }
  }

  void rawCloseAt(unsigned char c) {
    if (matched_ < delimiter_.size() && c == static_cast<unsigned char>(delimiter_[matched_])) {
      takeLiteral(1);
      ++matched_;
    } else if (matched_ == delimiter_.size() && c == '"') {
      takeLiteral(1);
      state_ = state::code;
    } else {
      state_ = state::rawBody;
    }
  }

  void heredocStartAt(unsigned char c) {
    if (isPhpBlank(c)) {
      takeCode(false);
    } else if (labelQuote_ == 0 && (c == '\'' || c == '"')) {
      takeLiteral(1);
      labelQuote_ = c;
    } else {
      state_ = startsLabel(c) ? state::heredocLabel : state::code;
    }
  }

  void heredocLabelAt(unsigned char c) {
    if (isLabelByte(c)) {
      if (label_.size() == kMaxHeredocLabel) {
        state_ = state::code;
      } else {
        takeLiteral(1);
        label_ += static_cast<char>(c);
      }
      return;
    }
    state_ = state::heredocLine;
    if (labelQuote_ != 0 && c == labelQuote_) takeLiteral(1);
  }

  void heredocLineStartAt(unsigned char c) {
    if (matched_ == 0 && isPhpBlank(c)) {
      takeLiteral(1);
    } else if (c == static_cast<unsigned char>(label_[matched_])) {
      takeLiteral(1);
      if (++matched_ == label_.size()) state_ = state::heredocLabelEnd;
    } else {
      state_ = state::heredocLine;
    }
  }

  const exactRules& rules_;
  const unsigned char* data_;
  size_t length_;
  commentCounter counter_;
  std::vector<opener> openers_;
  size_t i_ = 0;
  state state_ = state::code;
  size_t rule_ = 0;
  int64_t depth_ = 0;
  size_t matched_ = 0;
  std::string delimiter_;
  unsigned char labelQuote_ = 0;
  std::string label_;
  int64_t lineCounts_[3] = {0, 0, 0};
  int lineKind_ = blankLine;
  bool lineHasBytes_ = false;
};

}  // namespace

fileStats referenceScanExact(const exactRules& rules, const char* data, size_t length,
                             bool includeFirstComment) {
  if (data == nullptr || length == 0) return fileStats{};
  return referee(rules, reinterpret_cast<const unsigned char*>(data), length, includeFirstComment)
      .run();
}

}  // namespace quillstat
