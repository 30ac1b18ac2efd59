#include "engine/line_counter.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"

namespace quillstat {

namespace {

constexpr int kBlock = 64;

// The line ends, and with them the blanks: bytes 9 to 13 (tab, LF,
// vertical tab, form feed, CR) and the space.
constexpr byteSearchDetail::nibbleTable kLineEnds = byteSearchDetail::nibbleTableOf({'\n', '\r'});
constexpr byteSearchDetail::nibbleTable kWhite =
    byteSearchDetail::nibbleTableOf({9, 10, 11, 12, 13, ' '});
static_assert([] {
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    if (kLineEnds.holds(byte) != isLineEnd(byte)) return false;
    if (kWhite.holds(byte) != (isLineEnd(byte) || isBlankByte(byte))) return false;
  }
  return true;
}());

// Bits [from, to) set, for 0 <= from <= to <= 64.
inline uint64_t bitsBetween(int from, int to) {
  const uint64_t below = to == 64 ? ~uint64_t{0} : (uint64_t{1} << to) - 1;
  return below & ~((uint64_t{1} << from) - 1);
}

// The blocks of kBlock bytes the counting reads: masks() gives their line
// ends and their blanks, bit i for byte i, and counts the line ends into
// byte lanes, which tallied() sums and which must be emptied before any can
// pass 255.
struct narrowBlocks {
  static int64_t countOf(uint64_t x) { return byteSearchDetail::countBits(x); }

#if QUILLSTAT_HAVE_SSE2
  using tally = __m128i;

  static void masks(const unsigned char* p, uint64_t* ends, uint64_t* blanks, tally* counted) {
    using namespace byteSearchDetail;
    uint64_t endBits = 0;
    uint64_t blankBits = 0;
    for (int part = 0; part < 4; ++part) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
      const __m128i lineEnds =
          _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
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
  static int64_t tallied(const tally& counted) { return byteSearchDetail::sumOfBytes(counted); }
#else
  using tally = int64_t;

  static void masks(const unsigned char* p, uint64_t* ends, uint64_t* blanks, tally* counted) {
    *ends = 0;
    *blanks = 0;
    for (int i = 0; i < kBlock; ++i) {
      const bool end = isLineEnd(p[i]);
      *counted += end ? 1 : 0;
      *ends |= uint64_t{end} << i;
      *blanks |= uint64_t{isBlankByte(p[i])} << i;
    }
  }
  static int64_t tallied(const tally& counted) { return counted; }
#endif
};

#if QUILLSTAT_HAVE_SSE2
// narrowBlocks in two 32-byte vectors, with a popcount instruction.
struct wideBlocks {
  QUILLSTAT_WIDE static int64_t countOf(uint64_t x) { return __builtin_popcountll(x); }

  using tally = __m256i;

  QUILLSTAT_WIDE static void masks(const unsigned char* p, uint64_t* ends, uint64_t* blanks,
                                   tally* counted) {
    using byteSearchDetail::membersOf;
    uint64_t endBits = 0;
    uint64_t blankBits = 0;
    for (int part = 0; part < 2; ++part) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * part));
      const __m256i lineEnds = membersOf<kLineEnds>(v);
      const __m256i white = membersOf<kWhite>(v);
      *counted = _mm256_sub_epi8(*counted, lineEnds);
      endBits |= uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(lineEnds))} << (32 * part);
      blankBits |= uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(white))} << (32 * part);
    }
    *ends = endBits;
    *blanks = blankBits & ~endBits;
  }
  QUILLSTAT_WIDE static int64_t tallied(const tally& counted) {
    const __m256i sums = _mm256_sad_epu8(counted, _mm256_setzero_si256());
    return _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
           _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
  }
};
#endif

// Every bit when c holds, none when not.
inline uint64_t allIf(bool c) { return -uint64_t{c}; }

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

// Appends what each line that ends in a block is, by the bits of its line
// ends (`ends`, not 0) and of those whose lines hold only blanks, no code,
// and no code nor doc comment.
void keepKindsOf(uint64_t ends, uint64_t blankEnds, uint64_t noCodeEnds, uint64_t noDocEnds,
                 std::vector<lineKind>* kinds) {
  for (; ends != 0; ends &= ends - 1) {
    const uint64_t end = ends & -ends;
    kinds->push_back((blankEnds & end) != 0    ? lineKind::blank
                     : (noCodeEnds & end) == 0 ? lineKind::code
                     : (noDocEnds & end) != 0  ? lineKind::comment
                                               : lineKind::docComment);
  }
}

}  // namespace

