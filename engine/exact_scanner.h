#ifndef QUILLSTAT_ENGINE_EXACT_SCANNER_H_
#define QUILLSTAT_ENGINE_EXACT_SCANNER_H_

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/exact_frame.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_hooks.h"
#include "engine/exact_rules.h"
#include "engine/exact_step.h"
#include "engine/exact_tokens.h"
#include "engine/file_stats.h"

namespace quillstat {

// Calls f.template operator()<K>() for the K below N that equals i, which
// turns a run-time index (a rule's, a hook's) into a compile-time one, and
// returns its answer; returns `otherwise` when no K equals i.
template <size_t N, class T, class F>
T withIndex(size_t i, T otherwise, F&& f) {
  return [&]<size_t... K>(std::index_sequence<K...>) {
    T answer = otherwise;
    static_cast<void>(((i == K ? (answer = f.template operator()<K>(), true) : false) || ...));
    return answer;
  }(std::make_index_sequence<N>{});
}

// The exact machine of one row of rules, compiled for that row so that the
// bytes each state stops at are a set known at compile time and the runs
// between them are skipped in bulk (byte_search.h).
//
// In code it skips to the first byte that can open a token, tries the row's
// tokens there longest first (exact_tokens.h), and takes what the token
// opens: a comment, a literal, the end of a code region, or a hook's
// construct (exact_hooks.h). A comment or literal runs to its closer, past
// escapes, nested openers, interpolated code and line splices as the row
// says. Where what a byte is depends on bytes that have not arrived (the
// "/" at a chunk's end), the machine stops there and takes those bytes up
// again, joined to the next chunk's; at most kMaxLookahead of them are
// ever held.
//
// Content arrives in chunks of any size, one byte included, through feed();
// finish() then returns the same record as a scan of all the content at once.
template <const exactRules& R>
class exactScanner {
 public:
  // With `places`, the counted words' places are appended to it (see
  // word_places.h); it must outlive the scanner.
  explicit exactScanner(bool includeFirstComment, std::vector<wordPlace>* places = nullptr)
      : frame(includeFirstComment, places, anyHookNeeds<hooks>(&hookNeeds::significantTokens)) {
    if constexpr (kHasRegion) mode_ = mode::outside;
  }

  // Scans the next `length` bytes of content. `data` need not outlive the call.
  void feed(const char* data, size_t length);

  // Closes the scan and returns the record, with sizeFile = `size` and an
  // empty name. The scanner is spent afterwards.
  fileStats finish(int64_t size);

  // --- What the hooks use ---------------------------------------------------
  // A hook's open() takes its token [p, q) and answers where the machine
  // goes on, or kDeclined; its resume() handles bytes from p once
  // enterHook() has handed it the machine. Like the machine's own handlers,
  // each takes at least one byte, changes the mode, or answers waitAt() at
  // the first byte it cannot decide yet (exact_step.h).

  exactFrame frame;
  static constexpr const exactRules& kRules = R;

  // Whether the current chunk's end is the content's end.
  bool atContentEnd() const { return final_; }

  // matchToken (exact_tokens.h) with the row's splices; needMore only where
  // bytes are to come.
  matchResult match(const unsigned char* p, const unsigned char* end, std::string_view token,
                    size_t* length) const {
    return matchToken(p, end, token, kSplices, final_, length);
  }

  // Whether a splice (a backslash before a line end) stands at p; needMore
  // when the bytes to come decide.
  matchResult spliceAt(const unsigned char* p, const unsigned char* end) const {
    if (!kSplices || *p != '\\') return matchResult::no;
    if (p + 1 < end) return isLineEnd(p[1]) ? matchResult::yes : matchResult::no;
    return final_ ? matchResult::no : matchResult::needMore;
  }

  // The run of C token bytes that ends at p, this chunk's and the earlier
  // ones', for hooks that need tokenRuns (hookNeeds); asked about places in
  // increasing order.
  tokenRun runBefore(const unsigned char* p);

  // The spaces that start the line of p, for hooks that need
  // indents; asked about places in increasing order.
  int64_t indentOf(const unsigned char* p);

  void enterCode() { mode_ = mode::code; }
  void enterLiteral(int rule) {
    mode_ = mode::literal;
    rule_ = static_cast<uint8_t>(rule);
  }
  // The literal of `rule`, its opener taken as a comment's marker, read as
  // the literal is but counted as comment to its closer: a docstring.
  void enterCommentLiteral(int rule) {
    mode_ = mode::commentLiteral;
    inner_ = static_cast<uint8_t>(rule);
    depth_ = 0;  // no block comment around it
  }
  template <hook H>
  void enterHook() {
    mode_ = mode::hook;
    hook_ = hookIndexOf<H>();
  }
  // Hands the next line end taken in code, or that ends a line comment, to
  // hook H (that needs lineEnds): the machine takes it as code,
  // then H resumes after it.
  // Code from here to the "}" that closes the "{" just taken, braces nesting
  // inside, and then hook H again (at that "}"), as an interpolation goes
  // back to its literal; false, and nothing changes, when as many are
  // under way as the machine holds.
  template <hook H>
  bool enterNestedCode() {
    static_assert(kInterpolates, "a hook's nested code needs a row whose literals interpolate "
                                 "in braces: braces stop its code");
    if (nestings_.size() >= kMaxNesting) return false;
    nestings_.push_back({kHookNesting, hookIndexOf<H>(), 0});
    mode_ = mode::code;
    return true;
  }
  template <hook H>
  void watchLineEnd() {
    watcher_ = static_cast<uint8_t>(hookIndexOf<H>() + 1);
  }

