#ifndef QUILLSTAT_ENGINE_EXACT_TOKENS_H_
#define QUILLSTAT_ENGINE_EXACT_TOKENS_H_

// What the exact machine derives from a row at compile time: the tokens it
// looks for in code, longest first, and the bytes at which each state must
// stop. Also the one token match both the machine and its hooks use.

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"
#include "engine/exact_hook_rules.h"
#include "engine/exact_rules.h"
#include "engine/word_detectors.h"

namespace quillstat {


// A set of bytes known at compile time, usable as a template argument.
struct byteList {
  unsigned char bytes[24] = {};
  int count = 0;

  constexpr void add(unsigned char c) {
    for (int i = 0; i < count; ++i) {
      if (bytes[i] == c) return;
    }
    bytes[count++] = c;
  }
  constexpr void add(std::string_view text) {
    for (char c : text) add(static_cast<unsigned char>(c));
  }
  constexpr bool contains(unsigned char c) const {
    for (int i = 0; i < count; ++i) {
      if (bytes[i] == c) return true;
    }
    return false;
  }
  constexpr const unsigned char* begin() const { return bytes; }
  constexpr const unsigned char* end() const { return bytes + count; }
};

// A byteList as the searches of byte_search.h take a set: contains(), and
// equalsAny() below for the vector path.
template <byteList L>
struct byteSetOf {
  static constexpr bool contains(unsigned char c) { return L.contains(c); }
  static constexpr bool empty = L.count == 0;
};

// Stop bytes each with the bytes that may follow it where it opens
// something: the run need not stop at it before any other.
struct bytePairs {
  unsigned char firsts[4] = {};
  byteList seconds[4] = {};
  int count = 0;
};

template <bytePairs P>
struct pairSetOf {
  static constexpr bool empty = P.count == 0;
};

#if QUILLSTAT_HAVE_SSE2
template <byteList L>
inline __m128i equalsAny(__m128i v, byteSetOf<L>) {
  __m128i hits = _mm_setzero_si128();
  [&]<size_t... I>(std::index_sequence<I...>) {
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(L.bytes[I]))))),
     ...);
  }(std::make_index_sequence<L.count>{});
  return hits;
}

// 0xFF in each byte of v that is a first of P not followed, in `next` (the
// bytes one place on), by one of its seconds.
template <bytePairs P>
inline __m128i declined(__m128i v, __m128i next, pairSetOf<P>) {
  __m128i found = _mm_setzero_si128();
  [&]<size_t... I>(std::index_sequence<I...>) {
    ((found = _mm_or_si128(
          found, _mm_andnot_si128(equalsAny(next, byteSetOf<P.seconds[I]>{}),
                                  _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(P.firsts[I])))))),
     ...);
  }(std::make_index_sequence<P.count>{});
  return found;
}

// The two above in 32-byte vectors, for skipPlainCodeWide. (A lambda would
// not be compiled for its caller's processor.)
template <byteList L, size_t... I>
QUILLSTAT_WIDE inline __m256i equalsAnyOf([[maybe_unused]] __m256i v, std::index_sequence<I...>) {
  __m256i hits = _mm256_setzero_si256();
  ((hits = _mm256_or_si256(
        hits, _mm256_cmpeq_epi8(v, _mm256_set1_epi8(static_cast<char>(L.bytes[I]))))),
   ...);
  return hits;
}
template <byteList L>
QUILLSTAT_WIDE inline __m256i equalsAny(__m256i v, byteSetOf<L>) {
  constexpr byteSearchDetail::nibbleTable kTable = byteSearchDetail::nibbleTableOf(L);
  if constexpr (byteSearchDetail::foundByLookUp(kTable)) {
    return byteSearchDetail::membersOf<kTable>(v);
  } else {
    return equalsAnyOf<L>(v, std::make_index_sequence<L.count>{});
  }
}
template <bytePairs P, size_t... I>
QUILLSTAT_WIDE inline __m256i declinedOf(__m256i v, __m256i next, std::index_sequence<I...>) {
  __m256i found = _mm256_setzero_si256();
  ((found = _mm256_or_si256(
        found, _mm256_andnot_si256(
                   equalsAny(next, byteSetOf<P.seconds[I]>{}),
                   _mm256_cmpeq_epi8(v, _mm256_set1_epi8(static_cast<char>(P.firsts[I])))))),
   ...);
  return found;
}
template <bytePairs P>
QUILLSTAT_WIDE inline __m256i declined(__m256i v, __m256i next, pairSetOf<P>) {
  return declinedOf<P>(v, next, std::make_index_sequence<P.count>{});
}
#endif

