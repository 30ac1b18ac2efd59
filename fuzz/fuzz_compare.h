#ifndef QUILLSTAT_FUZZ_FUZZ_COMPARE_H_
#define QUILLSTAT_FUZZ_FUZZ_COMPARE_H_

// What the scanner targets share: one input drives a scanner fed in pieces,
// and its scanBuffer, and both must give the referee's record; the places
// of the words the pieces' scan records must fit that record. The first
// byte of the input is not content: bit 0 is includeFirstComment, the other
// seven pick the pieces.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/file_stats.h"
#include "engine/scanner.h"
#include "engine/word_places.h"

namespace quillstat {

// The size of piece `index`: pattern 0 cuts every byte apart; odd patterns
// put a one-byte piece between longer ones, so every state reached at a
// piece's end is also resumed from a single byte.
inline size_t pieceSize(unsigned pattern, size_t index) {
  if (pattern == 0 || (pattern % 2 == 1 && index % 2 == 1)) return 1;
  return 1 + (pattern * (index + 1)) % 40;
}

// Each piece is copied to an allocation of its own size, so that the
// sanitizer sees a read past the piece.
inline fileStats scanInPieces(const scanner& scan, const char* data, size_t length,
                              bool includeFirstComment, unsigned pattern,
                              std::vector<wordPlace>* places) {
  std::vector<std::unique_ptr<char[]>> copies;
  std::vector<std::string_view> pieces;
  for (size_t done = 0, index = 0; done < length; ++index) {
    const size_t size = std::min(pieceSize(pattern, index), length - done);
    copies.emplace_back(new char[size]);
    std::copy(data + done, data + done + size, copies.back().get());
    pieces.emplace_back(copies.back().get(), size);
    done += size;
  }
  return scan.scanPieces(pieces.data(), pieces.size(), includeFirstComment, places);
}

// Whether `places` are where the words that `stats` counts stand in
// `content`: as many of each, in increasing order, each place at its word
// in any letter case.
inline bool placesFit(std::string_view content, const fileStats& stats,
                      const std::vector<wordPlace>& places) {
  int64_t counts[2] = {0, 0};
  int64_t last = -1;
  for (const wordPlace& place : places) {
    const std::string_view word = wordName(place.kind);
    if (place.offset <= last || place.offset + word.size() > content.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
      if ((content[place.offset + i] | 0x20) != word[i]) return false;
    }
    ++counts[static_cast<int>(place.kind)];
    last = place.offset;
  }
  return counts[0] == stats.todoWordsCount && counts[1] == stats.fixmeWordsCount;
}

inline void printRecord(const char* label, const fileStats& s) {
  std::fprintf(stderr,
               "%s:\n  sizeFile %lld\n  countCommentChars %lld\n  countCodeChars %lld\n"
               "  countOfComment %lld\n  countCodeLine %lld\n  todoWordsCount %lld\n"
               "  fixmeWordsCount %lld\n  lines %lld (blank %lld, comment %lld, code %lld)\n",
               label, static_cast<long long>(s.sizeFile),
               static_cast<long long>(s.countCommentChars), static_cast<long long>(s.countCodeChars),
               static_cast<long long>(s.countOfComment), static_cast<long long>(s.countCodeLine),
               static_cast<long long>(s.todoWordsCount), static_cast<long long>(s.fixmeWordsCount),
               static_cast<long long>(s.lines), static_cast<long long>(s.blankLines),
               static_cast<long long>(s.commentLines), static_cast<long long>(s.codeLines));
}

// `input` is the flag byte and the content; `referee` scans content whole.
template <typename Referee>
void compareWithReferee(const char* name, const scanner& scan, const uint8_t* input, size_t size,
                        Referee referee) {
  if (size == 0) return;
  const bool includeFirstComment = (input[0] & 1) != 0;
  const unsigned pattern = input[0] >> 1;
  const char* data = reinterpret_cast<const char*>(input + 1);
  const size_t length = size - 1;

  const fileStats expected = referee(data, length, includeFirstComment);
  const fileStats whole = scan.scanBuffer(data, length, includeFirstComment);
  std::vector<wordPlace> places;
  const fileStats pieces =
      scanInPieces(scan, data, length, includeFirstComment, pattern, &places);
  const bool fit = placesFit({data, length}, expected, places);
  if (whole == expected && pieces == expected && fit) return;

  std::fprintf(stderr, "%s: record mismatch: includeFirstComment=%d pattern=%u length=%zu\n", name,
               includeFirstComment, pattern, length);
  printRecord("referee", expected);
  if (whole != expected) printRecord("scanBuffer", whole);
  if (pieces != expected) printRecord("fed in pieces", pieces);
  if (!fit) std::fprintf(stderr, "the places of the words do not fit the record\n");
  std::abort();
}

}  // namespace quillstat

#endif  // QUILLSTAT_FUZZ_FUZZ_COMPARE_H_