  // The row's literal rule opened by `opener` after any word (one with no
  // prefix), or -1.
  static constexpr int literalOpenedBy(std::string_view opener) {
    for (int k = 0; k < kMaxLiterals; ++k) {
      if (R.literals[k].opener == opener && R.literals[k].prefix.empty()) return k;
    }
    return -1;
  }

 private:
  enum class mode : uint8_t {
    code,
    lineComment,
    blockComment,  // of rule_, depth_ deep
    literal,       // of rule_
    outside,       // outside the code region
    commentLiteral,  // a literal of rule inner_ as comment text: inside a block comment of
                     // rule_, depth_ deep, or with depth_ 0 a docstring
    hook,          // the active hook of index hook_ handles the bytes
    delimited,     // a delimited literal or comment of rule_, closed by delimiter_
  };

  // An interpolation under way: code inside literal `rule`, with `depth`
  // brackets of its kind open inside it.
  struct nesting {
    uint8_t rule;  // kHookNesting: the code of a hook's "{"
    uint8_t hook;  // that hook's index
    int32_t depth;
  };
  static constexpr uint8_t kHookNesting = 0xff;
  // Deeper interpolations are taken as literal text: memory stays bounded
  // whatever the input.
  static constexpr size_t kMaxNesting = 256;

  static constexpr codeTokenList kTokens = codeTokensOf(R);
  static constexpr byteList kFirstBytes = firstBytesOf(kTokens);
  static constexpr bool kHasRegion = !R.region.opener.empty();
  static constexpr bool kSplices = R.lineSplices;
  static constexpr bool kInterpolates = interpolates(R);
  static_assert(prefixesAndDelimitedRulesFit(R), "a prefix or delimited rule the machine cannot follow");

  using hooks = activeHooks<R>;
  static constexpr bool kTracksRuns = anyHookNeeds<hooks>(&hookNeeds::tokenRuns) || hasPrefixes(R);
  static constexpr bool kTracksIndents = anyHookNeeds<hooks>(&hookNeeds::indents);
  static constexpr bool kWatchesLines = anyHookNeeds<hooks>(&hookNeeds::lineEnds);
  template <hook H>
  static constexpr uint8_t hookIndexOf() {
    return static_cast<uint8_t>(indexOfHook<H, hooks>());
  }

  static constexpr int countOf(const auto& rules) {
    int n = 0;
    for (const auto& rule : rules) n += rule.opener.empty() ? 0 : 1;
    return n;
  }
  static constexpr int kBlockComments = countOf(R.blockComments);
  static constexpr int kLiterals = countOf(R.literals);
  static constexpr int kDelimited = [] {
    int n = 0;
    for (const delimitedRule& r : R.delimited) n += r.opener.empty() && r.fill == 0 ? 0 : 1;
    return n;
  }();

  using codeStops = byteSetOf<codeStopsOf(R)>;
  // Bytes that stop code only where their tokens may stand.
  using tokenStartStops = byteSetOf<placedStopsOf(R, placement::tokenStart)>;
  using lineStartStops = byteSetOf<placedStopsOf(R, placement::column1)>;
  static constexpr bool kPlacedStops =
      placedStopsOf(R, placement::tokenStart).count + placedStopsOf(R, placement::column1).count > 0;
  using nestedCodeStops = byteSetOf<nestedCodeStopsOf(R)>;  // inside interpolations
  using watchedCodeStops = byteSetOf<lineEndsAdded(codeStopsOf(R))>;
  using watchedNestedCodeStops = byteSetOf<lineEndsAdded(nestedCodeStopsOf(R))>;
  using marks = byteSetOf<marksOf(R)>;
  static constexpr bytePairs kStopPairs = stopPairsOf(R);
  using separators = byteSetOf<separatorsOf(R)>;
  using lineStops = byteSetOf<lineCommentStopsOf(R)>;
  template <int K>
  using blockStops = byteSetOf<blockCommentStopsOf(R.blockComments[K])>;
  template <int K>
  using blockSeconds = byteSetOf<blockCommentSecondsOf(R, R.blockComments[K])>;
  template <int K>
  using literalStops = byteSetOf<literalStopsOf(R, R.literals[K])>;
  template <int K>
  using delimitedStops = byteSetOf<delimitedStopsOf(R.delimited[K])>;

  // Takes the chunk [p, end): the bytes it can decide; holds the rest.
  void scan(const unsigned char* p, const unsigned char* end);
  stepResult step(const unsigned char* p, const unsigned char* end);

  // Each handles bytes from p in its mode and answers where it stopped; each
  // takes at least one byte, changes the mode, or waits at the first byte it
  // could not decide.
  template <bool Nested, bool Watched>
  stepResult code(const unsigned char* p, const unsigned char* end);
  // After a line end taken in code or ending a line comment: the watcher's.
  void lineEndTaken() {
    if (watcher_ == 0) return;
    mode_ = mode::hook;
    hook_ = static_cast<uint8_t>(watcher_ - 1);
    watcher_ = 0;
  }
  stepResult lineComment(const unsigned char* p, const unsigned char* end);
  template <int K>
  stepResult blockComment(const unsigned char* p, const unsigned char* end);
  // A literal in code, or with InComment as comment text: inside a block
  // comment, or as a docstring (enterCommentLiteral).
  template <int K, bool InComment = false>
  stepResult literal(const unsigned char* p, const unsigned char* end);
  // The literal that block comment K lets open at p, if one does: answers
  // past it and what it took, or kDeclined.
  template <int K, size_t... L>
  stepResult openCommentLiteral(const unsigned char* p, const unsigned char* end,
                                std::index_sequence<L...>);
  // A character literal, whose opener ends at q.
  template <int K>
  stepResult characterLiteral(const unsigned char* p, const unsigned char* q,
                              const unsigned char* end);
  stepResult outside(const unsigned char* p, const unsigned char* end);
  template <int K>
  stepResult delimited(const unsigned char* p, const unsigned char* end);

