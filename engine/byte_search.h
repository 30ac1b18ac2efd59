#ifndef QUILLSTAT_ENGINE_BYTE_SEARCH_H_
#define QUILLSTAT_ENGINE_BYTE_SEARCH_H_

// Searches that let the streaming scanners skip, in one call, a run of bytes
// that cannot change their state. SSE2 on x86-64 (where it is always there),
// one byte at a time elsewhere; the two most used skips also come in AVX2,
// for the processors that have it. All give the same answers, but where a
// skip may stop early, as said.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64)
#include <immintrin.h>
#define QUILLSTAT_HAVE_SSE2 1
// What a function needs to run 32-byte vectors: AVX2, with BMI and popcnt.
// The rest of the program is compiled for any x86-64, so such a function is
// called only where wideVectorsAvailable() holds, and not inlined.
#define QUILLSTAT_WIDE __attribute__((target("avx2,bmi,bmi2,popcnt")))
#endif

#include "engine/word_detectors.h"

namespace quillstat {

// Whether the processor runs QUILLSTAT_WIDE functions and this build has them.
inline bool wideVectorsAvailable() {
#if QUILLSTAT_HAVE_SSE2
  static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                                __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
  return available;
#else
  return false;
#endif
}

// A set of byte values fixed at compile time, so that each search compiles to
// a compare per value, or to one lookup (nibbleTable).
template <unsigned char... Bytes>
struct byteSet {
  static constexpr bool contains(unsigned char c) { return ((c == Bytes) || ...); }
  static constexpr bool empty = sizeof...(Bytes) == 0;
};

// Whether the byte at p, with `before` the byte before it, can take a pair of
// idle word detectors toward a hit: a t followed by "od" or an f followed by
// "ix" (any case), after a byte that is no ASCII letter. Bytes at or past
// `end` have not arrived yet and count as matching. Skipping any other byte
// is safe: a t or f not so followed has its match broken within two bytes,
// and the breaking byte follows a letter, so it starts no word; both
// detectors are idle again with nothing counted.
inline bool mayStartWord(const unsigned char* p, const unsigned char* end, unsigned char before) {
  const unsigned char lower = *p | 0x20;
  if ((lower != 't' && lower != 'f') || isAsciiLetter(before)) return false;
  const char* rest = lower == 't' ? "od" : "ix";
  for (int k = 1; k <= 2 && p + k < end; ++k) {
    if ((p[k] | 0x20) != rest[k - 1]) return false;
  }
  return true;
}

namespace byteSearchDetail {

inline int countBits(uint64_t x) {
  // No popcnt instruction in the x86-64 baseline; this is what it would do.
  x = x - ((x >> 1) & 0x5555555555555555u);
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

// A set of bytes as a table indexed by their low four bits, for a shuffle
// to look up (membersOf): a byte is in the set where the entry for its low
// bits is the byte itself. Every other entry holds a byte that no byte of
// its index can be, and a shuffle looks up 0 for a byte from 0x80. `exact`:
// the members are below 0x80 and differ in their low bits, so the table
// holds each of them.
struct nibbleTable {
  unsigned char entries[16] = {};
  bool exact = true;
  int members = 0;

  constexpr bool holds(unsigned char c) const { return c < 0x80 && entries[c & 15] == c; }
};

template <class Members>
constexpr nibbleTable nibbleTableOf(const Members& members) {
  nibbleTable table;
  table.entries[0] = 0xFF;
  bool taken[16] = {};
  for (unsigned char c : members) {
    table.exact = table.exact && c < 0x80 && !taken[c & 15];
    taken[c & 15] = true;
    table.entries[c & 15] = c;
    ++table.members;
  }
  return table;
}
constexpr nibbleTable nibbleTableOf(std::initializer_list<unsigned char> members) {
  return nibbleTableOf<std::initializer_list<unsigned char>>(members);
}

// Whether a set is found with one lookup (a shuffle and a compare) rather
// than with a compare for each member and an or between them.
constexpr bool foundByLookUp(const nibbleTable& table) {
  return table.exact && table.members >= 2;
}

#if QUILLSTAT_HAVE_SSE2
// 0xFF in each byte of v that is in the set, 0 elsewhere.
template <unsigned char... Bytes>
inline __m128i equalsAny(__m128i v, byteSet<Bytes...>) {
  __m128i hits = _mm_setzero_si128();
  ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(Bytes))))), ...);
  return hits;
}

