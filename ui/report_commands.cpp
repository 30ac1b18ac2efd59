#include "ui/report_commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <cstring>

#include "analysis/analysis_manager.h"
#include "engine/file_system.h"
#include "report/compare_views.h"
#include "report/report_compare.h"
#include "report/report_file.h"
#include "report/report_merge.h"
#include "report/shown_name.h"
#include "report/trend_page.h"
#include "ui/batch_run.h"
#include "ui/command_line.h"
#include "ui/error_text.h"
#include "ui/git_tree.h"
#include "ui/option_table.h"
#include "ui/report_commands_parse.h"
#include "ui/run_outputs.h"
#include "ui/terminal.h"

namespace quillstat {

namespace {

// Reads the whole file at `path` into *text; false with the reason in *error.
bool readWholeFile(const std::string& path, std::string* text, ioError* error) {
  fileSystem& files = machineFileSystem();
  intptr_t handle;
  int64_t size;
  if (!files.openFile(path, pathType::unchecked, &handle, &size, error)) return false;
  text->clear();
  text->reserve(static_cast<size_t>(std::max<int64_t>(size, 0)));
  char buffer[1 << 16];
  size_t got = 0;
  bool read = true;
  while ((read = files.readFile(handle, buffer, sizeof buffer, &got, error)) && got > 0) {
    text->append(buffer, got);
  }
  files.closeFile(handle);
  return read;
}

// Reads each input as a JSON report; says what failed.
bool readReports(const std::vector<std::string>& inputs, std::vector<namedReport>* reports,
                 std::ostream& errors) {
  bool all = true;
  std::string text;
  for (const std::string& input : inputs) {
    ioError error;
    std::string problem;
    namedReport named{input, {}};
    if (!readWholeFile(input, &text, &error)) {
      errors << "quillstat: cannot read '" << shownName(input) << "': " << errorText(error)
             << '\n';
      all = false;
    } else if (!readJsonReport(text, &named.report, &problem)) {
      errors << "quillstat: cannot use '" << shownName(input) << "': " << problem << '\n';
      all = false;
    } else {
      reports->push_back(std::move(named));
    }
  }
  return all;
}

bool toTerminal(const std::string& output) {
  return output == standardOutputName && standardOutputIsTerminal();
}

// The failures read back keep their place in systemCode, which their
// message is found by: the messages were the system's words of the runs.
void numberFailures(analysisResult* result) {
  for (size_t i = 0; i < result->failures.size(); ++i) {
    result->failures[i].error.systemCode = static_cast<int>(i);
  }
}

int runMerge(const subCommandLine& line, std::ostream& errors) {
  const commandLineOptions& options = line.options;
  std::vector<namedReport> parts;
  if (!readReports(line.inputs, &parts, errors)) return batchReportFailed;
  readReport merged;
  std::string problem;
  if (!mergeReports(parts, &merged, &problem)) {
    errors << "quillstat: cannot merge: " << shownName(problem) << '\n';
    return batchReportFailed;
  }
  const bool wordsWanted = options.format == reportFormat::dashboard || options.todoList;
  const fileStats total = totalOf(merged.result);
  if (wordsWanted && !merged.hasTodos && total.todoWordsCount + total.fixmeWordsCount > 0) {
    errors << "quillstat: cannot merge: the " << (options.todoList ? "todo list" : "dashboard")
           << " needs the todo entries, which a report lacks: run each part with --todo-list\n";
    return batchReportFailed;
  }
  reportSettings settings;
  settings.format = options.format;
  settings.encoding = options.encoding.value_or(
      toTerminal(*options.outputPath) ? textEncoding::utf8 : textEncoding::windows1251);
  settings.content = contentOf(merged.rules, options.byDirDepth);
  settings.content.namesEscaped = toTerminal(*options.outputPath);
  settings.run = merged.run;
  if (options.label) settings.run.label = *options.label;
  settings.run.todoEntries = merged.hasTodos;
  numberFailures(&merged.result);
  const std::vector<std::string>& messages = merged.failureMessages;
  settings.describeError = [&messages](const ioError& error) {
    return failureWords{error.what, messages[static_cast<size_t>(error.systemCode)]};
  };
  // The report and the todo list are written both or neither, as a run's are.
  std::vector<runOutput> outputs;
  if (!openOutputs(*options.outputPath, options.todoList, &outputs, errors) ||
      !writeOutputs(outputs, settings, merged.result, errors)) {
    return batchReportFailed;
  }
  return batchOk;
}

// Writes `text` to `path` as a report is written (report_file.h).
bool writeText(const std::string& path, const std::string& text, std::ostream& errors) {
  reportFile file;
  ioError error;
  if (file.open(path, &error) && file.write(text.data(), text.size(), &error) &&
      file.commit(&error)) {
    return true;
  }
  errors << "quillstat: cannot write '" << shownName(path) << "': " << errorText(error) << '\n';
  return false;
}

constexpr std::string_view revisionMark = "git:";

// The run that the options name (-d, -s, -l, -x, -e, -nf, --exclude), over
// `files`: the machine's or a revision's. Says the files it could not read.
bool runOver(fileSystem& files, const subCommandLine& line, readReport* out,
             std::ostream& errors) {
  const commandLineOptions& options = line.options;
  const fileRules rules{options.languageIndex, options.exact};
  runDescription& run = out->run;
  run.language = languageNameOf(rules);
  run.mode = modeNameOf(rules);
  run.input = inputKind::directory;
  run.path = *options.inputDirectory;
  run.recursive = options.recursive;
  run.masks = options.masks.value_or(defaultMasksOf(rules));
  run.countFirstComment = !options.noFirstComment;
  run.todoEntries = true;
  out->rules = rules;
  out->hasTodos = true;
  const analysisManager manager(files, options.jobs, true);
  const analysisSettings settings{rules, run.countFirstComment, options.excludes};
  out->result = manager.analyzeDirectory(run.path, run.masks, run.recursive, settings, {});
  for (const inputFailure& failure : out->result.failures) {
    errors << "quillstat: cannot read '" << shownName(failure.path)
           << "': " << errorText(failure.error) << '\n';
  }
  return true;
}

// The report that `input` names: a JSON report, "git:REV" for the run over
// that revision of the -d directory, or "" for the run over its work tree.
bool obtainReport(const std::string& input, const subCommandLine& line, namedReport* out,
                  std::ostream& errors) {
  const bool revision = input.starts_with(revisionMark);
  if ((revision || input.empty()) && !line.options.inputDirectory) {
    errors << "quillstat: compare needs -d DIR, the directory to run over, for ";
    if (revision) {
      errors << "'" << shownName(input) << "'\n";
    } else {
      errors << "the work tree\n";
    }
    return false;
  }
  if (input.empty()) {
    out->name = *line.options.inputDirectory;
    return runOver(machineFileSystem(), line, &out->report, errors);
  }
  if (revision) {
    gitTree tree;
    std::string problem;
    out->name = input;
    if (!tree.open(*line.options.inputDirectory, input.substr(revisionMark.size()), &problem)) {
      errors << "quillstat: cannot read '" << shownName(input) << "' of '"
             << shownName(*line.options.inputDirectory) << "': " << problem << '\n';
      return false;
    }
    return runOver(tree, line, &out->report, errors);
  }
  std::vector<namedReport> one;
  if (!readReports({input}, &one, errors)) return false;
  *out = std::move(one.front());
  return true;
}

int runCompare(const subCommandLine& line, std::ostream& errors) {
  namedReport base;
  namedReport head;
  // Without HEAD, the head is the -d directory's work tree.
  const std::string headInput = line.inputs.size() > 1 ? line.inputs[1] : "";
  if (!obtainReport(line.inputs[0], line, &base, errors) ||
      !obtainReport(headInput, line, &head, errors)) {
    return batchReportFailed;
  }
  comparison result;
  std::string problem;
  const int depth = std::max(line.options.byDirDepth, 1);
  if (!compareReports(base.report, base.name, head.report, head.name, depth, &result, &problem)) {
    errors << "quillstat: cannot compare: " << shownName(problem) << '\n';
    return batchReportFailed;
  }
  const std::string text = formatComparison(result, line.view, base.name, head.name);
  if (!writeText(*line.options.outputPath, text, errors)) return batchReportFailed;
  std::vector<std::string> reasons;
  if (!line.failIfWorse ||
      !isWorse(result, line.maxNewTodo, line.maxDensityDrop, &reasons)) {
    return batchOk;
  }
  for (const std::string& reason : reasons) errors << "quillstat: " << reason << '\n';
  return batchGateFailed;
}

// The date of the file at `path` as the trend labels a report without a
// label: "2026-12-07 21:51" (UTC); "" when it cannot be learnt.
std::string fileDate(const std::string& path) {
  std::error_code failed;
  const auto written = std::filesystem::last_write_time(std::filesystem::u8path(path), failed);
  if (failed) return "";
  const auto time = std::chrono::floor<std::chrono::minutes>(
      std::chrono::file_clock::to_sys(written));
  const auto day = std::chrono::floor<std::chrono::days>(time);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss clock(time - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

int runTrend(const subCommandLine& line, std::ostream& errors) {
  std::vector<namedReport> read;
  if (!readReports(line.inputs, &read, errors)) return batchReportFailed;
  std::vector<trendReport> reports;
  for (namedReport& named : read) {
    std::string label = named.report.run.label;
    if (label.empty()) label = fileDate(named.name);
    reports.push_back({label, std::move(named.report)});
  }
  return writeText(*line.options.outputPath, trendPage(reports), errors) ? batchOk
                                                                          : batchReportFailed;
}

}  // namespace

bool isReportCommand(const std::string& word) {
  return word == "merge" || word == "compare" || word == "trend";
}

int runReportCommand(const std::vector<std::string>& tokens, std::ostream& errors) {
  subCommandLine line = scanSubCommand(tokens);
  for (const std::string& warning : line.options.warnings) {
    errors << "quillstat: " << warning << '\n';
  }
  if (!line.errors.empty()) {
    for (const std::string& error : line.errors) errors << "quillstat: " << error << '\n';
    return batchReportFailed;
  }
  try {
    if (tokens[0] == "merge") return runMerge(line, errors);
    if (tokens[0] == "compare") return runCompare(line, errors);
    if (tokens[0] == "trend") return runTrend(line, errors);
  } catch (const std::exception& error) {
    errors << "quillstat: " << error.what() << '\n';
  }
  return batchReportFailed;
}

}  // namespace quillstat
