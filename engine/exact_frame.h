#ifndef QUILLSTAT_ENGINE_EXACT_FRAME_H_
#define QUILLSTAT_ENGINE_EXACT_FRAME_H_

#include <cstddef>
#include <cstdint>

#include "engine/byte_classes.h"
#include "engine/byte_search.h"
#include "engine/comment_counter.h"
#include "engine/exact_hook_rules.h"
#include "engine/line_counter.h"

namespace quillstat {

// The previous significant token (exact_hook_rules.h) before a place in
// code, kept as the content passes: what ends before each comment and each
// chunk's end is found once, so that asking walks back over the code since
// the last of these only. Literals make an operand; comments are skipped.
class tokenTracker {
 public:
  void beginChunk(const unsigned char* begin) { from_ = begin; }
  void endChunk(const unsigned char* end) {
    if (!inComment_) advance(end);
  }
  void literalEnds(const unsigned char* q) {
    token_.what = significantToken::kind::operand;
    wordRunsOn_ = false;
    from_ = q;
  }
  void commentOpens(const unsigned char* p) {
    advance(p);
    wordRunsOn_ = false;  // a word after the comment is another one
    inComment_ = true;
  }
  void commentCloses(const unsigned char* p) {
    from_ = p;
    inComment_ = false;
  }
  // The token before p, which is in code.
  const significantToken& before(const unsigned char* p) {
    advance(p);
    return token_;
  }

 private:
  // Takes the code [from_, p) into token_.
  void advance(const unsigned char* p) {
    const unsigned char* x = skipBackOver<byteSet<' ', '\t', '\f', '\v', '\n', '\r'>>(from_, p);
    if (x == from_) {
      if (p != from_) wordRunsOn_ = false;
    } else if (!isNameByte(x[-1])) {
      token_.what = kindOfCodeByte(x[-1]);
      wordRunsOn_ = false;
    } else {
      // Past kMaxKeyword bytes the word is a name, whatever came before.
      const unsigned char* s = x - 1;
      while (s > from_ && isNameByte(s[-1]) && x - s <= kMaxKeyword) --s;
      const bool joins = s == from_ && wordRunsOn_ && token_.what == significantToken::kind::word;
      if (!joins) {
        token_.what = significantToken::kind::word;
        token_.length = 0;
      }
      for (; s < x; ++s, ++token_.length) {
        if (token_.length < kMaxKeyword) token_.head[token_.length] = *s;
      }
      wordRunsOn_ = x == p;
    }
    from_ = p;
  }

  significantToken token_;
  const unsigned char* from_ = nullptr;
  bool wordRunsOn_ = false;  // token_ is a word that ends at from_
  bool inComment_ = false;
};

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
  // With `places`, the counted words' places are appended to it;
  // `tracksTokens`: keep `tokens`, for the hooks that ask it.
  exactFrame(bool includeFirstComment, std::vector<wordPlace>* places, bool tracksTokens)
      : counter(includeFirstComment, places), tracksTokens_(tracksTokens) {}

  // Brackets each chunk; previous() and the line places are valid for bytes
  // of [begin, end) only, where end is the first byte not taken.
  void beginChunk(const unsigned char* begin) {
    chunkBegin = begin;
    lines.begin(begin);
    if (tracksTokens_) tokens.beginChunk(begin);
  }
  void endChunk(const unsigned char* end) {
    flushClose();
    lines.countTo(end);
    chunkOffset += end - chunkBegin;
    if (tracksTokens_) tokens.endChunk(end);
    if (end == chunkBegin) return;
    carriedNonBlank_ = lastNonBlankBefore(end);
    carry = end[-1];
    started_ = true;
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

  // A comment opens at p, a doc comment with `doc`, or the one under way
  // closes at p. The first comment run, when it is left out of the figures,
  // is hidden from the line figures too.
  void openComment(const unsigned char* p, bool doc = false) {
    const bool counted = counter.includeFirstComment || counter.commentRuns > 0;
    const lineClass k = !counted ? lineClass::hiddenComment
                        : doc    ? lineClass::docComment
                                 : lineClass::comment;
    counter.pendingDoc |= doc;
    if (tracksTokens_) tokens.commentOpens(p);
    // A comment that opens right after the line end that closed one of its
    // class goes on with it: a line end's class changes no line's.
    if (pendingClose_ != nullptr && p == pendingClose_ + 1 && isLineEnd(*pendingClose_) &&
        k == openClass_) {
      pendingClose_ = nullptr;
      return;
    }
    flushClose();
    lines.change(p, k);
    openClass_ = k;
  }
  // The change is held until the next comment opens or the chunk ends, so
  // that a run of line comments, one a line, is one stretch; the token
  // tracker hears of it at once.
  void closeComment(const unsigned char* p) {
    pendingClose_ = p;
    if (tracksTokens_) tokens.commentCloses(p);
  }

  // The code lines that ended before p, the lines counted up to p: a close
  // still held is told first, as counting is only ever forward.
  int64_t codeLinesBefore(const unsigned char* p) {
    flushClose();
    lines.countTo(p);
    return lines.endedCodeLines();
  }


  // The run of plain code from p up to the first byte of Stops (see
  // skipPlainCode for Pairs), with the bytes of Marks counted as statement
  // marks. Returns that byte, or end.
  template <class Stops, class Marks, class Pairs = noStopPairs>
  const unsigned char* codeRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = skipPlainCode<Stops, Marks, Pairs>(p, end, &counter.countCodeLine);
    if (stop != p) {
      // One flush after the run counts what one per byte would.
      counter.pendingCodeChars += stop - p;
      counter.flushRun();
    }
    return stop;
  }

