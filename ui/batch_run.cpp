#include "ui/batch_run.h"

#include <algorithm>

#include "analysis/analysis_manager.h"
#include "analysis/language_table.h"
#include "report/report_file.h"
#include "report/report_writer.h"
#include "ui/error_text.h"
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
  const analysisManager manager(machineFileSystem(), options.jobs);
  const languageEntry& language = languageTable[options.languageIndex];
  const scanner& scan = options.exact ? language.exact : language.classic;
  const bool includeFirstComment = !options.noFirstComment;
  analysisResult result =
      options.inputFile
          ? manager.analyzeFile(*options.inputFile, scan, includeFirstComment)
          : manager.analyzeDirectory(*options.inputDirectory,
                                     options.masks.value_or(language.defaultMasks),
                                     options.recursive, scan, includeFirstComment);
  for (const inputFailure& failure : result.failures) {
    errors << "quillstat: cannot read '" << failure.path << "': " << errorText(failure.error)
           << '\n';
  }

  const std::string& output = *options.outputPath;
  std::optional<fileIdentity> target;
  if (output != standardOutputName) target = identifyFile(output);
  if (target) {
    auto isOutput = [&](const fileStats& stats) { return isRecordOf(*target, stats); };
    // A file named on the command line is never overwritten; an earlier
    // report inside an analysed tree is about to be replaced, so it is no
    // input of this run.
    if (options.inputFile && std::ranges::any_of(result.records, isOutput)) {
      errors << "quillstat: will not write the report over '" << output
             << "': it is one of the analysed files\n";
      return batchReportFailed;
    }
    std::erase_if(result.records, isOutput);
  }
  ioError error;
  if (!writeReport(output, options.format, result, &error)) {
    errors << "quillstat: cannot write report '" << output << "': " << errorText(error) << '\n';
    return batchReportFailed;
  }
  return result.failures.empty() ? batchOk : batchInputUnreadable;
}

}  // namespace quillstat
