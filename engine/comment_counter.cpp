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
  stats.todoWordsCount = todoWords;
  stats.fixmeWordsCount = fixmeWords;
  return stats;
}

}  // namespace quillstat