void lineCounter::countTo(const unsigned char* to) {
  const unsigned char* p = from_;
  const classChange* next = changes_;
  if (p != to) {
    if (comments_ != nullptr) keepCommentsTo(p, to);
    anyByte_ = !isLineEnd(to[-1]);
    if (docs_ || kinds_ != nullptr) {
      next = wide_ ? countWideFull(p, to) : countBlocksOf<narrowBlocks, true>(p, to);
    } else {
      next = wide_ ? countWide(p, to) : countBlocksOf<narrowBlocks, false>(p, to);
    }
    from_ = to;
  }
  // A change at `to` itself applies from there on.
  for (; next != changes_ + changeCount_; ++next) class_ = next->to;
  changeCount_ = 0;
}

#if QUILLSTAT_HAVE_SSE2
// The wide blocks' loop is compiled for AVX2 as a whole: flattened into these,
// which stay functions of their own.
QUILLSTAT_WIDE __attribute__((flatten, noinline)) const lineCounter::classChange*
lineCounter::countWide(const unsigned char* p, const unsigned char* to) {
  return countBlocksOf<wideBlocks, false>(p, to);
}
QUILLSTAT_WIDE __attribute__((flatten, noinline)) const lineCounter::classChange*
lineCounter::countWideFull(const unsigned char* p, const unsigned char* to) {
  return countBlocksOf<wideBlocks, true>(p, to);
}
#else
const lineCounter::classChange* lineCounter::countWide(const unsigned char* p,
                                                       const unsigned char* to) {
  return countBlocksOf<narrowBlocks, false>(p, to);
}
const lineCounter::classChange* lineCounter::countWideFull(const unsigned char* p,
                                                           const unsigned char* to) {
  return countBlocksOf<narrowBlocks, true>(p, to);
}
#endif

template <class Blocks, bool Full>
const lineCounter::classChange* lineCounter::countBlocksOf(const unsigned char* p,
                                                           const unsigned char* to) {
  const classChange* next = changes_;
  const classChange* const last = next + changeCount_;
  // A line is blank when all its bytes are blanks (or hidden), and has no
  // code when all are blanks, hidden or comment (see linesOnlyOf). The
  // figures are kept in locals, which the compiler holds in registers.
  uint64_t blankSoFar = blankSoFar_;
  uint64_t noCodeSoFar = noCodeSoFar_;
  uint64_t noDocSoFar = noDocSoFar_;
  lineClass now = class_;
  int64_t ends = 0;
  int64_t blankLines = 0;
  int64_t noCodeLines = 0;
  int64_t docLines = 0;
  typename Blocks::tally counted{};
  std::vector<lineKind>* const kinds = Full ? kinds_ : nullptr;
  // The `width` bytes at b, their masks taken, line ends counted into `counted`.
  auto countBlock = [&](const unsigned char* b, int width, uint64_t endBits, uint64_t blankBits) {
    // The bytes of each class, bit i for byte i: the class under way, then
    // each change's class from its place up. Line ends are of none.
    uint64_t hidden = allIf(now == lineClass::hiddenComment);
    uint64_t comment = allIf(now != lineClass::code);
    uint64_t plainComment = allIf(now == lineClass::comment || now == lineClass::hiddenComment);
    for (; next != last && next->at < b + width; ++next) {
      const uint64_t above = ~uint64_t{0} << (next->at - b);
      now = next->to;
      hidden = (hidden & ~above) | (above & allIf(now == lineClass::hiddenComment));
      comment = (comment & ~above) | (above & allIf(now != lineClass::code));
      if constexpr (Full) {
        const bool plain = now == lineClass::comment || now == lineClass::hiddenComment;
        plainComment = (plainComment & ~above) | (above & allIf(plain));
      }
    }
    const uint64_t inLines = bitsBetween(0, width) & ~endBits;
    const uint64_t quiet = blankBits | (hidden & inLines);  // no line is more than blank for them
    const uint64_t noCode = blankBits | (comment & inLines);  // no line is a code line for them
    const uint64_t noDoc = blankBits | (plainComment & inLines);  // nor a doc comment line
    const bool alike = noCode == quiet && noCodeSoFar == blankSoFar;
    // No doc comment byte here nor on the line under way: the doc comment
    // lines are none, and the carries alike, as in most blocks.
    const bool docless = !Full || (noDoc == noCode && noDocSoFar == noCodeSoFar);
    const uint64_t blankEnds = linesOnlyOf(endBits, quiet, width, &blankSoFar);
    uint64_t noCodeEnds = blankEnds;
    int64_t noCodeHere;
    if (alike) {
      // All code, from lines alike so far: the lines without code are the blank ones.
      noCodeHere = Blocks::countOf(blankEnds);
      blankLines += noCodeHere;
      noCodeSoFar = blankSoFar;
    } else {
      blankLines += Blocks::countOf(blankEnds);
      noCodeEnds = linesOnlyOf(endBits, noCode, width, &noCodeSoFar);
      noCodeHere = Blocks::countOf(noCodeEnds);
    }
    noCodeLines += noCodeHere;
    uint64_t noDocEnds = noCodeEnds;
    if (docless) {
      if constexpr (Full) noDocSoFar = noCodeSoFar;
    } else {
      // The lines without code less those without code or doc comment bytes.
      noDocEnds = linesOnlyOf(endBits, noDoc, width, &noDocSoFar);
      docLines += noCodeHere - Blocks::countOf(noDocEnds);
    }
    if (kinds != nullptr && endBits != 0) keepKindsOf(endBits, blankEnds, noCodeEnds, noDocEnds, kinds);
  };
  // Whole blocks, in groups that leave no lane of `counted` past 255 (four
  // line ends a lane at most per block).
  while (to - p >= kBlock) {
    const ptrdiff_t blocks = (to - p) / kBlock < 63 ? (to - p) / kBlock : 63;
    const unsigned char* const groupEnd = p + kBlock * blocks;
    while (p < groupEnd) {
      // Blocks of code alone, after a line end or code, as most are: their
      // lines without code are the blank ones, the one figure to take. (The
      // carries agree unless the line under way holds a comment and no code;
      // the doc comment carry then agrees too.)
      const unsigned char* const codeEnd =
          now != lineClass::code || noCodeSoFar != blankSoFar ? p
          : next != last && next->at < groupEnd               ? next->at
                                                              : groupEnd;
      if (codeEnd - p >= kBlock) {
        int64_t blank = 0;
        do {
          uint64_t endBits;
          uint64_t blankBits;
          Blocks::masks(p, &endBits, &blankBits, &counted);
          const uint64_t blankEnds = linesOnlyOf(endBits, blankBits, kBlock, &blankSoFar);
          blank += Blocks::countOf(blankEnds);
          if (kinds != nullptr && endBits != 0) {
            keepKindsOf(endBits, blankEnds, blankEnds, blankEnds, kinds);
          }
          p += kBlock;
        } while (codeEnd - p >= kBlock);
        blankLines += blank;
        noCodeLines += blank;
        noCodeSoFar = noDocSoFar = blankSoFar;
        continue;
      }
      uint64_t endBits;
      uint64_t blankBits;
      Blocks::masks(p, &endBits, &blankBits, &counted);
      countBlock(p, kBlock, endBits, blankBits);
      p += kBlock;
    }
    ends += Blocks::tallied(counted);
    counted = typename Blocks::tally{};
  }
  if (p < to) {
    // The last bytes, padded with spaces, which change no line.
    const int width = static_cast<int>(to - p);
    unsigned char padded[kBlock];
    std::memset(padded, ' ', sizeof padded);
    std::memcpy(padded, p, static_cast<size_t>(width));
    uint64_t endBits;
    uint64_t blankBits;
    Blocks::masks(padded, &endBits, &blankBits, &counted);
    countBlock(p, width, endBits, blankBits & bitsBetween(0, width));
    ends += Blocks::tallied(counted);
  }
  class_ = now;
  ends_ += ends;
  blankLines_ += blankLines;
  noCodeLines_ += noCodeLines;
  docLines_ += docLines;
  blankSoFar_ = static_cast<uint32_t>(blankSoFar);
  noCodeSoFar_ = static_cast<uint32_t>(noCodeSoFar);
  // Without doc comments so far the carries are alike.
  noDocSoFar_ = static_cast<uint32_t>(Full ? noDocSoFar : noCodeSoFar);
  return next;
}