// What a token met in code opens.
enum class tokenKind : uint8_t {
  lineComment,
  blockComment,
  literal,
  regionCloser,
  plain,
  hookToken,
  delimited,
};

struct codeToken {
  std::string_view text;  // of a delimited rule, only the first byte its opener may have
  tokenKind kind = tokenKind::literal;
  uint32_t index = 0;  // of the rule in its array, or the hook
  placement where = placement::anywhere;
  char notBefore = 0;
  size_t length = text.size();  // the fewest bytes it opens with: longer ones are tried first
  std::string_view notAfter = {};
  bool keyword = false;
  int wordUpTo = 0;  // of a hook's token: hookToken::wordUpTo
  std::string_view follows = {};  // of a hook's token: hookToken::follows
};

// A hook's token with the hook's bit.
struct hookTokenOf {
  hook which;
  hookToken token;
};

// Every hook's tokens (kHookTokens), defined in exact_hooks.h from its list
// of hooks, which include this file.
constexpr std::span<const hookTokenOf> allHookTokens();

struct codeTokenList {
  codeToken items[24] = {};
  int count = 0;
};

// The fewest bytes a delimited rule's opener has, its prefix left out.
constexpr size_t shortestOpenerOf(const delimitedRule& r) {
  return r.opener.size() + static_cast<size_t>(r.minFill) + r.openerEnd.size();
}

// Every token of `rules` that opens something in code, longest first; at one
// length, hooks first, then delimited rules, line comments, block comments,
// literals, the region's closer and plain tokens, each in the row's order.
// A delimited rule's token is its opener's first byte: its fill's when it has
// no opener, and its openerEnd's too when the fill may be absent.
constexpr codeTokenList codeTokensOf(const exactRules& rules) {
  codeTokenList list;
  for (const hookTokenOf& t : allHookTokens()) {
    if (rules.has(t.which)) {
      codeToken& token = list.items[list.count++];
      token = {t.token.text, tokenKind::hookToken, t.which, t.token.where};
      token.wordUpTo = t.token.wordUpTo;
      token.follows = t.token.follows;
    }
  }
  for (uint32_t i = 0; i < kMaxDelimited; ++i) {
    const delimitedRule& r = rules.delimited[i];
    const size_t length = shortestOpenerOf(r);
    auto add = [&](std::string_view first) {
      list.items[list.count++] = {first, tokenKind::delimited, i, r.where, 0, length};
    };
    if (!r.opener.empty()) {
      add(r.opener.substr(0, 1));
    } else if (r.fill != 0) {
      add(std::string_view(&r.fill, 1));
      if (r.minFill == 0 && !r.openerEnd.empty()) add(r.openerEnd.substr(0, 1));
    }
  }
  for (uint32_t i = 0; i < kMaxLineComments; ++i) {
    const lineCommentRule& r = rules.lineComments[i];
    if (!r.opener.empty()) {
      codeToken& t = list.items[list.count++];
      t = {r.opener, tokenKind::lineComment, i, r.where, r.notBefore, r.opener.size(), r.notAfter};
      t.keyword = r.keyword;
    }
  }
  for (uint32_t i = 0; i < kMaxBlockComments; ++i) {
    const blockCommentRule& r = rules.blockComments[i];
    if (!r.opener.empty()) list.items[list.count++] = {r.opener, tokenKind::blockComment, i, r.where};
  }
  for (uint32_t i = 0; i < kMaxLiterals; ++i) {
    const literalRule& r = rules.literals[i];
    if (!r.opener.empty()) {
      list.items[list.count++] = {r.opener, tokenKind::literal, i, r.where, 0, r.opener.size(),
                                  r.notAfter};
    }
  }
  if (!rules.region.closer.empty()) {
    list.items[list.count++] = {rules.region.closer, tokenKind::regionCloser};
  }
  for (const std::string_view& text : rules.plainTokens) {
    if (!text.empty()) list.items[list.count++] = {text, tokenKind::plain};
  }
  // Insertion sort keeps the order of equal lengths.
  for (int i = 1; i < list.count; ++i) {
    for (int j = i; j > 0 && list.items[j].length > list.items[j - 1].length; --j) {
      std::swap(list.items[j], list.items[j - 1]);
    }
  }
  return list;
}