  // The opener of delimited rule K at p: answers past it and what its
  // handler took, or kDeclined when it does not stand there.
  template <int K>
  stepResult openDelimited(const unsigned char* p, const unsigned char* end);
  // Whether the closer of the delimited literal under way stands at p; on
  // yes, *length is its bytes.
  template <int K>
  matchResult delimitedCloserAt(const unsigned char* p, const unsigned char* end, size_t* length);

  // The token of kTokens.items[I] at p, if it stands there: answers past
  // what it opened and its handler took, or kDeclined when it does not
  // stand there (or a hook declines it).
  template <int I>
  stepResult tryToken(const unsigned char* p, const unsigned char* end);
  // The tokens that start with p's byte, in kTokens' order: one dispatch on
  // the byte (over kFirstBytes' B), then only those tokens.
  template <size_t... B>
  stepResult openToken(const unsigned char* p, const unsigned char* end, std::index_sequence<B...>);
  template <unsigned char C, size_t... I>
  stepResult openTokenOf(const unsigned char* p, const unsigned char* end,
                         std::index_sequence<I...>);
  template <unsigned char C, int I>
  stepResult tryTokenOf(const unsigned char* p, const unsigned char* end) {
    if constexpr (firstBytesOf(kTokens.items[I]).contains(C)) {
      return tryToken<I>(p, end);
    } else {
      return kDeclined;
    }
  }
  bool placed(placement where, const unsigned char* p) const;
  // A docRule's markers as fixed arrays, so that a template argument holds
  // them and the test at each opener is unrolled.
  struct docMarkerList {
    char text[8][4] = {};
    uint8_t length[8] = {};
    bool makesDoc[8] = {};  // a marker, else one of the notMarkers
    uint8_t count = 0;
    uint8_t reach = 0;  // the longest
  };
  static constexpr docMarkerList docMarkersOf(const docRule& doc) {
    docMarkerList list;
    for (const bool makesDoc : {true, false}) {
      const std::string_view all = makesDoc ? doc.markers : doc.notMarkers;
      for (size_t from = 0; from < all.size();) {
        size_t cut = all.find(';', from);
        if (cut == std::string_view::npos) cut = all.size();
        if (cut > from) {
          for (size_t k = from; k < cut; ++k) list.text[list.count][k - from] = all[k];
          list.length[list.count] = static_cast<uint8_t>(cut - from);
          list.makesDoc[list.count] = makesDoc;
          if (cut - from > list.reach) list.reach = static_cast<uint8_t>(cut - from);
          ++list.count;
        }
        from = cut + 1;
      }
    }
    return list;
  }
  // Whether the bytes at q, right after a comment's opener, make it a doc
  // comment by L; needMore while bytes to come could decide.
  template <docMarkerList L>
  matchResult docMarkerAt(const unsigned char* q, const unsigned char* end) const {
    static_assert(L.count <= 8 && L.reach <= 4, "a doc rule longer than the machine holds");
    const size_t available = static_cast<size_t>(end - q);
    if (available < L.reach && !final_) return matchResult::needMore;
    bool isDoc = false;
    for (int i = 0; i < L.count; ++i) {
      bool stands = L.length[i] <= available;
      for (int k = 0; stands && k < L.length[i]; ++k) {
        stands = q[k] == static_cast<unsigned char>(L.text[i][k]);
      }
      if (stands && !L.makesDoc[i]) return matchResult::no;
      isDoc = isDoc || stands;
    }
    return isDoc ? matchResult::yes : matchResult::no;
  }

  // A bracket met in code inside an interpolation: nests, or closes it and
  // goes back to its literal. Returns one past it.
  const unsigned char* bracket(const unsigned char* p);
  // Whether one of a prefix's words stands just before p. Most openers
  // follow no word at all, which the byte before them tells.
  bool prefixStands(const unsigned char* p, std::string_view words) {
    return isTokenByte(frame.previous(p)) && runIsOneOf(runBefore(p), words);
  }
  // Whether p starts the innermost interpolation's format part, with no
  // bracket of its kind open.
  bool formatStartAt(const unsigned char* p) const {
    const nesting& inner = nestings_.back();
    return inner.rule != kHookNesting && R.literals[inner.rule].startsFormat(*p) &&
           inner.depth == 0;
  }