// 0xFF in each byte of v that table T holds, 0 elsewhere.
template <nibbleTable T>
QUILLSTAT_WIDE inline __m256i membersOf(__m256i v) {
  const __m256i table =
      _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(T.entries)));
  return _mm256_cmpeq_epi8(_mm256_shuffle_epi8(table, v), v);
}

template <unsigned char... Bytes>
QUILLSTAT_WIDE inline __m256i equalsAny([[maybe_unused]] __m256i v, byteSet<Bytes...>) {
  constexpr nibbleTable kTable = nibbleTableOf({Bytes...});
  if constexpr (foundByLookUp(kTable)) {
    return membersOf<kTable>(v);
  } else {
    __m256i hits = _mm256_setzero_si256();
    ((hits = _mm256_or_si256(hits, _mm256_cmpeq_epi8(v, _mm256_set1_epi8(static_cast<char>(Bytes))))),
     ...);
    return hits;
  }
}

inline uint32_t bitsOf(__m128i v) { return static_cast<uint32_t>(_mm_movemask_epi8(v)); }

// 0xFF in the first n bytes (n <= 16), 0 in the others.
inline __m128i firstBytes(int n) {
  static constexpr unsigned char kOnesThenZeros[32] = {
      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kOnesThenZeros + 16 - n));
}

// The sum of the 16 unsigned bytes of v.
inline int64_t sumOfBytes(__m128i v) {
  const __m128i sums = _mm_sad_epu8(v, _mm_setzero_si128());
  return _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
}
#endif

}  // namespace byteSearchDetail

// No byte of Stops that a skip may pass over (see skipPlainCode).
struct noStopPairs {
  static constexpr bool empty = true;
};

// Returns the first byte of [p, end) that is in Stops, or end, and adds to
// *marks the number of bytes in Marks before it. With Pairs, the vector path
// passes over a byte of Stops that the byte after it shows to open nothing
// (declined() in exact_tokens.h); the last bytes, taken one at a time, stop
// at every byte of Stops. SSE2, one byte at a time without it.
template <class Stops, class Marks, class Pairs = noStopPairs>
inline const unsigned char* skipPlainCodeNarrow(const unsigned char* p, const unsigned char* end,
                                                int64_t* marks) {
  int64_t count = 0;  // kept local: *marks may alias what the loop reads
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  // Each byte lane counts its marks (one per block at most) and is emptied
  // into `count` before it can overflow.
  __m128i lanes = _mm_setzero_si128();
  int blocksInLanes = 0;
  // With Pairs, a block is read with the byte after it.
  while (end - p >= (Pairs::empty ? 16 : 17)) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    uint32_t stops = bitsOf(equalsAny(v, Stops{}));
    if constexpr (!Pairs::empty) {
      // The byte after each is looked at only in a block that has a stop.
      if (stops != 0) {
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        stops &= ~bitsOf(declined(v, next, Pairs{}));
      }
    }
    const __m128i found = equalsAny(v, Marks{});
    if (stops != 0) {
      // Only the marks below the first stop belong to this run.
      const int stop = std::countr_zero(stops);
      lanes = _mm_sub_epi8(lanes, _mm_and_si128(found, firstBytes(stop)));
      *marks += count + sumOfBytes(lanes);
      return p + stop;
    }
    lanes = _mm_sub_epi8(lanes, found);  // found is -1 where a mark is
    if (++blocksInLanes == 255) {
      count += sumOfBytes(lanes);
      lanes = _mm_setzero_si128();
      blocksInLanes = 0;
    }
    p += 16;
  }
  count += sumOfBytes(lanes);
#endif
  for (; p < end; ++p) {
    if (Stops::contains(*p)) break;
    count += Marks::contains(*p);
  }
  *marks += count;
  return p;
}

