#ifndef QUILLSTAT_ENGINE_COMMENT_COUNTER_H_
#define QUILLSTAT_ENGINE_COMMENT_COUNTER_H_

#include <cstdint>
#include <vector>

#include "engine/file_stats.h"
#include "engine/word_detectors.h"
#include "engine/word_places.h"

namespace quillstat {

// The counting frame that every scanner shares. Characters gather in two
// pending counters; a comment run is closed only by the next plain code
// character (flushRun), so comments with nothing but strings, lone slashes or
// other comments between them count as one. The first run closed in a file is
// left out of the comment figures unless includeFirstComment is set.
struct commentCounter {
  explicit commentCounter(bool includeFirst, std::vector<wordPlace>* wordPlaces = nullptr)
      : includeFirstComment(includeFirst), places(wordPlaces) {}

  // A plain code character in Code: counted, then the pending run is closed.
  void plainCode(bool isStatementMark) {
    countCodeLine += isStatementMark;
    ++pendingCodeChars;
    flushRun();
  }

  void flushRun() {
    const bool counted = commentRuns >= 1 || includeFirstComment;
    if (counted) countCommentChars += pendingCommentChars;
    if (pendingCommentChars > 0) {
      // A doc comment's opener is comment characters: a run with one is pending.
      docRuns += pendingDoc & counted;
      pendingDoc = false;
      ++commentRuns;
    }
    countCodeChars += pendingCodeChars;
    pendingCommentChars = 0;
    pendingCodeChars = 0;
  }

  // An ordinary comment character goes to both detectors. Returns whether
  // it ended a word, which then stands right before it.
  bool offer(unsigned char current, unsigned char previous) {
    const bool todo = stepTodo(todoState, current, previous);
    const bool fixme = stepFixme(fixmeState, current, previous);
    todoWords += todo;
    fixmeWords += fixme;
    return todo | fixme;
  }

  // A character that ends, or may end, a comment finishes a word already
  // under way but starts none; afterwards both detectors are reset. Returns
  // whether it ended a word.
  bool offerIfPending(unsigned char current, unsigned char previous) {
    const bool todo = todoState != 0 && stepTodo(todoState, current, previous);
    const bool fixme = fixmeState != 0 && stepFixme(fixmeState, current, previous);
    todoWords += todo;
    fixmeWords += fixme;
    todoState = 0;
    fixmeState = 0;
    return todo | fixme;
  }

  // The content ends right after the last byte offered: a whole word under
  // way counts, as no letter follows it ("// todo" with no line end); the
  // detectors are reset. Only the exact rules call it: the classic ones never
  // counted such a word. Returns whether it ended a word.
  bool offerContentEnd() { return offerIfPending(0, 0); }

  // Records the word that ended right before the byte at content offset
  // `end`; `lastLetter`, the byte before that one, tells which word it was.
  // Only when places is set: the frames call it for a word offer() or
  // offerIfPending() reported.
  void placeWord(int64_t end, unsigned char lastLetter);

  // Closes the last run and returns the record of `size` scanned bytes.
  fileStats finish(int64_t size);

  bool includeFirstComment;
  int64_t pendingCommentChars = 0;
  int64_t pendingCodeChars = 0;
  int64_t commentRuns = 0;
  // The run under way holds a doc comment; the counted runs that held one.
  bool pendingDoc = false;
  int64_t docRuns = 0;
  int64_t countCommentChars = 0;
  int64_t countCodeChars = 0;
  int64_t countCodeLine = 0;
  int64_t todoWords = 0;
  int64_t fixmeWords = 0;
  int todoState = 0;
  int fixmeState = 0;
  // Where each counted word starts, in content order; null: not recorded.
  std::vector<wordPlace>* places = nullptr;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_COMMENT_COUNTER_H_
