#ifndef QUILLSTAT_UI_REPORT_COMMANDS_PARSE_H_
#define QUILLSTAT_UI_REPORT_COMMANDS_PARSE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "ui/command_line.h"

namespace quillstat {

// A report command's line (report_commands.h), scanned.
struct subCommandLine {
  std::vector<std::string> inputs;  // the words that are no option, in order
  // The options of the option table that the command takes, scanned as a
  // batch run scans them (command_line.h); compare's -o is "-" unless given.
  commandLineOptions options;
  // compare and trend: -t, which names a view of their own ("txt" unless given).
  std::string view = "txt";
  bool failIfWorse = false;    // compare --fail-if-worse
  int64_t maxNewTodo = 0;      // compare --max-new-todo N
  double maxDensityDrop = 0;   // compare --max-density-drop P, in percentage points
  // One line per problem, as scanOptions words them: an option the command
  // does not take, a missing or bad value, a missing -o or the wrong number
  // of inputs.
  std::vector<std::string> errors;
};

// Scans tokens[1...] for the command tokens[0] names ("merge", "compare" or
// "trend"). The options are written as for a batch run, each with its value
// as the next word or after '='.
subCommandLine scanSubCommand(const std::vector<std::string>& tokens);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_REPORT_COMMANDS_PARSE_H_
