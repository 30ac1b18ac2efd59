#ifndef QUILLSTAT_UI_BATCH_RUN_H_
#define QUILLSTAT_UI_BATCH_RUN_H_

#include <ostream>

#include "ui/command_line.h"

namespace quillstat {

// Exit statuses of a batch run. When several apply, the lowest but 0 wins:
// without a report, nothing else can be trusted.
enum batchStatus {
  batchOk = 0,               // analysed and written
  batchReportFailed = 1,     // no report: it could not (or must not) be written, or the
                             // options or the file list could not be used
  batchInputUnreadable = 2,  // an input could not be read; the report was written
  batchGateFailed = 3        // a limit of the quality gate failed; the report was written
};

// Runs the one analysis that `options` name (a file wins over a directory;
// without -e the language's default masks; a file list stands alone) and
// writes its report, in the encoding --encoding names or, without it, in
// UTF-8 for standard output on a terminal, Windows-1251 elsewhere. Prints
// nothing when all goes well; otherwise one line per problem on `errors`, naming the path
// (its control bytes escaped, as shownName shows them) and the cause, and one
// per failed limit; a directory run that selects no file is said too, and
// why: the masks, the languages of -l auto, or --exclude. A txt or html
// report on a terminal shows the control bytes of names escaped too.
// While a directory or list is analysed, a progress line
// is drawn on `errors` when standard error is a terminal, unless
// `options.quiet` or the list is typed there. Opens the report and the
// todo list before it reads anything and writes both or neither. Never
// writes an output over a file that the run analysed, but for a file in the
// analysed tree that this program wrote (own_output.h), which it leaves out
// of the analysis; nor both outputs into one regular file.
batchStatus runBatch(const commandLineOptions& options, std::ostream& errors);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_BATCH_RUN_H_