  // codeRun, where the bytes of TokenStarts stop the run only after no word
  // byte (and, with LongestWord, at a word that long at most) and those of
  // LineStarts only as a line's first byte.
  template <class Stops, class TokenStarts, class LineStarts, class Marks, int LongestWord>
  const unsigned char* placedCodeRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = skipPlacedCode<Stops, TokenStarts, LineStarts, Marks, LongestWord>(
        p, end, !atLineStart(p) && isWordByte(previous(p)), atLineStart(p),
        &counter.countCodeLine);
    if (stop != p) {
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

  void literal(const unsigned char* p, const unsigned char* q) {
    counter.pendingCodeChars += q - p;
    if (tracksTokens_ && q != p) tokens.literalEnds(q);
  }

  // The literal text from p up to the first byte of Stops, or end.
  template <class Stops>
  const unsigned char* literalRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* stop = findAny<Stops>(p, end);
    literal(p, stop);
    return stop;
  }

  void marker(const unsigned char* p, const unsigned char* q) { counter.pendingCommentChars += q - p; }

  void comment(const unsigned char* p) {
    offer(p);
    ++counter.pendingCommentChars;
  }

  void comment(const unsigned char* p, const unsigned char* q) {
    for (; p < q; ++p) comment(p);
  }

  // The comment text from p up to the first byte of Closers, or end; with
  // Seconds, it may go on past one that no byte of Seconds follows (see
  // skipCommentText).
  template <class Closers, class Seconds = byteSet<>>
  const unsigned char* commentRun(const unsigned char* p, const unsigned char* end) {
    while (p < end) {
      if ((counter.todoState | counter.fixmeState) == 0) {
        // Idle detectors stay idle until a word can start.
        const unsigned char* stop = skipCommentText<Closers, Seconds>(p, end, previous(p));
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
    offerIfPending(p);
    ++counter.pendingCodeChars;
  }

  void outside(const unsigned char*, const unsigned char*) {}

  // The record of `size` bytes of content, all taken and their chunks ended.
  fileStats finish(int64_t size, bool marksAreCodeLines) {
    // The detectors are reset or offered a byte wherever a comment ends, so
    // a whole word still under way here is the last bytes of the content.
    if (counter.offerContentEnd() && counter.places != nullptr) {
      counter.placeWord(chunkOffset, carry);
    }
    fileStats stats = counter.finish(size);
    lines.finish(&stats);
    if (marksAreCodeLines) stats.countCodeLine = stats.codeLines;
    return stats;
  }

  commentCounter counter;
  lineCounter lines;
  tokenTracker tokens;  // for the hooks that ask what stands before a place
  const unsigned char* chunkBegin = nullptr;
  // Of chunkBegin's byte in the content: bytes held back from a chunk come
  // again at the start of the next, so this counts the bytes taken.
  int64_t chunkOffset = 0;
  unsigned char carry = 0;

 private:
  void flushClose() {
    if (pendingClose_ == nullptr) return;
    lines.change(pendingClose_, lineClass::code);
    pendingClose_ = nullptr;
  }

  void place(const unsigned char* p) {
    counter.placeWord(chunkOffset + (p - chunkBegin), previous(p));
  }

  bool tracksTokens_;
  int carriedNonBlank_ = -1;  // lastNonBlankBefore() the end of the last chunk
  bool started_ = false;      // a byte has been taken
  const unsigned char* pendingClose_ = nullptr;  // a comment's close not yet told to `lines`
  lineClass openClass_ = lineClass::comment;     // the class of the last comment opened
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_EXACT_FRAME_H_