#if QUILLSTAT_HAVE_SSE2
// skipPlainCodeNarrow 32 bytes a step, which takes the last bytes.
template <class Stops, class Marks, class Pairs = noStopPairs>
QUILLSTAT_WIDE __attribute__((noinline)) const unsigned char* skipPlainCodeWide(
    const unsigned char* p, const unsigned char* end, int64_t* marks) {
  using namespace byteSearchDetail;
  int64_t count = 0;
  while (end - p >= (Pairs::empty ? 32 : 33)) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    uint32_t stops = static_cast<uint32_t>(_mm256_movemask_epi8(equalsAny(v, Stops{})));
    if constexpr (!Pairs::empty) {
      if (stops != 0) {
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
        stops &= ~static_cast<uint32_t>(_mm256_movemask_epi8(declined(v, next, Pairs{})));
      }
    }
    const uint32_t found = static_cast<uint32_t>(_mm256_movemask_epi8(equalsAny(v, Marks{})));
    if (stops != 0) {
      *marks += count + __builtin_popcount(found & ((stops & (0u - stops)) - 1));
      return p + __builtin_ctz(stops);
    }
    count += __builtin_popcount(found);
    p += 32;
  }
  *marks += count;
  return skipPlainCodeNarrow<Stops, Marks, Pairs>(p, end, marks);
}
#endif

// skipPlainCodeNarrow, or skipPlainCodeWide where the processor runs it:
// either may stop at a byte of Stops that the other passes over as a
// declined pair.
template <class Stops, class Marks, class Pairs = noStopPairs>
inline const unsigned char* skipPlainCode(const unsigned char* p, const unsigned char* end,
                                          int64_t* marks) {
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) return skipPlainCodeWide<Stops, Marks, Pairs>(p, end, marks);
#endif
  return skipPlainCodeNarrow<Stops, Marks, Pairs>(p, end, marks);
}

// Whether c may be part of an identifier or a number, as far as prefixes
// care: a letter, digit, '_' or byte from 0x80. A token placed at a token's
// start may not follow it.
inline bool isWordByte(unsigned char c) {
  return isAsciiLetter(c) || static_cast<unsigned char>(c - '0') < 10 || c == '_' || c >= 0x80;
}

