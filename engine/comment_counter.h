#ifndef QUILLSTAT_ENGINE_COMMENT_COUNTER_H_
#define QUILLSTAT_ENGINE_COMMENT_COUNTER_H_

#include <cstdint>

#include "engine/file_stats.h"
#include "engine/word_detectors.h"

namespace quillstat {

// The counting frame that every scanner shares. Characters gather in two
// pending counters; a comment run is closed only by the next plain code
// character (flushRun), so comments with nothing but strings, lone slashes or
// other comments between them count as one. The first run closed in a file is
// left out of the comment figures unless includeFirstComment is set.
struct commentCounter {
  explicit commentCounter(bool includeFirst) : includeFirstComment(includeFirst) {}

  // A plain code character in Code: counted, then the pending run is closed.
  void plainCode(bool isStatementMark) {
    countCodeLine += isStatementMark;
    ++pendingCodeChars;
    flushRun();
  }

  void flushRun() {
    if (commentRuns >= 1 || includeFirstComment) countCommentChars += pendingCommentChars;
    if (pendingCommentChars > 0) ++commentRuns;
    countCodeChars += pendingCodeChars;
    pendingCommentChars = 0;
    pendingCodeChars = 0;
  }

  // An ordinary comment character goes to both detectors.
  void offer(unsigned char current, unsigned char previous) {
    todoWords += stepTodo(todoState, current, previous);
    fixmeWords += stepFixme(fixmeState, current, previous);
  }

  // A character that ends, or may end, a comment finishes a word already
  // under way but starts none; afterwards both detectors are reset.
  void offerIfPending(unsigned char current, unsigned char previous) {
    if (todoState != 0) todoWords += stepTodo(todoState, current, previous);
    if (fixmeState != 0) fixmeWords += stepFixme(fixmeState, current, previous);
    todoState = 0;
    fixmeState = 0;
  }

  // Closes the last run and returns the record of `size` scanned bytes.
  fileStats finish(int64_t size);

  bool includeFirstComment;
  int64_t pendingCommentChars = 0;
  int64_t pendingCodeChars = 0;
  int64_t commentRuns = 0;
  int64_t countCommentChars = 0;
  int64_t countCodeChars = 0;
  int64_t countCodeLine = 0;
  int64_t todoWords = 0;
  int64_t fixmeWords = 0;
  int todoState = 0;
  int fixmeState = 0;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_COMMENT_COUNTER_H_