// The bytes `token` may start with: its first, and a keyword's first letter
// in its other case too.
constexpr byteList firstBytesOf(const codeToken& token) {
  byteList bytes;
  const unsigned char first = static_cast<unsigned char>(token.text[0]);
  bytes.add(first);
  if (token.keyword && static_cast<unsigned char>((first | 0x20) - 'a') < 26) bytes.add(first ^ 0x20);
  return bytes;
}

// The bytes that tokens of `tokens` start with, each once.
constexpr byteList firstBytesOf(const codeTokenList& tokens) {
  byteList bytes;
  for (int i = 0; i < tokens.count; ++i) {
    for (unsigned char c : firstBytesOf(tokens.items[i])) bytes.add(c);
  }
  return bytes;
}

// Whether every token of `tokens` that may start with c is placed `where`,
// so that c need not stop the scan where such a token cannot stand.
constexpr bool onlyPlaced(const codeTokenList& tokens, unsigned char c, placement where) {
  for (int i = 0; i < tokens.count; ++i) {
    if (firstBytesOf(tokens.items[i]).contains(c) && tokens.items[i].where != where) return false;
  }
  return true;
}

// The first bytes of the tokens in code whose tokens are all placed `where`
// (tokenStart or column1): they stop the scan only where those may stand.
constexpr byteList placedStopsOf(const exactRules& rules, placement where) {
  byteList stops;
  const codeTokenList tokens = codeTokensOf(rules);
  for (int i = 0; i < tokens.count; ++i) {
    for (unsigned char c : firstBytesOf(tokens.items[i])) {
      if (onlyPlaced(tokens, c, where)) stops.add(c);
    }
  }
  return stops;
}

// The longest word that a token placed at a token's start and starting with
// a letter or '_' may begin, its word counted in letters and '_' as
// skipPlacedCode counts it: a longer word holds none of them, so the scan
// need not stop at its start. 0 where a token's word is not bounded.
constexpr int longestTokenWordOf(const exactRules& rules) {
  auto inWord = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return static_cast<unsigned char>((u | 0x20) - 'a') < 26 || u == '_';
  };
  const codeTokenList tokens = codeTokensOf(rules);
  int longest = 0;
  for (int i = 0; i < tokens.count; ++i) {
    const codeToken& t = tokens.items[i];
    if (t.where != placement::tokenStart || !inWord(t.text[0])) continue;
    // A text's word ends at its first other byte, which the match demands.
    int word = 0;
    while (word < static_cast<int>(t.text.size()) && inWord(t.text[word])) ++word;
    if (word == static_cast<int>(t.text.size())) word = t.kind == tokenKind::hookToken ? t.wordUpTo : 0;
    if (word == 0) return 0;
    longest = std::max(longest, word);
  }
  return longest;
}