  mode mode_ = mode::code;
  uint8_t rule_ = 0;
  uint8_t hook_ = 0;
  uint8_t inner_ = 0;    // commentLiteral: the literal's rule
  uint8_t watcher_ = 0;   // 1 + the index of the hook watching the next line end, or 0
  bool final_ = false;    // the chunk's end is the content's end
  int64_t depth_ = 0;
  int delimiterLength_ = 0;  // of delimiter_: the fill or tag of the delimited literal under way
  unsigned char delimiter_[kMaxDelimiter] = {};
  std::vector<nesting> nestings_;    // the interpolations under way, innermost last
  std::vector<unsigned char> held_;  // the bytes from the first one not decided
  hooks hooks_;
  const unsigned char* runAnchor_ = nullptr;  // the last place runBefore() was asked about
  tokenRun anchorRun_;  // its answer; at a chunk's start, the run that ended the chunk before
  // indentOf()'s counterparts: the last place asked about, and the indent of
  // its line so far, which is whole once a byte other than a space stood
  // before it on its line.
  const unsigned char* indentAnchor_ = nullptr;
  int64_t anchorIndent_ = 0;
  bool anchorIndentWhole_ = false;
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
  return frame.finish(size, R.marks.empty());
}

template <const exactRules& R>
void exactScanner<R>::scan(const unsigned char* p, const unsigned char* end) {
  frame.beginChunk(p);
  if constexpr (kTracksRuns) runAnchor_ = p;  // anchorRun_ is the run that ended before p
  if constexpr (kTracksIndents) indentAnchor_ = p;  // as runAnchor_
  while (p < end) {
    const stepResult s = step(p, end);
    p = s.next;
    if (s.waits) {
      held_.assign(p, end);
      break;
    }
  }
  if constexpr (kTracksRuns) runBefore(p);
  if constexpr (kTracksIndents) indentOf(p);
  frame.endChunk(p);
}

template <const exactRules& R>
stepResult exactScanner<R>::step(const unsigned char* p, const unsigned char* end) {
  switch (mode_) {
    case mode::code:
      if constexpr (kWatchesLines) {
        if (watcher_ != 0) {
          if (kInterpolates && !nestings_.empty()) return code<true, true>(p, end);
          return code<false, true>(p, end);
        }
      }
      if (kInterpolates && !nestings_.empty()) return code<true, false>(p, end);
      return code<false, false>(p, end);
    case mode::lineComment: return lineComment(p, end);
    // The rule-indexed modes, dispatched on rule_ (inner_), and the hooks, on hook_.
    case mode::blockComment:
      return withIndex<kBlockComments>(rule_, goOn(p),
                                       [&]<size_t K>() { return blockComment<K>(p, end); });
    case mode::literal:
      return withIndex<kLiterals>(rule_, goOn(p), [&]<size_t K>() { return literal<K>(p, end); });
    case mode::commentLiteral:
      return withIndex<kLiterals>(inner_, goOn(p),
                                  [&]<size_t K>() { return literal<K, true>(p, end); });
    case mode::outside: return outside(p, end);
    case mode::hook:
      return withIndex<std::tuple_size_v<hooks>>(
          hook_, goOn(p), [&]<size_t I>() { return std::get<I>(hooks_).resume(*this, p, end); });
    case mode::delimited:
      return withIndex<kDelimited>(rule_, goOn(p),
                                   [&]<size_t K>() { return delimited<K>(p, end); });
  }
  return goOn(p);  // not reached
}

template <const exactRules& R>
tokenRun exactScanner<R>::runBefore(const unsigned char* p) {
  // The walk back stops at the last place asked about: a run that reaches
  // it goes on from the run found there, so "1'1'1'..." costs a step per
  // byte, not one per byte and quote.
  const unsigned char* q = p;
  while (q > runAnchor_ && isTokenByte(q[-1])) --q;
  tokenRun run;
  if (q == runAnchor_) {
    run = anchorRun_;
  } else {
    run.startsLine = frame.onlyBlanksBefore(q);
  }
  for (; q < p && run.length < 4; ++q) run.head[run.length++] = *q;
  run.length += p - q;
  runAnchor_ = p;
  anchorRun_ = run;
  return run;
}

template <const exactRules& R>
int64_t exactScanner<R>::indentOf(const unsigned char* p) {
  // As runBefore(): the walk back stops at the last place asked about.
  const unsigned char* q = p;
  while (q > indentAnchor_ && !isLineEnd(q[-1])) --q;
  int64_t indent = 0;
  bool whole = false;
  if (q == indentAnchor_ && !frame.atLineStart(q)) {  // the line goes on from the anchor
    indent = anchorIndent_;
    whole = anchorIndentWhole_;
  }
  for (; q < p && !whole; ++q) {
    if (*q == ' ') {
      ++indent;
    } else {
      whole = true;
    }
  }
  indentAnchor_ = p;
  anchorIndent_ = indent;
  anchorIndentWhole_ = whole;
  return indent;
}

template <const exactRules& R>
bool exactScanner<R>::placed(placement where, const unsigned char* p) const {
  switch (where) {
    case placement::anywhere: return true;
    case placement::lineStart: return frame.onlyBlanksBefore(p);
    case placement::column1: return frame.atLineStart(p);
    case placement::wordStart: return frame.atLineStart(p) || endsWord(frame.previous(p));
    case placement::tokenStart: return frame.atLineStart(p) || !isWordByte(frame.previous(p));
    case placement::operandStart: return frame.atLineStart(p) || !endsOperand(frame.previous(p));
    case placement::afterBlank: return frame.atLineStart(p) || isBlankByte(frame.previous(p));
    case placement::afterSeparator: {
      const int before = frame.lastNonBlankBefore(p);
      return before < 0 || separators::contains(static_cast<unsigned char>(before));
    }
  }
  return false;
}

template <const exactRules& R>
template <bool Nested, bool Watched>
stepResult exactScanner<R>::code(const unsigned char* p, const unsigned char* end) {
  using stops = std::conditional_t<
      Watched, std::conditional_t<Nested, watchedNestedCodeStops, watchedCodeStops>,
      std::conditional_t<Nested, nestedCodeStops, codeStops>>;
  for (;;) {
    if constexpr (kPlacedStops) {
      p = frame.template placedCodeRun<stops, tokenStartStops, lineStartStops, marks,
                                       longestTokenWordOf(R)>(p, end);
    } else {
      // Other stops than the tokens' come with nesting and watching.
      using pairs = std::conditional_t<Nested || Watched, noStopPairs, pairSetOf<kStopPairs>>;
      p = frame.template codeRun<stops, marks, pairs>(p, end);
    }
    if (p == end) return goOn(p);
    if constexpr (Nested) {
      if (formatStartAt(p)) return goOn(bracket(p));  // before any token: Python's f"{x:#x}"
    }
    const stepResult opened = openToken(p, end, std::make_index_sequence<kFirstBytes.count>{});
    if (opened.waits) return opened;  // in the token, or after what it opened
    if constexpr (Watched) {
      if (opened.declined() && isLineEnd(*p)) {
        frame.code(marks::contains(*p));
        lineEndTaken();
        return goOn(p + 1);
      }
    }
    if (opened.declined()) {
      if constexpr (Nested) {
        if (nestedCodeStops::contains(*p)) {
          p = bracket(p);
          if (mode_ != mode::code || nestings_.empty()) return goOn(p);
          continue;
        }
      }
      frame.code(marks::contains(*p));  // the byte opens nothing
      ++p;
      continue;
    }
    p = opened.next;
    // An interpolation that opened, or a watch that began, sends code to
    // another loop.
    if (mode_ != mode::code || nestings_.empty() == Nested) return goOn(p);
    if constexpr (kWatchesLines && !Watched) {
      if (watcher_ != 0) return goOn(p);
    }
  }
}

template <const exactRules& R>
const unsigned char* exactScanner<R>::bracket(const unsigned char* p) {
  nesting& inner = nestings_.back();
  if (inner.rule == kHookNesting) {
    if (*p == '}' && inner.depth == 0) {
      mode_ = mode::hook;  // the hook takes its "}"
      hook_ = inner.hook;
      nestings_.pop_back();
      return p;
    }
    if (*p == '{') ++inner.depth;
    if (*p == '}') --inner.depth;
    frame.code(marks::contains(*p));
    return p + 1;
  }
  const std::string_view opener = R.literals[inner.rule].interpolation;
  if (*p == static_cast<unsigned char>(opener.back())) {
    ++inner.depth;
  } else if (*p == closingBracketOf(opener) || R.literals[inner.rule].startsFormat(*p)) {
    if (inner.depth == 0) {
      // The interpolation ends; its bracket, or the format part, belongs to
      // the literal.
      frame.literal(p, p + 1);
      enterLiteral(inner.rule);
      nestings_.pop_back();
      return p + 1;
    }
    if (*p == closingBracketOf(opener)) --inner.depth;
  }
  frame.code(marks::contains(*p));  // nesting, or of another interpolation's kind
  return p + 1;
}

template <const exactRules& R>
template <size_t... B>
stepResult exactScanner<R>::openToken(const unsigned char* p,
                                      [[maybe_unused]] const unsigned char* end,
                                      std::index_sequence<B...>) {
  stepResult next = kDeclined;
  // Casts, so that a row of one token leaves no unused value.
  static_cast<void>(
      ((*p == kFirstBytes.bytes[B]
            ? (next = openTokenOf<kFirstBytes.bytes[B]>(p, end,
                                                        std::make_index_sequence<kTokens.count>{}),
               true)
            : false) ||
       ...));
  return next;
}

template <const exactRules& R>
template <unsigned char C, size_t... I>
stepResult exactScanner<R>::openTokenOf(const unsigned char* p, const unsigned char* end,
                                        std::index_sequence<I...>) {
  stepResult next = kDeclined;
  static_cast<void>(((next = tryTokenOf<C, I>(p, end), !next.declined()) || ...));
  return next;
}

template <const exactRules& R>
template <int I>
stepResult exactScanner<R>::tryToken(const unsigned char* p, const unsigned char* end) {
  constexpr codeToken token = kTokens.items[I];
  // openToken() tried it for p's byte only: one the token may start with.
  if (!placed(token.where, p)) return kDeclined;
  if constexpr (!token.notAfter.empty()) {
    const unsigned char before = frame.previous(p);
    for (char c : token.notAfter) {
      if (before == static_cast<unsigned char>(c)) return kDeclined;
    }
  }
  size_t length = 1;
  if constexpr (token.keyword) {
    static_assert(!kSplices, "keywords are matched without splices");
    const matchResult m = matchKeyword(p, end, token.text, final_, &length);
    if (m == matchResult::needMore) return waitAt(p);
    if (m != matchResult::yes) return kDeclined;
  } else if constexpr (token.text.size() > 1) {
    // Most stops open nothing: their second byte tells at once.
    if (p + 1 < end && p[1] != static_cast<unsigned char>(token.text[1]) &&
        (!kSplices || p[1] != '\\')) {
      return kDeclined;
    }
    const matchResult m = match(p, end, token.text, &length);
    if (m == matchResult::needMore) return waitAt(p);
    if (m != matchResult::yes) return kDeclined;
  }
  const unsigned char* q = p + length;
  if constexpr (token.notBefore != 0) {
    if (q == end && !final_) return waitAt(p);
    if (q < end && *q == static_cast<unsigned char>(token.notBefore)) return kDeclined;
  }
  if constexpr (token.kind == tokenKind::lineComment) {
    constexpr docRule doc = R.lineComments[token.index].doc;
    bool isDoc = doc.always;
    if constexpr (!doc.markers.empty()) {
      const matchResult m = docMarkerAt<docMarkersOf(doc)>(q, end);
      if (m == matchResult::needMore) return waitAt(p);
      isDoc = m == matchResult::yes;
    }
    frame.openComment(p, isDoc);
    frame.marker(p, q);
    mode_ = mode::lineComment;
    return lineComment(q, end);
  } else if constexpr (token.kind == tokenKind::blockComment) {
    constexpr docRule doc = R.blockComments[token.index].doc;
    bool isDoc = doc.always;
    if constexpr (!doc.markers.empty()) {
      const matchResult m = docMarkerAt<docMarkersOf(doc)>(q, end);
      if (m == matchResult::needMore) return waitAt(p);
      isDoc = m == matchResult::yes;
    }
    frame.openComment(p, isDoc);
    frame.marker(p, q);
    mode_ = mode::blockComment;
    rule_ = token.index;
    depth_ = 1;
    return blockComment<token.index>(q, end);
  } else if constexpr (token.kind == tokenKind::literal) {
    constexpr literalRule rule = R.literals[token.index];
    if constexpr (!rule.prefix.empty()) {
      if (!prefixStands(p, rule.prefix)) return kDeclined;
    }
    if constexpr (rule.closer.empty()) {
      return characterLiteral<token.index>(p, q, end);
    } else {
      frame.literal(p, q);
      enterLiteral(token.index);
      return literal<token.index>(q, end);
    }
  } else if constexpr (token.kind == tokenKind::regionCloser) {
    frame.outside(p, q);
    mode_ = mode::outside;
    return goOn(q);
  } else if constexpr (token.kind == tokenKind::delimited) {
    return openDelimited<token.index>(p, end);
  } else if constexpr (token.kind == tokenKind::plain) {
    for (const unsigned char* b = p; b < q; ++b) frame.code(marks::contains(*b));
    return goOn(q);
  } else {
    constexpr hook which = static_cast<hook>(token.index);
    return std::get<hookIndexOf<which>()>(hooks_).open(*this, p, q, end);
  }
}

template <const exactRules& R>
stepResult exactScanner<R>::lineComment(const unsigned char* p, const unsigned char* end) {
  for (;;) {
    p = frame.template commentRun<lineStops>(p, end);
    if (p == end) return goOn(p);
    if (isLineEnd(*p)) {
      frame.closeComment(p);
      frame.lineCommentEnd(p);
      mode_ = mode::code;
      if constexpr (kWatchesLines) lineEndTaken();
      return goOn(p + 1);
    }
    if constexpr (kSplices) {
      if (*p == '\\') {
        // A spliced line end belongs to the comment, which goes on.
        const matchResult splice = spliceAt(p, end);
        if (splice == matchResult::needMore) return waitAt(p);
        const size_t taken = splice == matchResult::yes ? 2 : 1;
        frame.comment(p, p + taken);
        p += taken;
        continue;
      }
    }
    if constexpr (kHasRegion) {
      // The region's closer ends the comment and the region; its first byte
      // may finish a word.
      size_t length = 0;
      const matchResult m = match(p, end, R.region.closer, &length);
      if (m == matchResult::needMore) return waitAt(p);
      if (m == matchResult::yes) {
        frame.offerIfPending(p);
        frame.closeComment(p);
        frame.outside(p, p + length);
        mode_ = mode::outside;
        return goOn(p + length);
      }
      frame.comment(p);
      ++p;
    }
  }
}

template <const exactRules& R>
template <int K>
stepResult exactScanner<R>::blockComment(const unsigned char* p, const unsigned char* end) {
  constexpr blockCommentRule rule = R.blockComments[K];
  for (;;) {
    p = frame.template commentRun<blockStops<K>, blockSeconds<K>>(p, end);
    if (p == end) return goOn(p);
    size_t length = 0;
    if (*p == static_cast<unsigned char>(rule.closer[0])) {
      const matchResult m = match(p, end, rule.closer, &length);
      if (m == matchResult::needMore) return waitAt(p);
      if (m == matchResult::yes) {
        frame.comment(p, p + length);
        p += length;
        if (--depth_ == 0) {
          frame.closeComment(p);
          mode_ = mode::code;
          return goOn(p);
        }
        continue;
      }
    }
    if constexpr (rule.nests) {
      if (*p == static_cast<unsigned char>(rule.opener[0])) {
        const matchResult m = match(p, end, rule.opener, &length);
        if (m == matchResult::needMore) return waitAt(p);
        if (m == matchResult::yes) {
          frame.comment(p, p + length);
          p += length;
          ++depth_;
          continue;
        }
      }
    }
    if constexpr (!rule.literalsInside.empty()) {
      const stepResult opened =
          openCommentLiteral<K>(p, end, std::make_index_sequence<kLiterals>{});
      if (!opened.declined()) return opened;
    }
    frame.comment(p);
    ++p;
  }
}

template <const exactRules& R>
template <int K>
stepResult exactScanner<R>::characterLiteral(const unsigned char* p, const unsigned char* q,
                                             const unsigned char* end) {
  // The opener and one byte, or a backslash and one byte more.
  constexpr literalRule rule = R.literals[K];
  const size_t length = rule.escape == escapeRule::backslash && q < end && *q == '\\' ? 2 : 1;
  if (static_cast<size_t>(end - q) < length && !final_) return waitAt(p);
  const unsigned char* stop = static_cast<size_t>(end - q) < length ? end : q + length;
  frame.literal(p, stop);
  return goOn(stop);
}

template <const exactRules& R>
template <int K, size_t... L>
stepResult exactScanner<R>::openCommentLiteral(const unsigned char* p, const unsigned char* end,
                                               std::index_sequence<L...>) {
  stepResult next = kDeclined;
  auto tryOne = [&]<size_t J>() {
    constexpr std::string_view opener = R.literals[J].opener;
    if constexpr (opener.size() == 1 &&
                  R.blockComments[K].literalsInside.find(opener[0]) != std::string_view::npos) {
      if (*p != static_cast<unsigned char>(opener[0])) return false;
      frame.comment(p, p + 1);
      mode_ = mode::commentLiteral;
      inner_ = static_cast<uint8_t>(J);
      next = literal<J, true>(p + 1, end);
      return true;
    } else {
      return false;
    }
  };
  static_cast<void>((tryOne.template operator()<L>() || ...));
  return next;
}

template <const exactRules& R>
template <int K, bool InComment>
stepResult exactScanner<R>::literal(const unsigned char* p, const unsigned char* end) {
  constexpr literalRule rule = R.literals[K];
  // Inside a comment the literal's bytes are comment text. A docstring is
  // such a literal with no block comment around it (depth_ 0): its end ends
  // the comment.
  auto take = [this](const unsigned char* from, const unsigned char* to) {
    if constexpr (InComment) {
      frame.comment(from, to);
    } else {
      frame.literal(from, to);
    }
  };
  auto leave = [this](const unsigned char* at) {
    if (InComment && depth_ > 0) {
      mode_ = mode::blockComment;
      return;
    }
    if (InComment) frame.closeComment(at);
    mode_ = mode::code;
  };
  for (;;) {
    if constexpr (InComment) {
      p = frame.template commentRun<literalStops<K>>(p, end);
    } else {
      p = frame.template literalRun<literalStops<K>>(p, end);
    }
    if (p == end) return goOn(p);
    if (rule.endsAtLineEnd && isLineEnd(*p)) {
      if constexpr (InComment) {
        if (depth_ == 0) frame.offerIfPending(p);  // as a line comment's
      }
      leave(p);  // the line end itself is code, or the comment's
      return goOn(p);
    }
    if constexpr (!InComment && !rule.interpolation.empty()) {
      if (*p == static_cast<unsigned char>(rule.interpolation[0])) {
        size_t length = 0;
        const matchResult m = match(p, end, rule.interpolation, &length);
        if (m == matchResult::needMore) return waitAt(p);
        if (m == matchResult::yes) {
          if constexpr (rule.doubledOpenerIsText) {
            size_t again = 0;
            const matchResult twice = match(p + length, end, rule.interpolation, &again);
            if (twice == matchResult::needMore) return waitAt(p);
            if (twice == matchResult::yes) {
              take(p, p + length + again);
              p += length + again;
              continue;
            }
          }
          take(p, p + length);
          if (nestings_.size() < kMaxNesting) {
            nestings_.push_back({static_cast<uint8_t>(K), 0, 0});
            mode_ = mode::code;
            return goOn(p + length);
          }
          p += length;
          continue;
        }
      }
    }
    if constexpr (rule.escape == escapeRule::backtick) {
      if (*p == '`') {
        if (p + 1 == end && !final_) return waitAt(p);
        const unsigned char* escaped = p + 1 == end ? end : p + 2;
        take(p, escaped);
        p = escaped;
        continue;
      }
    }
    if ((kSplices || rule.escape == escapeRule::backslash) && *p == '\\') {
      if (p + 1 == end) {
        if (!final_) return waitAt(p);
        take(p, end);
        return goOn(end);
      }
      if (kSplices && isLineEnd(p[1])) {
        take(p, p + 2);
        p += 2;
        continue;
      }
      if constexpr (rule.escape != escapeRule::backslash) {
        take(p, p + 1);
        ++p;
        continue;
      }
      // The backslash takes the next byte as it is, or with splices the
      // next byte they leave.
      const unsigned char* escaped = p + 1;
      if constexpr (kSplices) {
        while (escaped < end && static_cast<size_t>(escaped + 3 - p) <= kMaxLookahead) {
          const matchResult splice = spliceAt(escaped, end);
          if (splice == matchResult::needMore) return waitAt(p);
          if (splice == matchResult::no) break;
          escaped += 2;
        }
        if (escaped == end) {
          if (!final_) return waitAt(p);
          take(p, end);
          return goOn(end);
        }
      }
      take(p, escaped + 1);
      p = escaped + 1;
      continue;
    }
    if (*p != static_cast<unsigned char>(rule.closer[0])) {
      take(p, p + 1);  // the first byte of the interpolation's opener, alone
      ++p;
      continue;
    }
    size_t length = 1;
    if constexpr (rule.closer.size() > 1) {
      const matchResult m = match(p, end, rule.closer, &length);
      if (m == matchResult::needMore) return waitAt(p);
      if (m == matchResult::no) {
        take(p, p + 1);
        ++p;
        continue;
      }
    }
    if constexpr (!rule.closerEscapes.empty()) {
      const unsigned char* q = p + length;
      if (q == end && !final_) return waitAt(p);
      if (q < end && rule.closerEscapes.find(static_cast<char>(*q)) != std::string_view::npos) {
        const unsigned char* escaped = q + 1;
        if (*q == '\\') {
          if (escaped == end && !final_) return waitAt(p);
          if (escaped < end) ++escaped;
        }
        take(p, escaped);
        p = escaped;
        continue;
      }
    }
    if constexpr (rule.escape == escapeRule::doubling) {
      // The closer again at once stands for one closer in the text.
      size_t again = 0;
      const matchResult twice = match(p + length, end, rule.closer, &again);
      if (twice == matchResult::needMore) return waitAt(p);
      if (twice == matchResult::yes) {
        take(p, p + length + again);
        p += length + again;
        continue;
      }
    }
    take(p, p + length);
    leave(p + length);
    return goOn(p + length);
  }
}

template <const exactRules& R>
template <int K>
stepResult exactScanner<R>::openDelimited(const unsigned char* p, const unsigned char* end) {
  constexpr delimitedRule rule = R.delimited[K];
  if constexpr (!rule.prefix.empty()) {
    if (!prefixStands(p, rule.prefix)) return kDeclined;
  }
  const unsigned char* q = p;
  size_t length = 0;
  if constexpr (!rule.opener.empty()) {
    const matchResult m = match(q, end, rule.opener, &length);
    if (m == matchResult::needMore) return waitAt(p);
    if (m == matchResult::no) return kDeclined;
    q += length;
  }
  // The fill or tag, kept for the closer; one byte past the longest decides.
  int n = 0;
  for (; q < end && n <= kMaxDelimiter; ++q, ++n) {
    const bool fills = rule.fill != 0 ? *q == static_cast<unsigned char>(rule.fill)
                                      : isTagByte(rule.tag, *q, n == 0);
    if (!fills) break;
    if (n < kMaxDelimiter) delimiter_[n] = *q;
  }
  if (q == end && !final_) return waitAt(p);
  if (n > kMaxDelimiter || n < rule.minFill) return kDeclined;
  if constexpr (!rule.openerEnd.empty()) {
    const matchResult m = match(q, end, rule.openerEnd, &length);
    if (m == matchResult::needMore) return waitAt(p);
    if (m == matchResult::no) return kDeclined;
    q += length;
  }
  delimiterLength_ = n;
  if constexpr (rule.isComment) {
    frame.openComment(p);
    frame.marker(p, q);
  } else {
    frame.literal(p, q);
  }
  mode_ = mode::delimited;
  rule_ = K;
  return delimited<K>(q, end);
}

template <const exactRules& R>
template <int K>
matchResult exactScanner<R>::delimitedCloserAt(const unsigned char* p, const unsigned char* end,
                                               size_t* length) {
  constexpr delimitedRule rule = R.delimited[K];
  const unsigned char* q = p;
  size_t n = 0;
  if constexpr (!rule.closer.empty()) {
    const matchResult m = match(q, end, rule.closer, &n);
    if (m != matchResult::yes) return m;
    q += n;
  }
  for (int i = 0; i < delimiterLength_; ++i, ++q) {
    if (q == end) return final_ ? matchResult::no : matchResult::needMore;
    if (*q != delimiter_[i]) return matchResult::no;
  }
  if constexpr (!rule.closerEnd.empty()) {
    const matchResult m = match(q, end, rule.closerEnd, &n);
    if (m != matchResult::yes) return m;
    q += n;
  }
  *length = static_cast<size_t>(q - p);
  return matchResult::yes;
}

template <const exactRules& R>
template <int K>
stepResult exactScanner<R>::delimited(const unsigned char* p, const unsigned char* end) {
  constexpr bool kComment = R.delimited[K].isComment;
  for (;;) {
    if constexpr (kComment) {
      p = frame.template commentRun<delimitedStops<K>>(p, end);
    } else {
      p = frame.template literalRun<delimitedStops<K>>(p, end);
    }
    if (p == end) return goOn(p);
    size_t length = 1;
    const matchResult m = delimitedCloserAt<K>(p, end, &length);
    if (m == matchResult::needMore) return waitAt(p);
    if constexpr (kComment) {
      frame.comment(p, p + length);
    } else {
      frame.literal(p, p + length);
    }
    p += length;
    if (m == matchResult::yes) {
      if constexpr (kComment) frame.closeComment(p);
      mode_ = mode::code;
      return goOn(p);
    }
  }
}

template <const exactRules& R>
stepResult exactScanner<R>::outside(const unsigned char* p, const unsigned char* end) {
  if constexpr (kHasRegion) {
    using openerStart = byteSetOf<regionOpenerStartOf(R)>;
    for (;;) {
      const unsigned char* stop = findAny<openerStart>(p, end);
      frame.outside(p, stop);
      if (stop == end) return goOn(stop);
      size_t length = 0;
      const matchResult m = match(stop, end, R.region.opener, &length);
      if (m == matchResult::needMore) return waitAt(stop);
      if (m == matchResult::yes) {
        frame.outside(stop, stop + length);
        mode_ = mode::code;
        return goOn(stop + length);
      }
      frame.outside(stop, stop + 1);
      p = stop + 1;
    }
  } else {
    return goOn(p);  // not reached: such rows start and stay inside
  }
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_SCANNER_H_
