#include "ui/program_entry.h"

#include <exception>
#include <iostream>

#include "quillstat_version.h"
#include "ui/batch_run.h"
#include "ui/command_line.h"
#include "ui/command_line_help.h"
#include "ui/error_text.h"
#include "ui/language_list.h"
#include "ui/report_commands.h"
#include "ui/window_program.h"

namespace quillstat {

namespace {

// What was printed on stdout must have arrived: a full disk is a failure.
int finishPrinting() {
  if (std::cout.flush()) return 0;
  std::cerr << "quillstat: cannot write to standard output\n";
  return 1;
}

}  // namespace

int runProgram(const std::vector<std::string>& tokens, int argc, char** argv) {
  if (!tokens.empty() && isReportCommand(tokens[0])) {
    const int status = runReportCommand(tokens, std::cerr);
    return status == 0 ? finishPrinting() : status;
  }
  commandLineOptions options = scanOptions(tokens);
  for (const std::string& warning : options.warnings) {
    std::cerr << "quillstat: " << warning << '\n';
  }
  if (options.showHelp) {
    std::cout << commandLineHelpText(false);
    return finishPrinting();
  }
  if (options.showVersion) {
    std::cout << "quillstat " QUILLSTAT_VERSION "\n";
    return finishPrinting();
  }
  if (options.showLanguages) {
    std::cout << languageList();
    return finishPrinting();
  }
  if (!options.errors.empty()) {
    for (const std::string& error : options.errors) std::cerr << "quillstat: " << error << '\n';
    return batchReportFailed;
  }
  if (options.batchMode()) {
    try {
      return runBatch(options, std::cerr);
    } catch (const std::exception& error) {
      // Out of memory or threads: nothing more can be done, but it is said.
      std::cerr << "quillstat: " << error.what() << '\n';
      return batchReportFailed;
    }
  }
  if (!windowSystemAvailable()) return explainBatchMode("no window system to show the window on");
  ioError error = startWindowProgram(argc, argv);
  if (error.what == ioError::kind::notFound) return explainBatchMode("this installation has no window");
  std::cerr << "quillstat: cannot start " << windowProgramName << ": " << errorText(error) << '\n';
  return noWindowStatus;
}

}  // namespace quillstat
