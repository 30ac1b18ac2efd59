#include "ui/batch_run.h"

#include <algorithm>

#include "analysis/analysis_manager.h"
#include "analysis/language_table.h"
#include "report/report_file.h"
#include "ui/file_identity.h"

namespace quillstat {

namespace {

// Whether `stats` is the record of the file `target`. Only records of the
// target's size can be, so an existing report in a big tree costs few lookups.
bool isRecordOf(const fileIdentity& target, const fileStats& stats) {
  if (stats.filename.empty() || stats.sizeFile != target.size) return false;
  std::optional<fileIdentity> analysed = identifyFile(stats.filename);
  return analysed && analysed->sameFileAs(target);
}

}  // namespace

batchStatus runBatch(const commandLineOptions& options, std::ostream& errors) {
  analysisManager manager(options.jobs);
  const bool includeFirstComment = !options.noFirstComment;
  if (options.inputFile) {
    manager.analyzeFile(*options.inputFile, options.languageIndex, includeFirstComment);
  } else {
    const std::string masks =
        options.masks.value_or(languageTable[options.languageIndex].defaultMasks);
    manager.analyzeDirectory(*options.inputDirectory, options.languageIndex, masks,
                             options.recursive, includeFirstComment);
  }
  for (const inputFailure& failure : manager.failures()) {
    errors << "quillstat: cannot read '" << failure.path << "': " << failure.reason << '\n';
  }

  const std::string& output = *options.outputPath;
  std::optional<fileIdentity> target;
  if (output != standardOutputName) target = identifyFile(output);
  if (target) {
    auto isOutput = [&](const fileStats& stats) { return isRecordOf(*target, stats); };
    // A file named on the command line is never overwritten; an earlier
    // report inside an analysed tree is about to be replaced, so it is no
    // input of this run.
    if (options.inputFile && std::ranges::any_of(manager.results(), isOutput)) {
      errors << "quillstat: will not write the report over '" << output
             << "': it is one of the analysed files\n";
      return batchReportFailed;
    }
    manager.leaveOut(isOutput);
  }
  std::string reason;
  if (!manager.writeReport(output, options.format, &reason)) {
    errors << "quillstat: cannot write report '" << output << "': " << reason << '\n';
    return batchReportFailed;
  }
  return manager.failures().empty() ? batchOk : batchInputUnreadable;
}

}  // namespace quillstat
