#ifndef QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
#define QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_

#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"

namespace quillstat {

// What one analysis found, for the summary and for any number of reports.
struct analysisResult {
  // One record per file, in walk order; a file that could not be read has
  // the all-zero record with an empty name.
  std::vector<fileStats> records;
  // A directory analysis; its reports end with the total over the records.
  bool fromDirectory = false;
  // The inputs that could not be read: directories that could not be
  // listed, then files, each in walk order.
  std::vector<inputFailure> failures;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
