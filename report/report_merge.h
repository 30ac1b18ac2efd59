#ifndef QUILLSTAT_REPORT_REPORT_MERGE_H_
#define QUILLSTAT_REPORT_REPORT_MERGE_H_

#include <string>
#include <vector>

#include "report/report_reading.h"

namespace quillstat {

// A report read back and the name it was read from, for the messages.
struct namedReport {
  std::string name;
  readReport report;
};

// The first option in which the runs of `a` and `b` differ (language,
// mode or first-comment choice), as "mode (-x) 'classic' and 'exact'"; ""
// when they are one kind of run.
std::string runDifference(const runDescription& a, const runDescription& b);

// Joins `parts` (at least one) into the report of one run over all their
// files in the order given: the run over the concatenated lists, so an
// input "fileList" read from "-" (with its label when every part has the
// same, and the todo entries when every part has them), the records, skipped
// counts, failures and todo entries of each part after those of the one
// before. Returns false with a message when the parts were made by
// different runs (their language, mode or first-comment choice differ: the
// message names the option, its two values and the two reports) or when a
// file is in two of them (naming the path and the two reports).
bool mergeReports(std::vector<namedReport>& parts, readReport* merged, std::string* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_MERGE_H_