// The first bytes of the other tokens in code: they stop it anywhere.
constexpr byteList codeStopsOf(const exactRules& rules) {
  byteList stops;
  const codeTokenList tokens = codeTokensOf(rules);
  for (int i = 0; i < tokens.count; ++i) {
    for (unsigned char c : firstBytesOf(tokens.items[i])) {
      if (!onlyPlaced(tokens, c, placement::tokenStart) && !onlyPlaced(tokens, c, placement::column1)) {
        stops.add(c);
      }
    }
  }
  return stops;
}

// The code stops whose tokens all have a second byte that must follow
// (tryToken asks for it first) or name the bytes that may follow them
// (hookToken::follows), with those bytes: a splice's '\\' too. Only opening
// brackets, '<' and the tokens that name what follows them are taken
// (bytePairs holds four): they stand often in code, where a stop at each
// costs more than the look at the byte after each in a block with a stop; a
// stop such as C's '/' is rare outside its tokens.
constexpr bytePairs stopPairsOf(const exactRules& rules) {
  constexpr std::string_view kCommonInCode = "([{<";
  bytePairs pairs;
  const codeTokenList tokens = codeTokensOf(rules);
  for (unsigned char c : codeStopsOf(rules)) {
    byteList seconds;
    bool paired = true;
    bool named = false;  // a token names what follows it
    for (int i = 0; i < tokens.count; ++i) {
      const codeToken& t = tokens.items[i];
      if (!firstBytesOf(t).contains(c)) continue;
      named = named || !t.follows.empty();
      paired = paired && !t.keyword && (t.text.size() >= 2 || !t.follows.empty());
      if (!paired) break;
      if (t.text.size() >= 2) {
        seconds.add(static_cast<unsigned char>(t.text[1]));
      } else {
        seconds.add(t.follows);
      }
    }
    if (!paired || (!named && kCommonInCode.find(static_cast<char>(c)) == std::string_view::npos)) {
      continue;
    }
    if (rules.lineSplices) seconds.add('\\');
    pairs.firsts[pairs.count] = c;
    pairs.seconds[pairs.count++] = seconds;
  }
  return pairs;
}

constexpr byteList marksOf(const exactRules& rules) {
  byteList marks;
  marks.add(rules.marks);
  return marks;
}

constexpr byteList separatorsOf(const exactRules& rules) {
  byteList separators;
  separators.add(rules.separators);
  return separators;
}

constexpr byteList lineCommentStopsOf(const exactRules& rules) {
  byteList stops;
  stops.add("\r\n");
  if (rules.lineSplices) stops.add('\\');
  if (!rules.region.closer.empty()) stops.add(static_cast<unsigned char>(rules.region.closer[0]));
  return stops;
}

constexpr byteList blockCommentStopsOf(const blockCommentRule& rule) {
  byteList stops;
  stops.add(static_cast<unsigned char>(rule.closer[0]));
  if (rule.nests) stops.add(static_cast<unsigned char>(rule.opener[0]));
  stops.add(rule.literalsInside);
  return stops;
}

// The bytes that may follow a stop of blockCommentStopsOf where it begins
// the closer; none (any byte) where the stops are more than its first byte.
constexpr byteList blockCommentSecondsOf(const exactRules& rules, const blockCommentRule& rule) {
  byteList seconds;
  if (blockCommentStopsOf(rule).count > 1 || rule.closer.size() < 2) return seconds;
  seconds.add(static_cast<unsigned char>(rule.closer[1]));
  if (rules.lineSplices) seconds.add('\\');
  return seconds;
}

constexpr byteList literalStopsOf(const exactRules& rules, const literalRule& rule) {
  byteList stops;
  if (rule.closer.empty()) return stops;  // a character literal: never a mode of its own
  stops.add(static_cast<unsigned char>(rule.closer[0]));
  if (rule.escape == escapeRule::backslash || rules.lineSplices) stops.add('\\');
  if (rule.escape == escapeRule::backtick) stops.add('`');
  if (rule.endsAtLineEnd) stops.add("\r\n");
  if (!rule.interpolation.empty()) stops.add(static_cast<unsigned char>(rule.interpolation[0]));
  return stops;
}

