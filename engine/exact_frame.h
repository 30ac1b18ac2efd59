#ifndef QUILLSTAT_ENGINE_EXACT_FRAME_H_
#define QUILLSTAT_ENGINE_EXACT_FRAME_H_

#include <cstddef>
#include <cstdint>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"
#include "engine/comment_counter.h"
#include "engine/line_counter.h"

namespace quillstat {

// What the exact machine keeps besides its state: the counting frame, the
// line figures, and the last byte taken before the current chunk, which is
// the previous byte of the chunk's first (0 before any).
//
// Every byte of the content is taken exactly once, by one of the calls
// below, which says what it is:
//   code       plain code; closes the comment run under way;
//   literal    code inside a literal or directive, which closes no run;
//   marker     a comment's opener: comment, not offered to the word detectors;
//   comment    comment text or closer, offered to the word detectors;
//   outside    outside a code region: counted nowhere.
// For the line figures only comments differ from the rest: the machine says
// where each comment opens and closes, and the lines of each stretch
// between are counted in one pass when it ends, rather than byte by byte.
struct exactFrame {
  explicit exactFrame(bool includeFirstComment) : counter(includeFirstComment) {}

  // Brackets each chunk; previous() and the line places are valid for bytes
  // of [begin, end) only, where end is the first byte not taken.
  void beginChunk(const unsigned char* begin) {
    chunkBegin = begin;
    lines.begin(begin);
  }
  void endChunk(const unsigned char* end) {
    lines.countTo(end);
    if (end == chunkBegin) return;
    carriedNonBlank_ = lastNonBlankBefore(end);
    carry = end[-1];
    started_ = true;
  }
  unsigned char previous(const unsigned char* p) const { return p > chunkBegin ? p[-1] : carry; }

  // Whether p is the first byte of a line.
  bool atLineStart(const unsigned char* p) const {
    return p > chunkBegin ? isLineEnd(p[-1]) : !started_ || isLineEnd(carry);
  }
  // Whether only blanks stand between the start of p's line and p.
  bool onlyBlanksBefore(const unsigned char* p) const { return lastNonBlankBefore(p) < 0; }
  // The last byte before p on its line that is no blank, or -1 when only
  // blanks stand between the line's start and p.
  int lastNonBlankBefore(const unsigned char* p) const {
    while (p > chunkBegin && isBlankByte(p[-1])) --p;
    if (p == chunkBegin) return carriedNonBlank_;
    return isLineEnd(p[-1]) ? -1 : p[-1];
  }

  // A comment opens at p, or the one under way closes at p.
  // The first comment run, when it is left out of the figures, is hidden
  // from the line figures too.
  void openComment(const unsigned char* p) {
    const bool counted = counter.includeFirstComment || counter.commentRuns > 0;
    lines.change(p, counted ? lineClass::comment : lineClass::hiddenComment);
  }
  void closeComment(const unsigned char* p) { lines.change(p, lineClass::code); }

  // The code lines that ended before p, the lines counted up to p.
  int64_t codeLinesBefore(const unsigned char* p) {
    lines.countTo(p);
    return lines.endedCodeLines();
  }


  // The run of plain code from p up to the first byte of Stops, with the
  // bytes of Marks counted as statement marks. Returns that byte, or end.
  template <class Stops, class Marks>
  const unsigned char* codeRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = skipPlainCode<Stops, Marks>(p, end, &counter.countCodeLine);
    if (stop != p) {
      // One flush after the run counts what one per byte would.
      counter.pendingCodeChars += stop - p;
      counter.flushRun();
    }
    return stop;
  }

  void code(bool isMark) { counter.plainCode(isMark); }
  // Plain code with no statement mark in it, [p, q) at once.
  void code(const unsigned char* p, const unsigned char* q) {
    if (q == p) return;
    counter.pendingCodeChars += q - p;
    counter.flushRun();
  }

  void literal(const unsigned char* p, const unsigned char* q) { counter.pendingCodeChars += q - p; }

  // The literal text from p up to the first byte of Stops, or end.
  template <class Stops>
  const unsigned char* literalRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = findAny<Stops>(p, end);
    literal(p, stop);
    return stop;
  }

  void marker(const unsigned char* p, const unsigned char* q) { counter.pendingCommentChars += q - p; }

  void comment(const unsigned char* p) {
    counter.offer(*p, previous(p));
    ++counter.pendingCommentChars;
  }

  void comment(const unsigned char* p, const unsigned char* q) {
    for (; p < q; ++p) comment(p);
  }

  // The comment text from p up to the first byte of Closers, or end.
  template <class Closers>
  const unsigned char* commentRun(const unsigned char* p, const unsigned char* end) {
    while (p < end) {
      if ((counter.todoState | counter.fixmeState) == 0) {
        // Idle detectors stay idle until a word can start.
        const unsigned char* stop = skipCommentText<Closers>(p, end, previous(p));
        counter.pendingCommentChars += stop - p;
        p = stop;
        if (p == end) break;
      }
      if (Closers::contains(*p)) break;
      comment(p);
      ++p;
    }
    return p;
  }

  // The line end at p that ends a line comment: it may finish a word but
  // starts none; it is code that closes no run.
  void lineCommentEnd(const unsigned char* p) {
    counter.offerIfPending(*p, previous(p));
    ++counter.pendingCodeChars;
  }

  void outside(const unsigned char*, const unsigned char*) {}

  // The record of `size` bytes of content, all taken and their chunks ended.
  fileStats finish(int64_t size, bool marksAreCodeLines) {
    fileStats stats = counter.finish(size);
    lines.finish(&stats);
    if (marksAreCodeLines) stats.countCodeLine = stats.codeLines;
    return stats;
  }

  commentCounter counter;
  lineCounter lines;
  const unsigned char* chunkBegin = nullptr;
  unsigned char carry = 0;

 private:
  int carriedNonBlank_ = -1;  // lastNonBlankBefore() the end of the last chunk
  bool started_ = false;           // a byte has been taken
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_FRAME_H_