void lineCounter::keepCommentsTo(const unsigned char* p, const unsigned char* to) {
  const classChange* next = changes_;
  const classChange* const last = changes_ + changeCount_;
  const unsigned char* const start = p;
  lineClass now = class_;
  while (p < to) {
    while (next != last && next->at <= p) now = (next++)->to;
    const unsigned char* const stop = next != last && next->at < to ? next->at : to;
    if (now == lineClass::comment || now == lineClass::docComment) {
      const span taken{kept_ + (p - start), kept_ + (stop - start)};
      if (!comments_->empty() && comments_->back().end == taken.begin) {
        comments_->back().end = taken.end;
      } else {
        comments_->push_back(taken);
      }
    }
    p = stop;
  }
  kept_ += to - start;
}

void lineCounter::finish(fileStats* stats) {
  if (kinds_ != nullptr && anyByte_) {
    kinds_->push_back(blankSoFar_ != 0     ? lineKind::blank
                      : noCodeSoFar_ == 0  ? lineKind::code
                      : noDocSoFar_ != 0   ? lineKind::comment
                                           : lineKind::docComment);
  }
  int64_t blank = blankLines_;
  int64_t noCode = noCodeLines_;
  int64_t doc = docLines_;
  int64_t lines = ends_;
  if (anyByte_) {
    ++lines;
    blank += blankSoFar_;
    noCode += noCodeSoFar_;
    doc += static_cast<int64_t>(noCodeSoFar_) - noDocSoFar_;
  }
  stats->lines = lines;
  stats->blankLines = blank;
  stats->commentLines = noCode - blank;
  stats->codeLines = lines - noCode;
  stats->docCommentLines = doc;
}

}  // namespace quillstat
