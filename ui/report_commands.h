#ifndef QUILLSTAT_UI_REPORT_COMMANDS_H_
#define QUILLSTAT_UI_REPORT_COMMANDS_H_

#include <ostream>
#include <string>
#include <vector>

namespace quillstat {

// Whether `word`, the first of a command line, names a command that works
// on reports rather than on sources: "merge", "compare" or "trend".
bool isReportCommand(const std::string& word);

// Runs the report command tokens[0] names with the rest of `tokens` (see
// docs/data.md): its inputs are the words that are no option, its options
// those rows of the option table that mean the same there, and its own.
// Says each problem on `errors`, naming the file and the cause, and returns
// the exit status: 0, 1 when nothing could be written (bad options, an
// input that is no report of this format, reports that cannot be joined or
// compared), 3 when compare --fail-if-worse finds the head worse.
int runReportCommand(const std::vector<std::string>& tokens, std::ostream& errors);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_REPORT_COMMANDS_H_