// skipPlainCode where some bytes stop the run only where their tokens may
// stand: those of TokenStarts where no word byte (isWordByte) stands before
// them, those of LineStarts as a line's first byte; it may stop at a few
// more places, where the caller's tokens then open nothing. With
// LongestWord, those of TokenStarts that are letters or '_' stop only where
// the word they start, counted in letters and '_', is at most LongestWord
// bytes long. `wordBefore` and `lineEndBefore` say what stands before p (at
// the content's start: no word byte, a line's start).
template <class Stops, class TokenStarts, class LineStarts, class Marks, int LongestWord = 0>
inline const unsigned char* skipPlacedCode(const unsigned char* p, const unsigned char* end,
                                           bool wordBefore, bool lineEndBefore,
                                           int64_t* marks) {
  int64_t count = 0;  // kept local: *marks may alias what the loop reads
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  // The classes of the byte before each byte, as 0xFF or 0: the last
  // block's, moved one byte up, with the byte before the first in byte 0.
  __m128i wordBehind = _mm_cvtsi32_si128(wordBefore ? 0xFF : 0);
  __m128i lineEndBehind = _mm_cvtsi32_si128(lineEndBefore ? 0xFF : 0);
  __m128i words = _mm_setzero_si128();
  __m128i lineEnds = _mm_setzero_si128();
  const __m128i caseBit = _mm_set1_epi8(0x20);
  const __m128i letterShift = _mm_set1_epi8(static_cast<char>(0x80 - 'a'));
  const __m128i letterLimit = _mm_set1_epi8(static_cast<char>(-128 + 26));
  while (end - p >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i stops = equalsAny(v, Stops{});
    if constexpr (!TokenStarts::empty) {
      // Letters and '_' only: after a digit or a byte from 0x80 the run
      // stops too, and the machine finds no token there, at little cost.
      const __m128i letters =
          _mm_cmplt_epi8(_mm_add_epi8(_mm_or_si128(v, caseBit), letterShift), letterLimit);
      words = _mm_or_si128(letters, _mm_cmpeq_epi8(v, _mm_set1_epi8('_')));
      const __m128i behind = _mm_or_si128(_mm_slli_si128(words, 1), wordBehind);
      __m128i starts = _mm_andnot_si128(behind, equalsAny(v, TokenStarts{}));
      if constexpr (LongestWord > 0) {
        // A word longer than LongestWord starts no token. Bytes past the
        // block count as no word's: a start near its end still stops.
        __m128i longer = words;
        [&]<int... J>(std::integer_sequence<int, J...>) {
          ((longer = _mm_and_si128(longer, _mm_srli_si128(words, J + 1))), ...);
        }(std::make_integer_sequence<int, LongestWord>{});
        starts = _mm_andnot_si128(longer, starts);
      }
      stops = _mm_or_si128(stops, starts);
    }
    if constexpr (!LineStarts::empty) {
      lineEnds = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')),
                              _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
      const __m128i behind = _mm_or_si128(_mm_slli_si128(lineEnds, 1), lineEndBehind);
      stops = _mm_or_si128(stops, _mm_and_si128(behind, equalsAny(v, LineStarts{})));
    }
    const uint32_t stopBits = bitsOf(stops);
    const uint32_t found = bitsOf(equalsAny(v, Marks{}));
    if (stopBits != 0) {
      *marks += count + countBits(found & ((stopBits & (0u - stopBits)) - 1));
      return p + std::countr_zero(stopBits);
    }
    count += countBits(found);
    wordBehind = _mm_srli_si128(words, 15);
    lineEndBehind = _mm_srli_si128(lineEnds, 15);
    p += 16;
  }
  wordBefore = _mm_cvtsi128_si32(wordBehind) != 0;
  lineEndBefore = _mm_cvtsi128_si32(lineEndBehind) != 0;
#endif
  for (; p < end; ++p) {
    if (Stops::contains(*p) || (TokenStarts::contains(*p) && !wordBefore) ||
        (LineStarts::contains(*p) && lineEndBefore)) {
      break;
    }
    count += Marks::contains(*p);
    wordBefore = isWordByte(*p);
    lineEndBefore = *p == '\n' || *p == '\r';
  }
  *marks += count;
  return p;
}

// Returns the first byte of [p, end) that is in Stops, or end.
template <class Stops>
inline const unsigned char* findAny(const unsigned char* p, const unsigned char* end) {
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  for (; end - p >= 16; p += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const uint32_t stops = bitsOf(equalsAny(v, Stops{}));
    if (stops != 0) return p + std::countr_zero(stops);
  }
#endif
  while (p < end && !Stops::contains(*p)) ++p;
  return p;
}

// Returns the first byte of [p, end) that is in Firsts and followed by a
// byte in Seconds, which must lie before end, or end.
template <class Firsts, class Seconds>
inline const unsigned char* findPair(const unsigned char* p, const unsigned char* end) {
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  for (; end - p >= 17; p += 16) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const uint32_t hits = bitsOf(_mm_and_si128(equalsAny(first, Firsts{}), equalsAny(second, Seconds{})));
    if (hits != 0) return p + std::countr_zero(hits);
  }
#endif
  for (; end - p >= 2; ++p) {
    if (Firsts::contains(p[0]) && Seconds::contains(p[1])) return p;
  }
  return end;
}

// Returns the place after the last byte of [begin, end) that is not in
// Skipped, or begin when all are: a run of them, which may be long (the
// blanked stretches of a page's copy for its scripts), passed backwards.
template <class Skipped>
inline const unsigned char* skipBackOver(const unsigned char* begin, const unsigned char* end) {
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  for (; end - begin >= 16; end -= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 16));
    const uint32_t kept = ~bitsOf(equalsAny(v, Skipped{})) & 0xFFFFu;
    if (kept != 0) return end - 16 + (31 - std::countl_zero(kept)) + 1;
  }
#endif
  while (end > begin && Skipped::contains(end[-1])) --end;
  return end;
}

