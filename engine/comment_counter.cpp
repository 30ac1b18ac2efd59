#include "engine/comment_counter.h"

namespace quillstat {

fileStats commentCounter::finish(int64_t size) {
  flushRun();
  fileStats stats;
  stats.sizeFile = size;
  stats.countCommentChars = countCommentChars;
  stats.countCodeChars = countCodeChars;
  stats.countOfComment = includeFirstComment ? commentRuns : (commentRuns > 0 ? commentRuns - 1 : 0);
  stats.countCodeLine = countCodeLine;
  stats.docComments = docRuns;
  stats.todoWordsCount = todoWords;
  stats.fixmeWordsCount = fixmeWords;
  return stats;
}

void commentCounter::placeWord(int64_t end, unsigned char lastLetter) {
  // Both words end in a letter of their own, so the last one tells them apart.
  const bool todo = (lastLetter | 0x20) == 'o';
  places->push_back({end - (todo ? 4 : 5), todo ? wordKind::todo : wordKind::fixme});
}

}  // namespace quillstat
