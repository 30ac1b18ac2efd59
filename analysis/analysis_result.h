#ifndef QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
#define QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_

#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"
#include "engine/word_places.h"

namespace quillstat {

// What one analysis found, for the summary and for any number of reports.
struct analysisResult {
  // One record per file, in walk (or list) order; a file that could not be
  // read has the all-zero record with an empty name.
  std::vector<fileStats> records;
  // A directory or file-list analysis; its reports end with the total over
  // the records.
  bool fromDirectory = false;
  // The inputs that could not be read: directories that could not be
  // listed, then files, each in walk order.
  std::vector<inputFailure> failures;
  // When the words were listed (analysisManager's listWords): every todo
  // and fixme word the records count, in record order and in each file in
  // content order; as many as the records' todoWordsCount and
  // fixmeWordsCount together.
  std::vector<todoItem> todos;
};

// The sum of all records (see addStats), with an empty name.
inline fileStats totalOf(const analysisResult& result) {
  fileStats total;
  for (const fileStats& record : result.records) total = addStats(total, record);
  return total;
}

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ANALYSIS_RESULT_H_
