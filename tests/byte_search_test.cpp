#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/byte_search.h"
#include "engine/exact_hooks.h"  // with exact_tokens.h, whose pairs the skips take

namespace quillstat {
namespace {

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

using skip = const unsigned char* (*)(const unsigned char*, const unsigned char*, int64_t*);

// Random code, and every start in it, for each width of each skip: the skip
// stops at a byte of the stops, or at the end, never past one that may
// open something (with the pairs, a '#' before "i" or a blank, or at the
// end), and counts the marks it passed over.
TEST(SkipPlainCode, StopsNoLaterThanTheFirstStopThatMayOpenAndCountsTheMarksBefore) {
  struct way {
    const char* name;
    skip run;
    bool pairs;
  };
  std::vector<way> ways = {
      {"narrow", skipPlainCodeNarrow<stops, marks>, false},
      {"narrow with pairs", skipPlainCodeNarrow<stops, marks, hashPairs>, true},
  };
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) {
    ways.push_back({"wide", skipPlainCodeWide<stops, marks>, false});
    ways.push_back({"wide with pairs", skipPlainCodeWide<stops, marks, hashPairs>, true});
  }
#endif
  const std::string alphabet = "abcdefgh i\t\n;{/\"#";
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    std::string text(static_cast<size_t>(random() % 150), 'x');
    // Mostly plain code, so that runs cross the blocks.
    for (char& c : text) c = random() % 4 != 0 ? 'x' : alphabet[random() % alphabet.size()];
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = begin + text.size();
    for (const way& w : ways) {
      for (const unsigned char* p = begin; p <= end; ++p) {
        const unsigned char* mustStop = p;
        while (mustStop < end &&
               !(stops::contains(*mustStop) &&
                 (!w.pairs || *mustStop != '#' || mustStop + 1 == end ||
                  kHashPairs.seconds[0].contains(mustStop[1])))) {
          ++mustStop;
        }
        int64_t counted = 0;
        const unsigned char* q = w.run(p, end, &counted);
        const std::string where = std::string(w.name) + ", round " + std::to_string(round) +
                                  ", from " + std::to_string(p - begin);
        ASSERT_TRUE(q >= p && q <= mustStop) << where;
        ASSERT_TRUE(q == end || stops::contains(*q)) << where;
        int64_t expected = 0;
        for (const unsigned char* m = p; m < q; ++m) expected += marks::contains(*m);
        EXPECT_EQ(counted, expected) << where;
      }
    }
  }
}

using closers = byteSet<'*'>;
using seconds = byteSet<'/'>;
using commentSkip = const unsigned char* (*)(const unsigned char*, const unsigned char*, unsigned char);

// Random comment text with words near "todo" and "fixme", and every start in
// it, for each width: the skip stops at a '*', or where a word may start
// (mayStartWord), or at the end, never past such a word or a '*' that may
// close (with the seconds, one before '/' or at the end).
TEST(SkipCommentText, StopsNoLaterThanTheFirstCloserOrWordThatMayCount) {
  struct way {
    const char* name;
    commentSkip run;
    bool seconds;
  };
  std::vector<way> ways = {
      {"narrow", skipCommentTextNarrow<closers>, false},
      {"narrow with seconds", skipCommentTextNarrow<closers, seconds>, true},
  };
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) {
    ways.push_back({"wide", skipCommentTextWide<closers>, false});
    ways.push_back({"wide with seconds", skipCommentTextWide<closers, seconds>, true});
  }
#endif
  const std::string alphabet = "todTODfixFIXa_ */\n";
  std::mt19937 random(13);
  for (int round = 0; round < 200; ++round) {
    std::string text(static_cast<size_t>(random() % 150), 'x');
    for (char& c : text) c = random() % 3 != 0 ? 'x' : alphabet[random() % alphabet.size()];
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = begin + text.size();
    const unsigned char firstBefore = random() % 2 != 0 ? 'a' : ' ';
    for (const way& w : ways) {
      for (const unsigned char* p = begin; p <= end; ++p) {
        auto before = [&](const unsigned char* at) { return at == begin ? firstBefore : at[-1]; };
        auto stopsAt = [&](const unsigned char* at, bool mayPass) {
          return (closers::contains(*at) &&
                  (!mayPass || !w.seconds || at + 1 == end || seconds::contains(at[1]))) ||
                 mayStartWord(at, end, before(at));
        };
        const unsigned char* mustStop = p;
        while (mustStop < end && !stopsAt(mustStop, true)) ++mustStop;
        const unsigned char* q = w.run(p, end, before(p));
        const std::string where = std::string(w.name) + ", round " + std::to_string(round) +
                                  ", from " + std::to_string(p - begin);
        ASSERT_TRUE(q >= p && q <= mustStop) << where;
        ASSERT_TRUE(q == end || stopsAt(q, false)) << where;
      }
    }
  }
}

}  // namespace
}  // namespace quillstat
