#ifndef QUILLSTAT_ENGINE_FILE_STATS_H_
#define QUILLSTAT_ENGINE_FILE_STATS_H_

#include <cstdint>
#include <string>

namespace quillstat {

// The figures of one file, or with an empty name a total over several files.
// Counters are 64-bit so that neither a file over 4 GiB nor a big total wraps.
struct fileStats {
  int64_t sizeFile = 0;           // bytes of the file on disk
  int64_t countCommentChars = 0;  // characters of counted comments, delimiters included
  int64_t countCodeChars = 0;     // characters outside comments that the scanner counted
  int64_t countOfComment = 0;     // comment runs, after the first-comment rule
  int64_t countCodeLine = 0;      // statement marks met outside comments and strings
  int64_t todoWordsCount = 0;     // the word todo inside comments
  int64_t fixmeWordsCount = 0;    // the word fixme inside comments
  std::string filename;           // the path as given; empty in totals and for unreadable files
  // The lines of the content, by what they hold (see line_counter.h); the
  // exact rules only, zero under the classic ones.
  int64_t lines = 0;
  int64_t blankLines = 0;
  int64_t commentLines = 0;
  int64_t codeLines = 0;
  // Doc comments (exact_rules.h, docRule), the exact rules only: the comment
  // runs that hold one, after the first-comment rule, and the comment lines
  // with a byte of one that is no blank. Subsets of countOfComment and
  // commentLines.
  int64_t docComments = 0;
  int64_t docCommentLines = 0;

  bool operator==(const fileStats&) const = default;
};

// Adds the counters of b to *sum, field by field; the name of *sum stays.
// Totals start from the all-zero record, with an empty name, and add each
// record in list order.
inline void addStats(fileStats* sum, const fileStats& b) {
  sum->sizeFile += b.sizeFile;
  sum->countCommentChars += b.countCommentChars;
  sum->countCodeChars += b.countCodeChars;
  sum->countOfComment += b.countOfComment;
  sum->countCodeLine += b.countCodeLine;
  sum->todoWordsCount += b.todoWordsCount;
  sum->fixmeWordsCount += b.fixmeWordsCount;
  sum->lines += b.lines;
  sum->blankLines += b.blankLines;
  sum->commentLines += b.commentLines;
  sum->codeLines += b.codeLines;
  sum->docComments += b.docComments;
  sum->docCommentLines += b.docCommentLines;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FILE_STATS_H_