// A delimited literal's text stops where its closer may start.
constexpr byteList delimitedStopsOf(const delimitedRule& rule) {
  byteList stops;
  stops.add(static_cast<unsigned char>(rule.closer.empty() ? rule.fill : rule.closer[0]));
  return stops;
}

// The bracket that closes an interpolation opened by `opener`, whose last
// byte is the opening bracket.
constexpr unsigned char closingBracketOf(std::string_view opener) {
  switch (opener.back()) {
    case '(': return ')';
    case '[': return ']';
    default: return '}';
  }
}

// Whether a row has literals with code inside.
constexpr bool interpolates(const exactRules& rules) {
  for (const literalRule& r : rules.literals) {
    if (!r.interpolation.empty()) return true;
  }
  return false;
}

// Code inside an interpolation stops also at the brackets that nest and
// close it, of every kind the row's interpolations use.
constexpr byteList nestedCodeStopsOf(const exactRules& rules) {
  byteList stops = codeStopsOf(rules);
  for (const literalRule& r : rules.literals) {
    if (r.interpolation.empty()) continue;
    stops.add(static_cast<unsigned char>(r.interpolation.back()));
    stops.add(closingBracketOf(r.interpolation));
    if (r.formatStart != 0) stops.add(static_cast<unsigned char>(r.formatStart));
  }
  return stops;
}

// A stop set with the line ends added: code while a hook watches them.
constexpr byteList lineEndsAdded(byteList stops) {
  stops.add("\r\n");
  return stops;
}

constexpr byteList regionOpenerStartOf(const exactRules& rules) {
  byteList start;
  if (!rules.region.opener.empty()) start.add(static_cast<unsigned char>(rules.region.opener[0]));
  return start;
}

// Whether c may stand just before a token that opens at a word's start.
inline bool endsWord(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == ';' ||
         c == '&' || c == '|' || c == '(' || c == ')' || c == '<' || c == '>';
}


// Whether a run of token bytes (exact_hook_rules.h) is one of a prefix's
// `words` (exact_rules.h), each of at most the four bytes a run keeps.
constexpr bool runIsOneOf(const tokenRun& run, std::string_view words) {
  if (run.length == 0) return false;  // most quotes: no word to read the list for
  while (!words.empty()) {
    const size_t cut = words.find(';');
    const std::string_view word = words.substr(0, cut);
    if (word == "*" && run.length > 0 &&
        (isAsciiLetter(run.head[0]) || run.head[0] == '_' || run.head[0] >= 0x80)) {
      return true;
    }
    bool same = static_cast<int64_t>(word.size()) == run.length;
    for (size_t i = 0; same && i < word.size(); ++i) {
      same = run.head[i] == static_cast<unsigned char>(word[i]);
    }
    if (same) return true;
    words = cut == std::string_view::npos ? std::string_view() : words.substr(cut + 1);
  }
  return false;
}

// Whether each word of a prefix fits a token run.
constexpr bool prefixFits(std::string_view words) {
  for (size_t at = 0, cut = 0; at <= words.size(); at = cut + 1) {
    cut = std::min(words.find(';', at), words.size());
    if (cut - at > 4) return false;
  }
  return true;
}

