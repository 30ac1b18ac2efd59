#ifndef QUILLSTAT_ENGINE_SCAN_FRAME_H_
#define QUILLSTAT_ENGINE_SCAN_FRAME_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/byte_search.h"
#include "engine/comment_counter.h"

namespace quillstat {

// What every streaming scanner keeps besides its state letter: the counting
// frame, and the last byte of the chunk before, which is the previous
// character of the current chunk's first byte (0 before the first chunk).
// The run helpers below each handle a stretch of one state at once; they
// count exactly what the per-byte rules would.
struct scanFrame {
  scanFrame(bool includeFirstComment, std::vector<wordPlace>* places)
      : counter(includeFirstComment, places) {}

  // Brackets each chunk; previous() is valid for bytes of [begin, end) only.
  void beginChunk(const unsigned char* begin) { chunkBegin = begin; }
  void endChunk(const unsigned char* end) {
    if (end > chunkBegin) carry = end[-1];
    chunkOffset += end - chunkBegin;
  }
  unsigned char previous(const unsigned char* p) const { return p > chunkBegin ? p[-1] : carry; }

  // The comment byte at p offered to both detectors, or only to finish a
  // word under way (see commentCounter); a word it ends is placed when
  // places are recorded.
  void offer(const unsigned char* p) {
    if (counter.offer(*p, previous(p)) && counter.places != nullptr) place(p);
  }
  void offerIfPending(const unsigned char* p) {
    if (counter.offerIfPending(*p, previous(p)) && counter.places != nullptr) place(p);
  }

  // Code: takes the run of plain code characters that starts at p (every
  // byte not in Stops) and returns its end. Each plain character would run
  // flushRun; after the first one the rest only move their own code
  // character, so one flush after the whole run counts the same.
  template <class Stops, class Marks>
  const unsigned char* plainCode(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = skipPlainCode<Stops, Marks>(p, end, &counter.countCodeLine);
    if (stop != p) {
      counter.pendingCodeChars += stop - p;
      counter.flushRun();
    }
    return stop;
  }

  // String: takes the string text from p up to and including the closing
  // double quote. Returns one past the quote, or end when the string goes on;
  // *closed says which.
  const unsigned char* stringText(const unsigned char* p, const unsigned char* end,
                                  bool* closed) {
    const void* quote = std::memchr(p, '"', static_cast<size_t>(end - p));
    *closed = quote != nullptr;
    const unsigned char* stop = *closed ? static_cast<const unsigned char*>(quote) + 1 : end;
    counter.pendingCodeChars += stop - p;
    return stop;
  }

  // Literal text: every byte up to the first of Stops is a code character
  // that closes no run. Returns that stop, not consumed, or end.
  template <class Stops>
  const unsigned char* literalText(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = findAny<Stops>(p, end);
    counter.pendingCodeChars += stop - p;
    return stop;
  }

  // The comment character at p, offered to both detectors.
  void commentChar(const unsigned char* p) {
    offer(p);
    ++counter.pendingCommentChars;
  }

  // The line end at p that ends a line comment: it may finish a word but is
  // not part of the comment; it is code. Returns one past it.
  const unsigned char* lineCommentEnd(const unsigned char* p) {
    offerIfPending(p);
    ++counter.pendingCodeChars;
    return p + 1;
  }

  // Comment text: every byte up to the first of Closers is a comment
  // character offered to both detectors. Returns that closer, not consumed,
  // or end. AfterCloser is for a scanner that offers a closer only to
  // finish a word and never the byte after it: the bytes after a closer
  // that the scanner tells apart. While the detectors are idle, a closer
  // followed by none of them, nor by a word's possible start, is passed
  // over, since the scanner would count nothing there either.
  template <class Closers, class AfterCloser = byteSet<>>
  const unsigned char* commentText(const unsigned char* p, const unsigned char* end) {
    while (p < end) {
      if ((counter.todoState | counter.fixmeState) == 0) {
        // Idle detectors stay idle until a word can start.
        const unsigned char* stop =
            skipCommentText<Closers, AfterCloser, !AfterCloser::empty>(p, end, previous(p));
        counter.pendingCommentChars += stop - p;
        p = stop;
        if (p == end) break;
      }
      if (Closers::contains(*p)) break;
      commentChar(p);
      ++p;
    }
    return p;
  }

  commentCounter counter;
  const unsigned char* chunkBegin = nullptr;
  int64_t chunkOffset = 0;  // of chunkBegin's byte in the content
  unsigned char carry = 0;

 private:
  void place(const unsigned char* p) {
    counter.placeWord(chunkOffset + (p - chunkBegin), previous(p));
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_SCAN_FRAME_H_