// findAny for a stop that is likely far off, as the end of a line of
// minified code: 64 bytes a step, where findAny takes 16.
template <class Stops>
inline const unsigned char* findFarAny(const unsigned char* p, const unsigned char* end) {
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  for (; end - p >= 64; p += 64) {
    uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
      bits |= uint64_t{bitsOf(equalsAny(v, Stops{}))} << (16 * part);
    }
    if (bits != 0) return p + std::countr_zero(bits);
  }
#endif
  return findAny<Stops>(p, end);
}

// Returns the last byte of [p, end) that is in Stops, or end when none is,
// and adds to *count the number of bytes of [p, end) in Stops.
template <class Stops>
inline const unsigned char* findLastAny(const unsigned char* p, const unsigned char* end,
                                        int64_t* count) {
  const unsigned char* last = end;
  int64_t found = 0;
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  // Counted in byte lanes, each of which gains at most 4 a block, so they
  // are summed every 63 blocks, before any can pass 255.
  __m128i counted = _mm_setzero_si128();
  for (int blocks = 0; end - p >= 64; p += 64) {
    uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
      const __m128i hits = equalsAny(v, Stops{});
      counted = _mm_sub_epi8(counted, hits);  // -1 where a byte is in Stops
      bits |= uint64_t{bitsOf(hits)} << (16 * part);
    }
    if (bits != 0) last = p + 63 - std::countl_zero(bits);
    if (++blocks == 63) {
      found += sumOfBytes(counted);
      counted = _mm_setzero_si128();
      blocks = 0;
    }
  }
  found += sumOfBytes(counted);
#endif
  for (; p < end; ++p) {
    if (Stops::contains(*p)) {
      ++found;
      last = p;
    }
  }
  *count += found;
  return last;
}

// Returns the first byte of [p, end) that is in Closers or for which
// mayStartWord holds, or end. `before` is the byte just before p. With
// Seconds, the vector path passes over a byte of Closers that no byte of
// Seconds follows, as the '*' that begins each line of a "/* ... */" block;
// with UnofferedAfterCloser too, only where no word may start at the byte
// after it, for a scanner that never offers that byte to its detectors.
// The last bytes, taken one at a time, stop at every byte of Closers. SSE2,
// one byte at a time without it.
template <class Closers, class Seconds = byteSet<>, bool UnofferedAfterCloser = false>
inline const unsigned char* skipCommentTextNarrow(const unsigned char* p, const unsigned char* end,
                                                  unsigned char before) {
#if QUILLSTAT_HAVE_SSE2
  using namespace byteSearchDetail;
  const unsigned char* const first = p;
  uint32_t letterBefore = isAsciiLetter(before) ? 1 : 0;
  const __m128i caseBit = _mm_set1_epi8(0x20);
  // (c | 0x20) - 'a' < 26 unsigned, as a signed compare after moving 'a' to -128.
  const __m128i toSigned = _mm_set1_epi8(static_cast<char>(0x80 - 'a'));
  const __m128i letterLimit = _mm_set1_epi8(static_cast<char>(-128 + 26));
  auto is = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
  // Each block also looks at the two bytes after it, so a word's first
  // three letters are always seen together.
  while (end - p >= 18) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const __m128i lower0 = _mm_or_si128(v, caseBit);
    const __m128i lower1 = _mm_or_si128(next, caseBit);
    const __m128i lower2 =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2)), caseBit);
    const __m128i tod = _mm_and_si128(_mm_and_si128(is(lower0, 't'), is(lower1, 'o')),
                                      is(lower2, 'd'));
    const __m128i fix = _mm_and_si128(_mm_and_si128(is(lower0, 'f'), is(lower1, 'i')),
                                      is(lower2, 'x'));
    const uint32_t letters = bitsOf(_mm_cmplt_epi8(_mm_add_epi8(lower0, toSigned), letterLimit));
    const uint32_t starts = bitsOf(_mm_or_si128(tod, fix)) & ~((letters << 1) | letterBefore);
    const __m128i found = equalsAny(v, Closers{});
    __m128i closers = found;
    if constexpr (!Seconds::empty) closers = _mm_and_si128(found, equalsAny(next, Seconds{}));
    uint32_t stops = bitsOf(closers) | starts;
    if constexpr (UnofferedAfterCloser) {
      // Whether a word may start after the block's last byte is not known here.
      stops |= bitsOf(found) & ((starts >> 1) | (1u << 15));
    }
    if (stops != 0) return p + std::countr_zero(stops);
    letterBefore = letters >> 15;
    p += 16;
  }
  if (p != first) before = p[-1];
