#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/byte_search.h"
#include "engine/exact_hooks.h"  // with exact_tokens.h, whose pairs the skips take

namespace quillstat {
namespace {

// Random texts of up to 150 bytes, mostly 'x' with one of `pieces` at one
// place in `odds` (cut at the end), and each start in them:
// check(round, begin, p, end).
template <class Check>
void forEveryStart(const std::vector<std::string>& pieces, int odds, Check check) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    std::string text(static_cast<size_t>(random() % 150), 'x');
    for (size_t at = 0; at < text.size(); ++at) {
      if (static_cast<int>(random() % odds) != 0) continue;
      const std::string& piece = pieces[random() % pieces.size()];
      text.replace(at, std::min(piece.size(), text.size() - at), piece, 0, text.size() - at);
    }
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = begin + text.size();
    for (const unsigned char* p = begin; p <= end; ++p) check(round, begin, p, end);
  }
}

std::vector<std::string> eachByte(const std::string& bytes) {
  std::vector<std::string> pieces;
  for (char c : bytes) pieces.emplace_back(1, c);
  return pieces;
}

std::string placeOf(const char* way, int round, const unsigned char* begin,
                    const unsigned char* p) {
  return std::string(way) + ", round " + std::to_string(round) + ", from " +
         std::to_string(p - begin);
}

using stops = byteSet<'/', '"', '#'>;
using marks = byteSet<';', '{'>;
// '#' opens something only before "i" or a blank.
constexpr bytePairs kHashPairs = [] {
  bytePairs pairs;
  pairs.firsts[0] = '#';
  pairs.seconds[0].add("i \t");
  pairs.count = 1;
  return pairs;
}();
using hashPairs = pairSetOf<kHashPairs>;

// Each width of each skip stops at a byte of the stops, or at the end, never
// past one that may open something (with the pairs, a '#' before "i" or a
// blank, or at the end), and counts the marks it passed over.
TEST(SkipPlainCode, StopsNoLaterThanTheFirstStopThatMayOpenAndCountsTheMarksBefore) {
  struct way {
    const char* name;
    const unsigned char* (*run)(const unsigned char*, const unsigned char*, int64_t*);
    bool pairs;
  };
  std::vector<way> ways = {
      {"narrow", skipPlainCodeNarrow<stops, marks>, false},
      {"narrow with pairs", skipPlainCodeNarrow<stops, marks, hashPairs>, true}};
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) {
    ways.push_back({"wide", skipPlainCodeWide<stops, marks>, false});
    ways.push_back({"wide with pairs", skipPlainCodeWide<stops, marks, hashPairs>, true});
  }
#endif
  // With bytes that share the stops' low four bits, one of them from 0x80,
  // which a lookup by those bits must tell from the stops.
  const std::vector<std::string> bytes = eachByte("abc i\t\n;{/\"#?32\xAF");
  forEveryStart(bytes, 4, [&](int round, auto begin, auto p, auto end) {
    for (const way& w : ways) {
      const unsigned char* mustStop = p;
      while (mustStop < end &&
             !(stops::contains(*mustStop) && (!w.pairs || *mustStop != '#' || mustStop + 1 == end ||
                                              kHashPairs.seconds[0].contains(mustStop[1])))) {
        ++mustStop;
      }
      int64_t counted = 0;
      const unsigned char* q = w.run(p, end, &counted);
      ASSERT_TRUE(q >= p && q <= mustStop) << placeOf(w.name, round, begin, p);
      ASSERT_TRUE(q == end || stops::contains(*q)) << placeOf(w.name, round, begin, p);
      int64_t expected = 0;
      for (const unsigned char* m = p; m < q; ++m) expected += marks::contains(*m);
      EXPECT_EQ(counted, expected) << placeOf(w.name, round, begin, p);
    }
  });
}

// A table holds a set exactly where its members are below 0x80 and differ
// in their low four bits, and then holds no other byte.
TEST(NibbleTable, HoldsExactlyTheMembersWhereTheyDifferInTheirLowBits) {
  using byteSearchDetail::nibbleTableOf;
  const struct {
    std::string members;
    bool exact;
  } cases[] = {{"", true}, {"/\"#'", true}, {std::string(1, '\0') + "a", true},
               {"\t i\\", false}, {"\xAF", false}, {";{", false}};
  for (const auto& c : cases) {
    const byteSearchDetail::nibbleTable table = nibbleTableOf(c.members);
    EXPECT_EQ(table.exact, c.exact) << c.members;
    if (!table.exact) continue;
    for (int b = 0; b < 256; ++b) {
      const bool member = c.members.find(static_cast<char>(b)) != std::string::npos;
      EXPECT_EQ(table.holds(static_cast<unsigned char>(b)), member) << c.members << " " << b;
    }
  }
}

using closers = byteSet<'*'>;
using seconds = byteSet<'/'>;

// In comment text with words near "todo" and "fixme", each width stops at a
// '*', or where a word may start (mayStartWord), or at the end, never past
// such a word or a '*' that may close (with the seconds, one before '/' or
// at the end; unoffered after, one before a word's possible start too). The
// text's first byte follows a letter in odd rounds.
TEST(SkipCommentText, StopsNoLaterThanTheFirstCloserOrWordThatMayCount) {
  struct way {
    const char* name;
    const unsigned char* (*run)(const unsigned char*, const unsigned char*, unsigned char);
    bool seconds;
    bool unofferedAfter = false;
  };
  std::vector<way> ways = {
      {"narrow", skipCommentTextNarrow<closers>, false},
      {"narrow with seconds", skipCommentTextNarrow<closers, seconds>, true},
      {"narrow unoffered after", skipCommentTextNarrow<closers, seconds, true>, true, true}};
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) {
    ways.push_back({"wide", skipCommentTextWide<closers>, false});
    ways.push_back({"wide with seconds", skipCommentTextWide<closers, seconds>, true});
    ways.push_back(
        {"wide unoffered after", skipCommentTextWide<closers, seconds, true>, true, true});
  }
#endif
  const std::vector<std::string> pieces = {"tod", "TOD", "fix", "FIX", "t", "f",
                                           "a",   "_",   " ",   "*",   "/", "\n"};
  forEveryStart(pieces, 3, [&](int round, auto begin, auto p, auto end) {
    auto before = [&](const unsigned char* at) {
      return at != begin ? at[-1] : round % 2 != 0 ? 'a' : ' ';
    };
    for (const way& w : ways) {
      auto stopsAt = [&](const unsigned char* at, bool mayPass) {
        return (closers::contains(*at) &&
                (!mayPass || !w.seconds || at + 1 == end || seconds::contains(at[1]) ||
                 (w.unofferedAfter && mayStartWord(at + 1, end, *at)))) ||
               mayStartWord(at, end, before(at));
      };
      const unsigned char* mustStop = p;
      while (mustStop < end && !stopsAt(mustStop, true)) ++mustStop;
      const unsigned char* q = w.run(p, end, before(p));
      ASSERT_TRUE(q >= p && q <= mustStop) << placeOf(w.name, round, begin, p);
      ASSERT_TRUE(q == end || stopsAt(q, false)) << placeOf(w.name, round, begin, p);
    }
  });
}

}  // namespace
}  // namespace quillstat
