#include "ui/batch_run.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "analysis/analysis_manager.h"
#include "engine/file_system.h"
#include "report/own_output.h"
#include "report/shown_name.h"
#include "ui/error_text.h"
#include "ui/file_identity.h"
#include "ui/file_list.h"
#include "ui/progress_line.h"
#include "ui/quality_gate.h"
#include "ui/run_outputs.h"
#include "ui/terminal.h"

namespace quillstat {

namespace {

// Whether `stats` is the record of the file `target`. Only records of the
// target's size can be, so an existing report in a big tree costs few lookups.
bool isRecordOf(const fileIdentity& target, const fileRecord& record) {
  const fileStats& stats = record.stats;
  if (stats.filename.empty() || stats.sizeFile != target.size) return false;
  std::optional<fileIdentity> analysed = identifyFile(stats.filename);
  return analysed && analysed->sameFileAs(target);
}

// What a JSON report tells of this run.
runDescription describeRun(const commandLineOptions& options) {
  const fileRules rules{options.languageIndex, options.exact};
  runDescription run;
  run.language = languageNameOf(rules);
  run.mode = modeNameOf(rules);
  run.countFirstComment = !options.noFirstComment;
  run.label = options.label.value_or("");
  run.todoEntries = options.todoList.has_value();
  if (options.inputFile) {
    run.input = inputKind::file;
    run.path = *options.inputFile;
  } else if (options.filesFrom) {
    run.input = inputKind::fileList;
    run.path = *options.filesFrom;
  } else {
    run.input = inputKind::directory;
    run.path = *options.inputDirectory;
    run.recursive = options.recursive;
    run.masks = options.masks.value_or(defaultMasksOf(rules));
  }
  return run;
}

bool reportsToTerminal(const commandLineOptions& options) {
  return *options.outputPath == standardOutputName && standardOutputIsTerminal();
}

// A report on a terminal is read there: in UTF-8, unless asked otherwise.
textEncoding encodingOf(const commandLineOptions& options) {
  if (options.encoding) return *options.encoding;
  return reportsToTerminal(options) ? textEncoding::utf8 : textEncoding::windows1251;
}

// How a list run ended when it could not use its list.
struct listProblem {
  ioError error;         // a read failure
  bool holdsNul = false;  // a NUL byte in a list of lines
};

// Analyses what `run` names. A list that cannot be read to its end leaves
// *problem set and the result unusable.
analysisResult analyse(const commandLineOptions& options, const runDescription& run,
                       std::ostream& errors, listProblem* problem) {
  // The dashboard shows the todo list too.
  const bool listWords = options.todoList || options.format == reportFormat::dashboard;
  const analysisManager manager(machineFileSystem(), options.jobs, listWords);
  const analysisSettings settings{
      {options.languageIndex, options.exact, !options.includeGenerated}, run.countFirstComment,
      options.excludes, !options.noIgnore, !options.includeVendored};
  if (run.input == inputKind::file) return manager.analyzeFile(run.path, settings);
  if (run.input == inputKind::directory && run.path.empty()) {
    // The core would take "" for the working directory, as no user means it.
    analysisResult result;
    result.fromDirectory = true;
    result.failures.push_back({run.path, {ioError::kind::notFound, 0}});
    return result;
  }

  fileList list(options.nulSeparated ? '\0' : '\n');
  if (run.input == inputKind::fileList && !list.open(run.path, &problem->error)) return {};
  // Nothing is drawn over paths that the user types at the terminal.
  const bool drawProgress =
      !options.quiet && standardErrorIsTerminal() &&
      !(run.input == inputKind::fileList && list.readsTerminal());
  std::unique_ptr<progressLine> line;
  analysisManager::progressCallback progress;
  if (drawProgress) {
    line = std::make_unique<progressLine>(errors);
    progress = [&line](size_t done, size_t found, int64_t bytes) {
      line->update(done, found, bytes);
    };
  }
  if (run.input == inputKind::directory) {
    return manager.analyzeDirectory(run.path, run.masks, run.recursive, settings, progress);
  }
  analysisResult result = manager.analyzeFiles(
      [&list](std::string* path) { return list.next(path); }, settings, progress);
  problem->error = list.error();
  problem->holdsNul = list.holdsNul();
  return result;
}

// Whether the file at `path` begins as a file this program writes; false
// when it cannot be read.
bool readsAsOwnOutput(const std::string& path) {
  fileSystem& files = machineFileSystem();
  intptr_t handle;
  int64_t size;
  ioError error;
  if (!files.openFile(path, pathType::unchecked, &handle, &size, &error)) return false;
  std::string head(ownOutputHeadSize, '\0');
  size_t filled = 0;
  size_t got = 0;
  bool read = true;
  while (filled < head.size() &&
         (read = files.readFile(handle, head.data() + filled, head.size() - filled, &got, &error)) &&
         got > 0) {
    filled += got;
  }
  files.closeFile(handle);
  head.resize(filled);
  return read && looksLikeOwnOutput(head);
}

// A file named on the command line or in a list is never overwritten by an
// output. In an analysed tree, a file this program wrote is about to be
// replaced, so it is no input of this run: its record and its words go; any
// other file there is a source, which a mistyped name would destroy.
void keepOutputsApart(inputKind input, std::vector<runOutput>* outputs, analysisResult* result) {
  for (runOutput& out : *outputs) {
    const std::optional<fileIdentity> target = reportTarget(out.path);
    if (!target) continue;
    auto isOutput = [&](const fileRecord& record) { return isRecordOf(*target, record); };
    if (input != inputKind::directory) {
      out.refused = std::ranges::any_of(result->records, isOutput);
      continue;
    }
    // A walk names each path once, so the paths tell the records and the words.
    std::vector<std::string> left;
    for (const fileRecord& record : result->records) {
      if (isOutput(record)) left.push_back(record.stats.filename);
    }
    out.refused = !std::ranges::all_of(left, readsAsOwnOutput);
    if (out.refused) continue;
    auto leaves = [&](const std::string& path) {
      return std::ranges::find(left, path) != left.end();
    };
    std::erase_if(result->records,
                  [&](const fileRecord& record) { return leaves(record.stats.filename); });
    std::erase_if(result->todos, [&](const todoItem& item) { return leaves(item.path); });
  }
}

}  // namespace

batchStatus runBatch(const commandLineOptions& options, std::ostream& errors) {
  reportSettings settings;
  settings.format = options.format;
  settings.encoding = encodingOf(options);
  settings.run = describeRun(options);
  settings.content = contentOf({options.languageIndex, options.exact}, options.byDirDepth);
  // A terminal would act on a name's control bytes.
  settings.content.namesEscaped = reportsToTerminal(options);
  settings.describeError = describeFailure;
  std::vector<runOutput> outputs;
  if (!openOutputs(*options.outputPath, options.todoList, &outputs, errors)) {
    return batchReportFailed;
  }
  listProblem problem;
  analysisResult result = analyse(options, settings.run, errors, &problem);
  if (problem.holdsNul) {
    errors << "quillstat: the file list '" << shownName(settings.run.path)
           << "' holds a NUL byte: its paths end in NUL? then add --null\n";
    return batchReportFailed;
  }
  if (problem.error.failed()) {
    errors << "quillstat: cannot read the file list '" << shownName(settings.run.path)
           << "': " << errorText(problem.error) << '\n';
    return batchReportFailed;
  }
  for (const inputFailure& failure : result.failures) {
    errors << "quillstat: cannot read '" << shownName(failure.path)
           << "': " << errorText(failure.error) << '\n';
  }
  for (const skippedEntry& entry : result.skippedEntries) {
    errors << "quillstat: skipped '" << shownName(entry.path) << "': "
           << (entry.why == skippedEntry::reason::danglingLink
                   ? "a symbolic link that leads nowhere"
                   : "not a regular file")
           << '\n';
  }
  if (settings.run.input == inputKind::directory && result.records.empty() &&
      result.failures.empty() && !result.skipped.any() &&
      result.skippedEntries.empty()) {
    // -l auto without masks takes every file.
    const std::string masks = settings.content.recordLanguages && settings.run.masks.empty()
                                  ? ""
                                  : "the masks '" + shownName(settings.run.masks) + "'";
    const std::string directory = "'" + shownName(settings.run.path) + "'";
    if (result.excluded > 0) {
      errors << "quillstat: every file in " << directory
             << (masks.empty() ? "" : " that matches " + masks) << " is excluded by --exclude\n";
    } else {
      errors << "quillstat: no file in " << directory << ' '
             << (masks.empty() ? "is of a language that -l auto knows" : "matches " + masks)
             << '\n';
    }
  }

  keepOutputsApart(settings.run.input, &outputs, &result);
  batchStatus status = result.failures.empty() ? batchOk : batchInputUnreadable;
  if (!writeOutputs(outputs, settings, result, errors)) status = batchReportFailed;
  // The total is summed again only for a gate: a pass over every record.
  const std::vector<std::string> gateLines =
      options.gate.any() ? gateFailures(options.gate, totalOf(result)) : std::vector<std::string>{};
  for (const std::string& line : gateLines) errors << "quillstat: " << line << '\n';
  return status == batchOk && !gateLines.empty() ? batchGateFailed : status;
}

}  // namespace quillstat
