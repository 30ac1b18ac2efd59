#include "engine/line_counter.h"

#include <algorithm>
#include <cstring>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"

namespace quillstat {

namespace {

constexpr int kBlock = 32;

// Bits [from, to) set, for 0 <= from <= to <= 32.
inline uint32_t bitsBetween(int from, int to) {
  const uint32_t below = to == 32 ? ~0u : (1u << to) - 1;
  return below & ~((1u << from) - 1);
}

// The set bits of the low and of the high 32 bits of x, as
// low + (high << 32): the x86-64 baseline has no popcount instruction.
inline uint64_t countHalves(uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555u);
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  x *= 0x01010101u;  // byte 3 sums bytes 0 to 3, byte 7 bytes 4 to 7
  return ((x >> 24) & 0xFF) | ((x >> 56) << 32);
}

// The line ends and the blanks among the kBlock bytes at p: bit i for byte
// i. The line ends are also counted into `counted`, whose lanes must be
// emptied (tallied) before any can pass 255.
#if QUILLSTAT_HAVE_SSE2
using lineEndTally = __m128i;  // a byte lane for each byte

inline void masksOf(const unsigned char* p, uint32_t* ends, uint32_t* blanks,
                    lineEndTally* counted) {
  using namespace byteSearchDetail;
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
  // Bytes 9 to 13 (tab, LF, vertical tab, form feed, CR) and the space.
  const auto white = [](__m128i v) {
    return _mm_or_si128(
        _mm_cmpeq_epi8(_mm_subs_epu8(_mm_sub_epi8(v, _mm_set1_epi8(9)), _mm_set1_epi8(4)),
                       _mm_setzero_si128()),
        _mm_cmpeq_epi8(v, _mm_set1_epi8(' ')));
  };
  const auto lineEnds = [](__m128i v) {
    return _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
  };
  const __m128i lowEnds = lineEnds(low);
  const __m128i highEnds = lineEnds(high);
  *counted = _mm_sub_epi8(_mm_sub_epi8(*counted, lowEnds), highEnds);  // -1 where a line ends
  *ends = bitsOf(lowEnds) | bitsOf(highEnds) << 16;
  *blanks = (bitsOf(white(low)) | bitsOf(white(high)) << 16) & ~*ends;
}
inline int64_t tallied(lineEndTally counted) { return byteSearchDetail::sumOfBytes(counted); }
#else
using lineEndTally = int64_t;

inline void masksOf(const unsigned char* p, uint32_t* ends, uint32_t* blanks,
                    lineEndTally* counted) {
  *ends = 0;
  *blanks = 0;
  for (int i = 0; i < kBlock; ++i) {
    *counted += isLineEnd(p[i]) ? 1 : 0;
    *ends |= (isLineEnd(p[i]) ? 1u : 0u) << i;
    *blanks |= (isBlankByte(p[i]) ? 1u : 0u) << i;
  }
}
inline int64_t tallied(lineEndTally counted) { return counted; }
#endif

}  // namespace

void lineCounter::countTo(const unsigned char* to) {
  const unsigned char* p = from_;
  if (p == to) return;
  anyByte_ = !isLineEnd(to[-1]);
  const classChange* next = changes_.data();
  const classChange* const last = next + changes_.size();
  // A line is blank when all its bytes are blanks (or hidden), and has no
  // code when all are blanks, hidden or comment. Adding a bit at each
  // line's start to such bytes carries it across them to the first other
  // byte: it lands on the line's end exactly when the line is all of them.
  // The carry out of a block says whether the line under way still is.
  uint64_t blankSoFar = blankSoFar_;
  uint64_t noCodeSoFar = noCodeSoFar_;
  int64_t blankAndNoCode = 0;  // blank lines, and no-code lines << 32, for a while
  lineEndTally counted{};
  auto emptyLanes = [&] {
    ends_ += tallied(counted);
    counted = lineEndTally{};
  };
  int blocksInLanes = 0;
  while (p < to) {
    const int width = static_cast<int>(std::min<ptrdiff_t>(kBlock, to - p));
    uint32_t endBits;
    uint32_t blankBits;
    if (width == kBlock) {
      masksOf(p, &endBits, &blankBits, &counted);
    } else {
      // The last bytes, padded with spaces, which change no line.
      unsigned char padded[kBlock];
      std::memset(padded, ' ', sizeof padded);
      std::memcpy(padded, p, static_cast<size_t>(width));
      masksOf(padded, &endBits, &blankBits, &counted);
      blankBits &= bitsBetween(0, width);
    }
    if (++blocksInLanes == 127) {  // two bytes a lane per block
      emptyLanes();
      blocksInLanes = 0;
    }
    // The classes of the block's bytes.
    uint32_t quiet = blankBits;   // no line is more than blank for them
    uint32_t noCode = blankBits;  // no line is a code line for them
    if (class_ != lineClass::code || (next != last && next->at < p + width)) {
      int start = 0;
      for (;;) {
        const int stop = next != last && next->at < p + width ? static_cast<int>(next->at - p) : width;
        const uint32_t span = bitsBetween(start, stop) & ~endBits;
        if (class_ == lineClass::hiddenComment) quiet |= span;
        if (class_ != lineClass::code) noCode |= span;
        if (stop == width) break;
        class_ = (next++)->to;
        start = stop;
      }
    }
    const uint64_t starts = uint64_t{endBits} << 1;
    const uint64_t blankSum = (starts | blankSoFar) + quiet;
    const uint64_t blankEnds = blankSum & ~uint64_t{quiet} & endBits;
    if (noCode == quiet && noCodeSoFar == blankSoFar) {
      // All code: a line without code is a blank one.
      blankAndNoCode += static_cast<int64_t>(countHalves(blankEnds | blankEnds << 32));
      blankSoFar = noCodeSoFar = (blankSum >> width) & 1;
    } else {
      const uint64_t noCodeSum = (starts | noCodeSoFar) + noCode;
      blankAndNoCode += static_cast<int64_t>(
          countHalves(blankEnds | (noCodeSum & ~uint64_t{noCode} & endBits) << 32));
      blankSoFar = (blankSum >> width) & 1;
      noCodeSoFar = (noCodeSum >> width) & 1;
    }
    p += width;
    if (static_cast<uint32_t>(blankAndNoCode) > 0x7FFF0000u) {  // before the low half overflows
      blankLines_ += blankAndNoCode & 0xFFFFFFFF;
      noCodeLines_ += blankAndNoCode >> 32;
      blankAndNoCode = 0;
    }
  }
  emptyLanes();
  blankLines_ += blankAndNoCode & 0xFFFFFFFF;
  noCodeLines_ += blankAndNoCode >> 32;
  blankSoFar_ = static_cast<uint32_t>(blankSoFar);
  noCodeSoFar_ = static_cast<uint32_t>(noCodeSoFar);
  // A change at `to` itself applies from there on.
  for (; next != last; ++next) class_ = next->to;
  changes_.clear();
  from_ = to;
}

void lineCounter::finish(fileStats* stats) {
  int64_t blank = blankLines_;
  int64_t noCode = noCodeLines_;
  int64_t lines = ends_;
  if (anyByte_) {
    ++lines;
    blank += blankSoFar_;
    noCode += noCodeSoFar_;
  }
  stats->lines = lines;
  stats->blankLines = blank;
  stats->commentLines = noCode - blank;
  stats->codeLines = lines - noCode;
}

}  // namespace quillstat
