#include "analysis/add_stats.h"

namespace quillstat {

fileStats addStats(const fileStats& a, const fileStats& b) {
  fileStats sum;
  sum.sizeFile = a.sizeFile + b.sizeFile;
  sum.countCommentChars = a.countCommentChars + b.countCommentChars;
  sum.countCodeChars = a.countCodeChars + b.countCodeChars;
  sum.countOfComment = a.countOfComment + b.countOfComment;
  sum.countCodeLine = a.countCodeLine + b.countCodeLine;
  sum.todoWordsCount = a.todoWordsCount + b.todoWordsCount;
  sum.fixmeWordsCount = a.fixmeWordsCount + b.fixmeWordsCount;
  return sum;
}

}  // namespace quillstat
