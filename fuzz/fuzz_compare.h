#ifndef QUILLSTAT_FUZZ_FUZZ_COMPARE_H_
#define QUILLSTAT_FUZZ_FUZZ_COMPARE_H_

// What the scanner targets share: one input drives a language's
// streaming scanner, fed in pieces, and its finder's scanBuffer, and both
// must give the referee's record. The first byte of the input is not
// content: bit 0 is includeFirstComment, the other seven pick the pieces.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/file_stats.h"

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
template <class Scanner>
fileStats scanInPieces(const char* data, size_t length, bool includeFirstComment,
                       unsigned pattern) {
  Scanner scanner(includeFirstComment);
  size_t done = 0;
  for (size_t index = 0; done < length; ++index) {
    const size_t size = std::min(pieceSize(pattern, index), length - done);
    std::unique_ptr<char[]> piece(new char[size]);
    std::copy(data + done, data + done + size, piece.get());
    scanner.feed(piece.get(), size);
    done += size;
  }
  return scanner.finish(static_cast<int64_t>(length));
}

inline void printRecord(const char* label, const fileStats& stats) {
  std::fprintf(stderr,
               "%s:\n  sizeFile %lld\n  countCommentChars %lld\n  countCodeChars %lld\n"
               "  countOfComment %lld\n  countCodeLine %lld\n  todoWordsCount %lld\n"
               "  fixmeWordsCount %lld\n  filename \"%s\"\n",
               label, static_cast<long long>(stats.sizeFile),
               static_cast<long long>(stats.countCommentChars),
               static_cast<long long>(stats.countCodeChars),
               static_cast<long long>(stats.countOfComment),
               static_cast<long long>(stats.countCodeLine),
               static_cast<long long>(stats.todoWordsCount),
               static_cast<long long>(stats.fixmeWordsCount), stats.filename.c_str());
}

template <class Scanner, class Finder>
void compareWithReferee(const uint8_t* input, size_t size,
                        fileStats (*referee)(const char*, size_t, bool)) {
  if (size == 0) return;
  const bool includeFirstComment = (input[0] & 1) != 0;
  const unsigned pattern = input[0] >> 1;
  const char* data = reinterpret_cast<const char*>(input + 1);
  const size_t length = size - 1;

  const fileStats expected = referee(data, length, includeFirstComment);
  const fileStats whole = Finder().scanBuffer(data, length, includeFirstComment);
  const fileStats pieces = scanInPieces<Scanner>(data, length, includeFirstComment, pattern);
  if (whole == expected && pieces == expected) return;

  std::fprintf(stderr, "record mismatch: includeFirstComment=%d pattern=%u length=%zu\n",
               includeFirstComment, pattern, length);
  printRecord("referee", expected);
  if (whole != expected) printRecord("scanBuffer", whole);
  if (pieces != expected) printRecord("fed in pieces", pieces);
  std::abort();
}

}  // namespace quillstat

#endif  // QUILLSTAT_FUZZ_FUZZ_COMPARE_H_
