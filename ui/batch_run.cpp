#include "ui/batch_run.h"

#include "analysis/analysis_manager.h"
#include "analysis/language_table.h"
#include "ui/file_identity.h"

namespace quillstat {

namespace {

// Whether `output` is one of the files the analysis read. Only records of
// the output's size can be it, so an existing report in a big tree costs
// few lookups.
bool outputWasAnalysed(const std::string& output, const std::vector<fileStats>& results) {
  std::optional<fileIdentity> target = identifyFile(output);
  if (!target) return false;
  for (const fileStats& stats : results) {
    if (stats.filename.empty() || stats.sizeFile != target->size) continue;
    std::optional<fileIdentity> analysed = identifyFile(stats.filename);
    if (analysed && analysed->sameFileAs(*target)) return true;
  }
  return false;
}

}  // namespace

batchStatus runBatch(const commandLineOptions& options, std::ostream& errors) {
  analysisManager manager(options.jobs);
  const bool includeFirstComment = !options.noFirstComment;
  if (options.inputFile) {
    manager.analyzeFile(*options.inputFile, options.languageIndex, options.exact,
                        includeFirstComment);
  } else {
    const std::string masks =
        options.masks.value_or(languageTable[options.languageIndex].defaultMasks);
    manager.analyzeDirectory(*options.inputDirectory, options.languageIndex, options.exact, masks,
                             options.recursive, includeFirstComment);
  }
  for (const inputFailure& failure : manager.failures()) {
    errors << "quillstat: cannot read '" << failure.path << "': " << failure.reason << '\n';
  }

  const std::string& output = *options.outputPath;
  if (outputWasAnalysed(output, manager.results())) {
    errors << "quillstat: will not write the report over '" << output
           << "': it is one of the analysed files\n";
    return batchReportFailed;
  }
  std::string reason;
  if (!manager.writeReport(output, options.format, &reason)) {
    errors << "quillstat: cannot write report '" << output << "': " << reason << '\n';
    return batchReportFailed;
  }
  return manager.failures().empty() ? batchOk : batchInputUnreadable;
}

}  // namespace quillstat