// What the machine asks of a row's prefixes and delimited rules: each
// delimited rule has a token, the words of every prefix fit a token run, and
// a delimited opener and closer, their fill or tag aside, fit the lookahead.
// Line splices are not undone in delimited rules: a row has either.
constexpr bool prefixesAndDelimitedRulesFit(const exactRules& rules) {
  for (const literalRule& r : rules.literals) {
    if (!prefixFits(r.prefix)) return false;
  }
  for (const delimitedRule& r : rules.delimited) {
    if (r.opener.empty() && r.fill == 0) {
      if (r.tag != tagRule::none || !r.openerEnd.empty() || !r.prefix.empty()) return false;
      continue;  // unused
    }
    if (rules.lineSplices || (r.fill != 0) == (r.tag != tagRule::none)) return false;
    if (r.closer.empty() && (r.fill == 0 || r.minFill == 0)) return false;  // no byte to stop at
    if (!prefixFits(r.prefix)) return false;
    if (r.opener.size() + 1 + r.openerEnd.size() > kMaxLookahead ||
        r.closer.size() + r.closerEnd.size() > kMaxLookahead) {
      return false;
    }
  }
  return true;
}

constexpr bool hasPrefixes(const exactRules& rules) {
  for (const literalRule& r : rules.literals) {
    if (!r.prefix.empty()) return true;
  }
  for (const delimitedRule& r : rules.delimited) {
    if (!r.prefix.empty()) return true;
  }
  return false;
}

// Whether c may end an operand, so that an apostrophe right after it is
// an operator (Julia's transpose a') rather than an opener.
inline bool endsOperand(unsigned char c) {
  return isWordByte(c) || c == ')' || c == ']' || c == '}' || c == '\'';
}

enum class matchResult : uint8_t { no, yes, needMore };

// Whether `token` stands at p, in [p, end): with `splices`, a backslash
// before a line end may stand between two of its bytes. With `final`, end is
// the end of the content; otherwise more bytes may follow it, and
// needMore says that they decide. On yes, *length is the bytes taken.
inline matchResult matchToken(const unsigned char* p, const unsigned char* end,
                              std::string_view token, bool splices, bool final,
                              size_t* length) {
  const size_t available = static_cast<size_t>(end - p);
  if (!splices || token.size() == 1) {
    // Byte by byte, unrolled once the caller's token is inlined: tokens are
    // short, and a call to a library compare would cost more.
    auto equal = [p, token](size_t n) {
      for (size_t i = 0; i < n; ++i) {
        if (p[i] != static_cast<unsigned char>(token[i])) return false;
      }
      return true;
    };
    if (available >= token.size()) {
      if (!equal(token.size())) return matchResult::no;
      *length = token.size();
      return matchResult::yes;
    }
    if (final || !equal(available)) return matchResult::no;
    return matchResult::needMore;
  }
  const unsigned char* q = p;
  for (size_t i = 0;;) {
    if (q == end) return final ? matchResult::no : matchResult::needMore;
    if (*q == static_cast<unsigned char>(token[i])) {
      ++q;
      if (++i == token.size()) {
        *length = static_cast<size_t>(q - p);
        return matchResult::yes;
      }
      continue;
    }
    if (i == 0 || *q != '\\') return matchResult::no;
    if (q + 1 == end) return final ? matchResult::no : matchResult::needMore;
    if (!isLineEnd(q[1]) || static_cast<size_t>(q + 2 - p) > kMaxLookahead) return matchResult::no;
    q += 2;
  }
}

// Whether the keyword `token` (exact_rules.h) stands at p, in [p, end), in
// any ASCII case and with no word byte after it; as matchToken says, with
// no splices.
inline matchResult matchKeyword(const unsigned char* p, const unsigned char* end,
                                std::string_view token, bool final, size_t* length) {
  const size_t n = token.size();
  for (size_t i = 0; i < n; ++i) {
    if (p + i == end) return final ? matchResult::no : matchResult::needMore;
    const unsigned char c = p[i];
    const unsigned char t = static_cast<unsigned char>(token[i]);
    if (c != t && !(isAsciiLetter(t) && (c ^ 0x20) == t)) return matchResult::no;
  }
  if (p + n == end && !final) return matchResult::needMore;
  if (p + n < end && isWordByte(p[n])) return matchResult::no;
  *length = n;
  return matchResult::yes;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_TOKENS_H_
