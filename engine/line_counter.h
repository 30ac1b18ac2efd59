#ifndef QUILLSTAT_ENGINE_LINE_COUNTER_H_
#define QUILLSTAT_ENGINE_LINE_COUNTER_H_

#include <cstdint>
#include <vector>

#include "engine/byte_search.h"
#include "engine/file_stats.h"

namespace quillstat {

// What a byte makes of its line. A line with a code byte that is no blank
// is a code line; else one with such a comment byte a comment line; any
// other a blank line. Bytes of a hidden comment (the first comment run,
// when it is left out of the figures) count as blanks. A comment line with
// such a byte of a doc comment is also a doc comment line.
enum class lineClass : uint8_t { code, comment, hiddenComment, docComment };

// What a whole line is, weakest first: a line read by several scans is the
// strongest of what each makes of it (a comment line that holds a doc
// comment is a doc comment line).
enum class lineKind : uint8_t { blank, comment, docComment, code };

// The line figures of content that arrives in chunks, with the places
// where the class of its bytes changes. A line ends with its LF, or with a
// CR that text mode left alone (an old Mac line end, where compilers end
// lines too); a last line without one counts once finish() is called; no
// content has no lines. The lines are counted in one pass over a stretch
// of bytes once its changes are known, not byte by byte.
class lineCounter {
 public:
  // `wide`: count 32 bytes a step, with AVX2, which must then be there
  // (wideVectorsAvailable); by default, wherever it is.
  explicit lineCounter(bool wide = wideVectorsAvailable()) : wide_(wide) {}

  // The bytes from `from` on are to be counted; the class of the first is
  // the class that the last change set (code at the start).
  void begin(const unsigned char* from) { from_ = from; }

  // The bytes from p on, up to the next change, are of class k. Places
  // arrive in increasing order, at or after `from`.
  void change(const unsigned char* p, lineClass k) {
    changes_[changeCount_++] = {p, k};
    docs_ = docs_ || k == lineClass::docComment;
    // Memory stays bounded however many comments a chunk holds.
    if (changeCount_ == kMaxChanges) countTo(p);
  }

  // Counts the lines of the bytes from `from` up to p, which must stay
  // readable until then; p becomes the new `from`.
  void countTo(const unsigned char* p);

  // The code lines that ended before the place counted to.
  int64_t endedCodeLines() const { return ends_ - noCodeLines_; }
  // Closes the last line, if any, and puts the five figures into *stats.
  void finish(fileStats* stats);

  // The offsets [begin, end) of a stretch of content.
  struct span {
    int64_t begin;
    int64_t end;
  };

  // Before any byte is counted: appends what each line is to *kinds as it
  // ends (the last one at finish()), and with `comments` the stretches of
  // counted comment bytes, in order, to *comments; for the few files that
  // several scans share (a page with embedded code), never for the rest.
  void keepKinds(std::vector<lineKind>* kinds, std::vector<span>* comments = nullptr) {
    kinds_ = kinds;
    comments_ = comments;
  }

 private:
  struct classChange {
    const unsigned char* at;
    lineClass to;
  };
  // Held in place: a file's first comments cost no allocation.
  static constexpr int kMaxChanges = 256;

  // countTo() over [p, to), a block of Blocks (line_counter.cpp) at a time;
  // returns the first change it did not reach, which is at `to`, if any.
  // countWide with the wide blocks, compiled for AVX2. With Full false, for
  // content with no doc comment so far whose kinds are not kept, the doc
  // comment lines and kinds are not looked for.
  template <class Blocks, bool Full>
  const classChange* countBlocksOf(const unsigned char* p, const unsigned char* to);
  const classChange* countWide(const unsigned char* p, const unsigned char* to);
  const classChange* countWideFull(const unsigned char* p, const unsigned char* to);
  // Appends the stretches of comment bytes in [p, to) to *comments_.
  void keepCommentsTo(const unsigned char* p, const unsigned char* to);

  bool wide_;
  bool docs_ = false;  // a doc comment's change has been told
  const unsigned char* from_ = nullptr;
  classChange changes_[kMaxChanges];
  int changeCount_ = 0;
  lineClass class_ = lineClass::code;  // of the byte at from_
  // Whether the line under way holds only blanks so far, and only bytes that
  // are no code: the carries of the counting (see linesOnlyOf).
  uint32_t blankSoFar_ = 1;
  uint32_t noCodeSoFar_ = 1;
  uint32_t noDocSoFar_ = 1;  // and only bytes that make no doc comment line
  bool anyByte_ = false;  // the line under way holds a byte
  int64_t ends_ = 0;
  int64_t blankLines_ = 0;
  int64_t noCodeLines_ = 0;
  std::vector<lineKind>* kinds_ = nullptr;
  std::vector<span>* comments_ = nullptr;
  int64_t kept_ = 0;  // the bytes counted, with comments_
  int64_t docLines_ = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_LINE_COUNTER_H_
