#include "engine/line_counter.h"

#include <algorithm>
#include <cstring>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"

namespace quillstat {

namespace {

constexpr int kBlock = 64;

// Bits [from, to) set, for 0 <= from <= to <= 64.
inline uint64_t bitsBetween(int from, int to) {
  const uint64_t below = to == 64 ? ~uint64_t{0} : (uint64_t{1} << to) - 1;
  return below & ~((uint64_t{1} << from) - 1);
}

// The set bits of x: the x86-64 baseline has no popcount instruction.
inline int64_t countOf(uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555u);
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int64_t>((x * 0x0101010101010101u) >> 56);
}

#if QUILLSTAT_HAVE_SSE2
using lineEndTally = __m128i;  // a byte lane for each byte

// The line ends and the blanks among the kBlock bytes at p: bit i for byte
// i. The line ends are also counted into `counted`, whose lanes must be
// emptied (tallied) before any can pass 255. Without CRs in the content,
// LF alone ends lines.
template <bool WithCr>
inline void masksOf(const unsigned char* p, uint64_t* ends, uint64_t* blanks,
                    lineEndTally* counted) {
  using namespace byteSearchDetail;
  uint64_t endBits = 0;
  uint64_t blankBits = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
    __m128i lineEnds = _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'));
    if constexpr (WithCr) lineEnds = _mm_or_si128(lineEnds, _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
    // Bytes 9 to 13 (tab, LF, vertical tab, form feed, CR) and the space.
    const __m128i white = _mm_or_si128(
        _mm_cmpeq_epi8(_mm_subs_epu8(_mm_sub_epi8(v, _mm_set1_epi8(9)), _mm_set1_epi8(4)),
                       _mm_setzero_si128()),
        _mm_cmpeq_epi8(v, _mm_set1_epi8(' ')));
    *counted = _mm_sub_epi8(*counted, lineEnds);  // -1 where a line ends
    endBits |= uint64_t{bitsOf(lineEnds)} << (16 * part);
    blankBits |= uint64_t{bitsOf(white)} << (16 * part);
  }
  *ends = endBits;
  *blanks = blankBits & ~endBits;
}
inline int64_t tallied(lineEndTally counted) { return byteSearchDetail::sumOfBytes(counted); }
#else
using lineEndTally = int64_t;

template <bool WithCr>
inline void masksOf(const unsigned char* p, uint64_t* ends, uint64_t* blanks,
                    lineEndTally* counted) {
  *ends = 0;
  *blanks = 0;
  for (int i = 0; i < kBlock; ++i) {
    const bool end = p[i] == '\n' || (WithCr && p[i] == '\r');
    *counted += end ? 1 : 0;
    *ends |= uint64_t{end} << i;
    *blanks |= uint64_t{isBlankByte(p[i])} << i;
  }
}
inline int64_t tallied(lineEndTally counted) { return counted; }
#endif

// Adds a bit at each line's start to the bytes that leave a line as it is
// (`quiet`): it carries across them to the first other byte, so it lands on
// the line's end exactly when the line holds nothing else. Returns those
// line ends; *soFar is the carry in and out of the block: whether the line
// under way holds nothing else so far.
inline uint64_t linesOnlyOf(uint64_t ends, uint64_t quiet, int width, uint64_t* soFar) {
  const uint64_t starts = (ends << 1) | *soFar;
  const uint64_t sum = starts + quiet;
  const uint64_t landed = sum & ~quiet & ends;
  if (width == 64) {
    // Out of the block: a line that starts after its last byte, or one
    // carried across all of its last bytes.
    *soFar = (ends >> 63) | (sum < starts ? 1 : 0);
  } else {
    *soFar = (sum >> width) & 1;
  }
  return landed;
}

}  // namespace

void lineCounter::countTo(const unsigned char* to) {
  const unsigned char* p = from_;
  const classChange* next = changes_;
  if (p != to) {
    anyByte_ = !isLineEnd(to[-1]);
    if (std::memchr(p, '\r', static_cast<size_t>(to - p)) != nullptr) {
      next = countBlocks<true>(p, to);
    } else {
      next = countBlocks<false>(p, to);
    }
    from_ = to;
  }
  // A change at `to` itself applies from there on.
  for (; next != changes_ + changeCount_; ++next) class_ = next->to;
  changeCount_ = 0;
}

template <bool WithCr>
const lineCounter::classChange* lineCounter::countBlocks(const unsigned char* p,
                                                         const unsigned char* to) {
  const classChange* next = changes_;
  const classChange* const last = next + changeCount_;
  // A line is blank when all its bytes are blanks (or hidden), and has no
  // code when all are blanks, hidden or comment (see linesOnlyOf).
  uint64_t blankSoFar = blankSoFar_;
  uint64_t noCodeSoFar = noCodeSoFar_;
  lineEndTally counted{};
  int blocksInLanes = 0;
  while (p < to) {
    const int width = static_cast<int>(std::min<ptrdiff_t>(kBlock, to - p));
    uint64_t endBits;
    uint64_t blankBits;
    if (width == kBlock) {
      masksOf<WithCr>(p, &endBits, &blankBits, &counted);
    } else {
      // The last bytes, padded with spaces, which change no line.
      unsigned char padded[kBlock];
      std::memset(padded, ' ', sizeof padded);
      std::memcpy(padded, p, static_cast<size_t>(width));
      masksOf<WithCr>(padded, &endBits, &blankBits, &counted);
      blankBits &= bitsBetween(0, width);
    }
    if (++blocksInLanes == 63) {  // four bytes a lane per block
      ends_ += tallied(counted);
      counted = lineEndTally{};
      blocksInLanes = 0;
    }
    // The classes of the block's bytes.
    uint64_t quiet = blankBits;   // no line is more than blank for them
    uint64_t noCode = blankBits;  // no line is a code line for them
    if (class_ != lineClass::code || (next != last && next->at < p + width)) {
      int start = 0;
      for (;;) {
        const int stop = next != last && next->at < p + width ? static_cast<int>(next->at - p) : width;
        const uint64_t span = bitsBetween(start, stop) & ~endBits;
        if (class_ == lineClass::hiddenComment) quiet |= span;
        if (class_ != lineClass::code) noCode |= span;
        if (stop == width) break;
        class_ = (next++)->to;
        start = stop;
      }
    }
    const bool alike = noCode == quiet && noCodeSoFar == blankSoFar;
    const uint64_t blankEnds = linesOnlyOf(endBits, quiet, width, &blankSoFar);
    if (alike) {
      // All code, from lines alike so far: the lines without code are the blank ones.
      const int64_t blank = countOf(blankEnds);
      blankLines_ += blank;
      noCodeLines_ += blank;
      noCodeSoFar = blankSoFar;
    } else {
      blankLines_ += countOf(blankEnds);
      noCodeLines_ += countOf(linesOnlyOf(endBits, noCode, width, &noCodeSoFar));
    }
    p += width;
  }
  ends_ += tallied(counted);
  blankSoFar_ = static_cast<uint32_t>(blankSoFar);
  noCodeSoFar_ = static_cast<uint32_t>(noCodeSoFar);
  return next;
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
