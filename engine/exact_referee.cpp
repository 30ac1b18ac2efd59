#include "engine/exact_referee.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/exact_hooks.h"

namespace quillstat {

namespace {

// A new referee of hook `which`, one of the bits of exact_hooks.h.
std::unique_ptr<hookReferee> refereeOf(hook which) {
  return [which]<size_t... I>(std::index_sequence<I...>) {
    std::unique_ptr<hookReferee> made;
    ((which == kHookAt<I> ? void(made = std::make_unique<hookRefereeOf<kHookAt<I>>>()) : void()),
     ...);
    return made;
  }(std::make_index_sequence<kHookCount>{});
}

bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

}  // namespace

exactReferee::exactReferee(const exactRules& rules, const unsigned char* data, size_t length,
                           bool includeFirstComment)
    : rules_(rules), data_(data), length_(length), counter_(includeFirstComment) {
  // The openers as the machine tries them: longest first; at one length
  // hooks, delimited rules, line comments, block comments, literals, the region's closer and
  // plain tokens, each in the row's order.
  // One referee per hook, shared by all its tokens, as the machine has one state.
  std::vector<hook> made;
  for (const hookTokenOf& t : kHookTokens) {
    if (!rules.has(t.which)) continue;
    const size_t index = std::find(made.begin(), made.end(), t.which) - made.begin();
    if (index == made.size()) {
      made.push_back(t.which);
      hooks_.push_back(refereeOf(t.which));
    }
    openers_.push_back({t.token.text, opener::hookToken, index, t.token.where});
  }
  for (size_t k = 0; k < kMaxDelimited; ++k) {
    const delimitedRule& r = rules.delimited[k];
    const size_t shortest = r.opener.size() + static_cast<size_t>(r.minFill) + r.openerEnd.size();
    if (!r.opener.empty()) {
      openers_.push_back({r.opener.substr(0, 1), opener::delimited, k, r.where, 0, shortest});
    } else if (r.fill != 0) {
      openers_.push_back({std::string_view(&r.fill, 1), opener::delimited, k, r.where, 0, shortest});
      if (r.minFill == 0 && !r.openerEnd.empty()) {
        openers_.push_back({r.openerEnd.substr(0, 1), opener::delimited, k, r.where, 0, shortest});
      }
    }
  }
  for (size_t k = 0; k < kMaxLineComments; ++k) {
    const lineCommentRule& r = rules.lineComments[k];
    if (!r.opener.empty()) {
      opener o{r.opener, opener::lineComment, k, r.where, r.notBefore, r.opener.size(), r.notAfter};
      o.keyword = r.keyword;
      openers_.push_back(o);
    }
  }
  for (size_t k = 0; k < kMaxBlockComments; ++k) {
    const blockCommentRule& r = rules.blockComments[k];
    if (!r.opener.empty()) openers_.push_back({r.opener, opener::blockComment, k, r.where});
  }
  for (size_t k = 0; k < kMaxLiterals; ++k) {
    const literalRule& r = rules.literals[k];
    if (!r.opener.empty()) {
      openers_.push_back({r.opener, opener::literal, k, r.where, 0, r.opener.size(), r.notAfter});
    }
  }
  if (!rules.region.closer.empty()) openers_.push_back({rules.region.closer, opener::regionCloser});
  for (std::string_view text : rules.plainTokens) {
    if (!text.empty()) openers_.push_back({text, opener::plain});
  }
  std::stable_sort(openers_.begin(), openers_.end(), [](const opener& a, const opener& b) {
    return a.length > b.length;
  });
  if (!rules.region.opener.empty()) state_ = state::outside;
}

fileStats exactReferee::run() {
  while (i_ < length_) stepAt();
  // A word that the content's last byte ends is whole.
  if (offeredEnd_ == length_) counter_.offerContentEnd();
  fileStats stats = counter_.finish(static_cast<int64_t>(length_));
  if (lineHasBytes_) endLine();
  stats.blankLines = lineCounts_[blankLine];
  stats.commentLines = lineCounts_[commentLine];
  stats.codeLines = lineCounts_[codeLine];
  stats.lines = stats.blankLines + stats.commentLines + stats.codeLines;
  stats.docCommentLines = docLines_;
  if (rules_.marks.empty()) stats.countCodeLine = stats.codeLines;
  return stats;
}

// --- What a byte is, and its line -------------------------------------------

void exactReferee::line(unsigned char c, int kind, bool doc) {
  if (isLineEnd(c)) {
    endLine();
    return;
  }
  lineHasBytes_ = true;
  if (!isBlank(c)) {
    lineKind_ = std::max(lineKind_, kind);
    lineHasDoc_ = lineHasDoc_ || (doc && kind == commentLine);
  }
}

void exactReferee::endLine() {
  ++lineCounts_[lineKind_];
  if (lineKind_ == commentLine && lineHasDoc_) ++docLines_;
  lineHasDoc_ = false;
  lineKind_ = blankLine;
  lineHasBytes_ = false;
}

// The first comment run, when it is left out, leaves its lines blank.
int exactReferee::commentKind() const {
  return counter_.includeFirstComment || counter_.commentRuns > 0 ? commentLine : blankLine;
}

bool exactReferee::isMark(unsigned char c) const {
  return rules_.marks.find(static_cast<char>(c)) != std::string_view::npos;
}

void exactReferee::takeCode() {
  counter_.plainCode(false);
  taken_.push_back(taken::code);
  line(at(i_++), codeLine);
}

void exactReferee::takePlain(unsigned char c) {
  counter_.plainCode(isMark(c));
  taken_.push_back(taken::code);
  line(c, codeLine);
  ++i_;
}

void exactReferee::takeLiteral(size_t n) {
  for (size_t end = i_ + n; i_ < end; ++i_) {
    ++counter_.pendingCodeChars;
    taken_.push_back(taken::literal);
    line(at(i_), codeLine);
  }
}

void exactReferee::takeMarker(size_t n, bool doc) {
  inDoc_ = doc;
  if (doc) counter_.pendingDoc = true;
  for (size_t end = i_ + n; i_ < end; ++i_) {
    ++counter_.pendingCommentChars;
    taken_.push_back(taken::comment);
    line(at(i_), commentKind(), inDoc_);
  }
}

void exactReferee::takeComment(size_t n) {
  for (size_t end = i_ + n; i_ < end; ++i_) {
    counter_.offer(at(i_), previous());
    offeredEnd_ = i_ + 1;
    ++counter_.pendingCommentChars;
    taken_.push_back(taken::comment);
    line(at(i_), commentKind(), inDoc_);
  }
}

// Outside the code region nothing is a token; as the machine, the regex
// rule reads it as code.
void exactReferee::takeOutside(size_t n) {
  for (size_t end = i_ + n; i_ < end; ++i_) {
    taken_.push_back(taken::code);
    line(at(i_), codeLine);
  }
}

void exactReferee::takeCommentEnd() {
  counter_.offerIfPending(at(i_), previous());
  ++counter_.pendingCodeChars;
  taken_.push_back(taken::code);
  line(at(i_++), codeLine);
}

void exactReferee::handToWatcher() {
  if (watcher_ == nullptr) return;
  enterHook(watcher_);
  watcher_ = nullptr;
}

void exactReferee::enterCode() { state_ = state::code; }

void exactReferee::enterLiteral(size_t rule) {
  state_ = state::literal;
  rule_ = rule;
}

void exactReferee::enterCommentLiteral(size_t rule) {
  state_ = state::commentLiteral;
  inner_ = rule;
  depth_ = 0;  // no block comment around it
}

void exactReferee::enterHook(hookReferee* hook) {
  state_ = state::hook;
  hook_ = hook;
}

bool exactReferee::enterNestedCode(hookReferee* hook) {
  if (nestings_.size() >= 256) return false;
  nestings_.push_back({0, 0, hook});
  state_ = state::code;
  return true;
}

// --- Looking at the bytes ---------------------------------------------------

bool exactReferee::isSpliceAt(size_t i) const {
  return rules_.lineSplices && i + 1 < length_ && at(i) == '\\' && isLineEnd(at(i + 1));
}

size_t exactReferee::matchAt(size_t i, std::string_view token) const {
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

tokenRun exactReferee::runBefore(size_t i) const {
  size_t start = i;
  while (start > 0 && isTokenByte(at(start - 1))) --start;
  tokenRun run;
  run.length = static_cast<int64_t>(i - start);
  for (size_t k = 0; k < 4 && start + k < i; ++k) run.head[k] = at(start + k);
  run.startsLine = lastNonBlankBefore(start) < 0;
  return run;
}

int exactReferee::lastNonBlankBefore(size_t i) const {
  while (i > 0 && isBlank(at(i - 1))) --i;
  return i == 0 || isLineEnd(at(i - 1)) ? -1 : at(i - 1);
}

size_t exactReferee::literalOpenedBy(std::string_view text) const {
  for (size_t k = 0; k < kMaxLiterals; ++k) {
    if (rules_.literals[k].opener == text && rules_.literals[k].prefix.empty()) return k;
  }
  return 0;
}

int64_t exactReferee::indentAt(size_t i) const {
  size_t start = i;
  while (start > 0 && !isLineEnd(at(start - 1))) --start;
  int64_t indent = 0;
  while (start + indent < i && at(start + indent) == ' ') ++indent;
  return indent;
}

// The length of o's text at the position, or 0; a keyword in any case, and
// with no word byte after it.
size_t exactReferee::matchOpenerAt(const opener& o) const {
  if (!o.keyword) return matchAt(i_, o.text);
  for (size_t k = 0; k < o.text.size(); ++k) {
    if (i_ + k == length_) return 0;
    const unsigned char c = at(i_ + k);
    const unsigned char t = static_cast<unsigned char>(o.text[k]);
    const bool sameLetter = isAsciiLetter(t) && (c | 0x20) == (t | 0x20);
    if (c != t && !sameLetter) return 0;
  }
  const size_t after = i_ + o.text.size();
  if (after < length_ && (isAsciiLetter(at(after)) || isDigit(at(after)) || at(after) == '_' ||
                          at(after) >= 0x80)) {
    return 0;
  }
  return o.text.size();
}

significantToken exactReferee::significantBefore(size_t i) const {
  significantToken t;
  size_t j = i;
  while (j > 0 && (taken_[j - 1] == taken::comment ||
                   (taken_[j - 1] == taken::code && isSpaceByte(at(j - 1))))) {
    --j;
  }
  if (j == 0) return t;
  if (taken_[j - 1] == taken::literal) {
    t.what = significantToken::kind::operand;
  } else if (!isNameByte(at(j - 1))) {
    t.what = kindOfCodeByte(at(j - 1));
  } else {
    size_t start = j - 1;
    while (start > 0 && taken_[start - 1] == taken::code && isNameByte(at(start - 1))) --start;
    t.what = significantToken::kind::word;
    t.length = static_cast<int64_t>(j - start);
    for (size_t k = 0; k < j - start && k < static_cast<size_t>(kMaxKeyword); ++k) {
      t.head[k] = at(start + k);
    }
  }
  return t;
}

bool exactReferee::firstOnLine(size_t i) const { return lastNonBlankBefore(i) < 0; }

bool exactReferee::placedAt(placement where) const {
  const bool lineStart = i_ == 0 || isLineEnd(at(i_ - 1));
  const unsigned char b = previous();
  switch (where) {
    case placement::anywhere: return true;
    case placement::column1: return lineStart;
    case placement::wordStart:
      return lineStart || isBlank(b) || b == '\r' || b == ';' || b == '&' || b == '|' ||
             b == '(' || b == ')' || b == '<' || b == '>';
    case placement::tokenStart:
      return lineStart || !(isAsciiLetter(b) || isDigit(b) || b == '_' || b >= 0x80);
    case placement::operandStart:
      return lineStart || !(isAsciiLetter(b) || isDigit(b) || b == '_' || b >= 0x80 ||
                            b == ')' || b == ']' || b == '}' || b == '\'');
    case placement::lineStart: return firstOnLine(i_);
    case placement::afterBlank: return lineStart || isBlank(b);
    case placement::afterSeparator: {
      const int before = lastNonBlankBefore(i_);
      return before < 0 || rules_.separators.find(static_cast<char>(before)) != std::string_view::npos;
    }
  }
  return false;
}

// --- The states -------------------------------------------------------------

void exactReferee::stepAt() {
  const unsigned char c = at(i_);
  switch (state_) {
    case state::code: return codeAt(c);
    case state::lineComment: return lineCommentAt(c);
    case state::blockComment: return blockCommentAt();
    case state::literal:
    case state::commentLiteral: return literalAt(c);
    case state::outside: {
      const size_t n = matchAt(i_, rules_.region.opener);
      takeOutside(n > 0 ? n : 1);
      if (n > 0) state_ = state::code;
      return;
    }
    case state::hook: return hook_->step(*this, c);
    case state::delimited: return delimitedAt();
  }
}

void exactReferee::codeAt(unsigned char c) {
  // A format part's first byte ends its interpolation before any token opens.
  if (!nestings_.empty() && nestings_.back().depth == 0 && nestings_.back().hook == nullptr &&
      rules_.literals[nestings_.back().rule].startsFormat(c)) {
    bracketAt(c);
    return;
  }
  for (const opener& o : openers_) {
    if (!placedAt(o.where)) continue;
    const size_t n = matchOpenerAt(o);
    if (n == 0) continue;
    if (o.notBefore != 0 && i_ + n < length_ &&
        at(i_ + n) == static_cast<unsigned char>(o.notBefore)) {
      continue;
    }
    if (i_ > 0 && o.notAfter.find(static_cast<char>(previous())) != std::string_view::npos) continue;
    if (open(o, n)) return;
  }
  if (watcher_ != nullptr && isLineEnd(c)) {
    takePlain(c);
    handToWatcher();
    return;
  }
  if (!nestings_.empty() && bracketAt(c)) return;
  takePlain(c);
}

// A bracket of the innermost interpolation's kind nests, or closes it.
bool exactReferee::bracketAt(unsigned char c) {
  nesting& inner = nestings_.back();
  if (inner.hook != nullptr) {
    if (c == '}' && inner.depth == 0) {
      enterHook(inner.hook);  // which takes its "}"
      nestings_.pop_back();
      return true;
    }
    if (c == '{') ++inner.depth;
    if (c == '}') --inner.depth;
    return false;
  }
  const std::string_view interpolation = rules_.literals[inner.rule].interpolation;
  const unsigned char opening = static_cast<unsigned char>(interpolation.back());
  const unsigned char closing = opening == '(' ? ')' : opening == '[' ? ']' : '}';
  if ((c == closing || rules_.literals[inner.rule].startsFormat(c)) && inner.depth == 0) {
    takeLiteral(1);
    enterLiteral(inner.rule);
    nestings_.pop_back();
    return true;
  }
  if (c == opening) ++inner.depth;
  if (c == closing) --inner.depth;
  return false;
}

bool exactReferee::docMarkerAt(size_t i, const docRule& doc) const {
  auto standsAt = [&](std::string_view list) {
    size_t from = 0;
    while (from < list.size()) {
      size_t cut = list.find(';', from);
      if (cut == std::string_view::npos) cut = list.size();
      const std::string_view marker = list.substr(from, cut - from);
      if (!marker.empty() && i + marker.size() <= length_ &&
          std::string_view(reinterpret_cast<const char*>(data_ + i), marker.size()) == marker) {
        return true;
      }
      from = cut + 1;
    }
    return false;
  };
  return doc.always || (standsAt(doc.markers) && !standsAt(doc.notMarkers));
}

bool exactReferee::open(const opener& o, size_t n) {
  switch (o.kind) {
    case opener::lineComment:
      takeMarker(n, docMarkerAt(i_ + n, rules_.lineComments[o.rule].doc));
      state_ = state::lineComment;
      return true;
    case opener::blockComment:
      takeMarker(n, docMarkerAt(i_ + n, rules_.blockComments[o.rule].doc));
      state_ = state::blockComment;
      rule_ = o.rule;
      depth_ = 1;
      return true;
    case opener::literal:
      if (!prefixStands(rules_.literals[o.rule].prefix)) return false;
      if (rules_.literals[o.rule].closer.empty()) {
        // A character: the opener and one byte, or a backslash and one more.
        const bool escaped = rules_.literals[o.rule].escape == escapeRule::backslash &&
                             i_ + n < length_ && at(i_ + n) == '\\';
        takeLiteral(std::min(n + (escaped ? 2 : 1), length_ - i_));
        return true;
      }
      takeLiteral(n);
      enterLiteral(o.rule);
      return true;
    case opener::regionCloser:
      takeOutside(n);
      state_ = state::outside;
      return true;
    case opener::plain:
      for (size_t k = 0; k < n; ++k) takePlain(at(i_));
      return true;
    case opener::hookToken: return hooks_[o.rule]->open(*this, n);
    case opener::delimited: return openDelimited(o.rule);
  }
  return false;
}

void exactReferee::lineCommentAt(unsigned char c) {
  if (isLineEnd(c)) {
    takeCommentEnd();
    state_ = state::code;
    handToWatcher();
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

void exactReferee::blockCommentAt() {
  const blockCommentRule& r = rules_.blockComments[rule_];
  if (size_t n = matchAt(i_, r.closer)) {
    takeComment(n);
    if (--depth_ == 0) state_ = state::code;
  } else if (size_t m = r.nests ? matchAt(i_, r.opener) : 0) {
    takeComment(m);
    ++depth_;
  } else {
    // The literals it lets open, as in code; their text is comment text.
    const char c = static_cast<char>(at(i_));
    const bool opens = r.literalsInside.find(c) != std::string_view::npos;
    for (size_t k = 0; opens && k < kMaxLiterals; ++k) {
      if (rules_.literals[k].opener == std::string_view(&c, 1)) {
        takeComment(1);
        state_ = state::commentLiteral;
        inner_ = k;
        return;
      }
    }
    takeComment(1);
  }
}

void exactReferee::literalAt(unsigned char c) {
  // As comment text (inside a block comment, or with depth_ 0 a docstring),
  // the literal's end goes back to the comment, or ends it.
  const bool inComment = state_ == state::commentLiteral;
  const literalRule& r = rules_.literals[inComment ? inner_ : rule_];
  const state after = inComment && depth_ > 0 ? state::blockComment : state::code;
  auto take = [this, inComment](size_t n) {
    if (inComment) {
      takeComment(n);
    } else {
      takeLiteral(n);
    }
  };
  if (r.endsAtLineEnd && isLineEnd(c)) {
    if (inComment && depth_ == 0) counter_.offerIfPending(c, previous());  // as a line comment's
    state_ = after;
    return;
  }
  if (size_t n = inComment || r.interpolation.empty() ? 0 : matchAt(i_, r.interpolation)) {
    if (r.doubledOpenerIsText) {
      if (size_t again = matchAt(i_ + n, r.interpolation)) {
        takeLiteral(n + again);
        return;
      }
    }
    takeLiteral(n);
    if (nestings_.size() < 256) {
      nestings_.push_back({rule_, 0, nullptr});
      state_ = state::code;
    }
    return;
  }
  if (c == '`' && r.escape == escapeRule::backtick) {
    take(std::min<size_t>(2, length_ - i_));
    return;
  }
  if (c == '\\' && (rules_.lineSplices || r.escape == escapeRule::backslash)) {
    if (isSpliceAt(i_) || r.escape != escapeRule::backslash || i_ + 1 == length_) {
      take(isSpliceAt(i_) ? 2 : 1);
      return;
    }
    // The escaped byte is the next one the splices leave.
    size_t j = i_ + 1;
    while (isSpliceAt(j) && j + 3 - i_ <= kMaxLookahead) j += 2;
    take(j < length_ ? j + 1 - i_ : length_ - i_);
    return;
  }
  if (size_t n = matchAt(i_, r.closer)) {
    if (i_ + n < length_ && !r.closerEscapes.empty() &&
        r.closerEscapes.find(static_cast<char>(at(i_ + n))) != std::string_view::npos) {
      const size_t escaped = at(i_ + n) == '\\' && i_ + n + 1 < length_ ? 2 : 1;
      take(n + escaped);
      return;
    }
    if (r.escape == escapeRule::doubling) {
      if (size_t again = matchAt(i_ + n, r.closer)) {
        take(n + again);
        return;
      }
    }
    take(n);
    state_ = after;
    return;
  }
  take(1);
}

// --- Prefixes and delimited literals ---------------------------------------

namespace {

// Whether `text` stands at i of data; an empty text always does. Moves i past it.
bool takes(const unsigned char* data, size_t length, size_t& i, std::string_view text) {
  if (text.size() > length - i) return false;
  for (size_t k = 0; k < text.size(); ++k) {
    if (data[i + k] != static_cast<unsigned char>(text[k])) return false;
  }
  i += text.size();
  return true;
}

}  // namespace

bool exactReferee::prefixStands(std::string_view words) const {
  if (words.empty()) return true;
  size_t start = i_;
  while (start > 0 && isTokenByte(at(start - 1))) --start;
  const std::string word(reinterpret_cast<const char*>(data_ + start), i_ - start);
  const bool identifier =
      !word.empty() && (isAsciiLetter(at(start)) || at(start) == '_' || at(start) >= 0x80);
  for (size_t from = 0; from <= words.size();) {
    size_t cut = words.find(';', from);
    if (cut == std::string_view::npos) cut = words.size();
    const std::string_view candidate = words.substr(from, cut - from);
    if (candidate == word || (candidate == "*" && identifier)) return true;
    from = cut + 1;
  }
  return false;
}

bool exactReferee::openDelimited(size_t rule) {
  const delimitedRule& r = rules_.delimited[rule];
  if (!prefixStands(r.prefix)) return false;
  size_t j = i_;
  if (!takes(data_, length_, j, r.opener)) return false;
  std::string middle;
  while (j < length_ && (r.fill != 0 ? at(j) == static_cast<unsigned char>(r.fill)
                                     : isTagByte(r.tag, at(j), middle.empty()))) {
    middle += static_cast<char>(at(j++));
  }
  if (middle.size() > static_cast<size_t>(kMaxDelimiter) ||
      middle.size() < static_cast<size_t>(r.minFill) || !takes(data_, length_, j, r.openerEnd)) {
    return false;
  }
  if (r.isComment) {
    takeMarker(j - i_);
  } else {
    takeLiteral(j - i_);
  }
  delimiter_ = middle;
  state_ = state::delimited;
  rule_ = rule;
  return true;
}

void exactReferee::delimitedAt() {
  const delimitedRule& r = rules_.delimited[rule_];
  size_t j = i_;
  const bool closes = takes(data_, length_, j, r.closer) && takes(data_, length_, j, delimiter_) &&
                      takes(data_, length_, j, r.closerEnd);
  const size_t n = closes ? j - i_ : 1;
  if (r.isComment) {
    takeComment(n);
  } else {
    takeLiteral(n);
  }
  if (closes) state_ = state::code;
}

fileStats exactRefereeScan(const exactRules& rules, const char* data, size_t length,
                          bool includeFirstComment) {
  if (data == nullptr || length == 0) return fileStats{};
  return exactReferee(rules, reinterpret_cast<const unsigned char*>(data), length,
                      includeFirstComment)
      .run();
}

}  // namespace quillstat
