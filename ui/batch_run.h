#ifndef QUILLSTAT_UI_BATCH_RUN_H_
#define QUILLSTAT_UI_BATCH_RUN_H_

#include <ostream>

#include "ui/command_line.h"

namespace quillstat {

// Exit statuses of a batch run.
enum batchStatus {
  batchOk = 0,              // analysed and written
  batchReportFailed = 1,    // the report could not (or must not) be written
  batchInputUnreadable = 2  // an input could not be read; the report was written
};

// Runs the one analysis that `options` name (a file wins over a directory;
// without -e the language's default masks) and writes its report. Prints
// nothing when all goes well; otherwise one line per problem on `errors`,
// naming the path and the cause. Never writes the report over a file that
// the run analysed.
batchStatus runBatch(const commandLineOptions& options, std::ostream& errors);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_BATCH_RUN_H_