#endif
  for (; p < end; before = *p++) {
    if (Closers::contains(*p) || mayStartWord(p, end, before)) return p;
  }
  return end;
}

#if QUILLSTAT_HAVE_SSE2
// skipCommentTextNarrow 32 bytes a step, which takes the last bytes.
template <class Closers, class Seconds = byteSet<>, bool UnofferedAfterCloser = false>
QUILLSTAT_WIDE __attribute__((noinline)) const unsigned char* skipCommentTextWide(
    const unsigned char* p, const unsigned char* end, unsigned char before) {
  using namespace byteSearchDetail;
  const unsigned char* const first = p;
  uint32_t letterBefore = isAsciiLetter(before) ? 1 : 0;
  const __m256i caseBit = _mm256_set1_epi8(0x20);
  const __m256i toSigned = _mm256_set1_epi8(static_cast<char>(0x80 - 'a'));
  const __m256i letterLimit = _mm256_set1_epi8(static_cast<char>(-128 + 26));
  // No lambdas: they would not be compiled for this function's processor.
  while (end - p >= 34) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
    const __m256i lower0 = _mm256_or_si256(v, caseBit);
    const __m256i lower1 = _mm256_or_si256(next, caseBit);
    const __m256i lower2 =
        _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 2)), caseBit);
    const __m256i tod = _mm256_and_si256(
        _mm256_and_si256(_mm256_cmpeq_epi8(lower0, _mm256_set1_epi8('t')),
                         _mm256_cmpeq_epi8(lower1, _mm256_set1_epi8('o'))),
        _mm256_cmpeq_epi8(lower2, _mm256_set1_epi8('d')));
    const __m256i fix = _mm256_and_si256(
        _mm256_and_si256(_mm256_cmpeq_epi8(lower0, _mm256_set1_epi8('f')),
                         _mm256_cmpeq_epi8(lower1, _mm256_set1_epi8('i'))),
        _mm256_cmpeq_epi8(lower2, _mm256_set1_epi8('x')));
    const uint32_t letters = static_cast<uint32_t>(
        _mm256_movemask_epi8(_mm256_cmpgt_epi8(letterLimit, _mm256_add_epi8(lower0, toSigned))));
    const uint32_t starts = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(tod, fix))) &
                            ~((letters << 1) | letterBefore);
    const __m256i found = equalsAny(v, Closers{});
    __m256i closers = found;
    if constexpr (!Seconds::empty) closers = _mm256_and_si256(found, equalsAny(next, Seconds{}));
    uint32_t stops = static_cast<uint32_t>(_mm256_movemask_epi8(closers)) | starts;
    if constexpr (UnofferedAfterCloser) {
      stops |= static_cast<uint32_t>(_mm256_movemask_epi8(found)) & ((starts >> 1) | (1u << 31));
    }
    if (stops != 0) return p + __builtin_ctz(stops);
    letterBefore = letters >> 31;
    p += 32;
  }
  if (p != first) before = p[-1];
  return skipCommentTextNarrow<Closers, Seconds, UnofferedAfterCloser>(p, end, before);
}
#endif

// skipCommentTextNarrow, or skipCommentTextWide where the processor runs it.
template <class Closers, class Seconds = byteSet<>, bool UnofferedAfterCloser = false>
inline const unsigned char* skipCommentText(const unsigned char* p, const unsigned char* end,
                                            unsigned char before) {
#if QUILLSTAT_HAVE_SSE2
  if (wideVectorsAvailable()) {
    return skipCommentTextWide<Closers, Seconds, UnofferedAfterCloser>(p, end, before);
  }
#endif
  return skipCommentTextNarrow<Closers, Seconds, UnofferedAfterCloser>(p, end, before);
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_BYTE_SEARCH_H_
