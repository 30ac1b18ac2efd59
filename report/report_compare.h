#ifndef QUILLSTAT_REPORT_REPORT_COMPARE_H_
#define QUILLSTAT_REPORT_REPORT_COMPARE_H_

#include <string>
#include <vector>

#include "report/report_reading.h"

namespace quillstat {

// The files of one group (a language, a directory, all) in two runs.
struct comparedGroup {
  std::string name;  // the language's or the directory's ("." for the top); "" for all
  int64_t added = 0;    // files only in the head
  int64_t removed = 0;  // files only in the base
  int64_t changed = 0;  // files in both whose figures differ
  fileStats before;     // the sum of the group's files in the base
  fileStats after;      // and in the head
};

// What changed from a base run to a head run. Files are matched by their
// path below the run's directory when both are directory runs, so a run of
// another checkout of the same tree compares file by file; else by their
// paths as written.
struct comparison {
  bool lineFigures = false;  // densities are comment-line densities, else comment shares
  comparedGroup total;
  std::vector<comparedGroup> languages;    // in the order of the language table
  std::vector<comparedGroup> directories;  // by path
  comparedGroup changedFiles;  // the files added, removed or changed: their sums
  // The todo and fixme entries of the head that the base has not, and those
  // of the base that the head has not, each in its report's order. Entries
  // are matched by file, word and text, one for one, so a word that only
  // moved within its file is in neither list.
  std::vector<todoItem> newTodos;
  std::vector<todoItem> goneTodos;
};

// Compares `base` with `head`, grouping directories down to `directoryDepth`
// (at least 1) below the run's directory. Returns false with the reason
// when they come from different kinds of run (see runDifference), or when
// either lacks the todo entries (naming it: `baseName`, `headName`).
bool compareReports(const readReport& base, const std::string& baseName, const readReport& head,
                    const std::string& headName, int directoryDepth, comparison* out,
                    std::string* error);

// The density a comparison shows of `figures`: the comment-line density
// with the line figures, else the comment share, as the reports round them.
double densityOf(const fileStats& figures, bool lineFigures);

// Whether the changed files got worse: their todo and fixme words grew by
// more than `maxNewTodo`, or their density fell by more than
// `maxDensityDrop` percentage points (compared only where both sides have
// comment or code). The reasons, one line each, in *reasons.
bool isWorse(const comparison& c, int64_t maxNewTodo, double maxDensityDrop,
             std::vector<std::string>* reasons);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_COMPARE_H_
