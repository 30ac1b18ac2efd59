#include "report/report_merge.h"

#include <iterator>
#include <unordered_map>

namespace quillstat {

namespace {

}  // namespace

std::string runDifference(const runDescription& a, const runDescription& b) {
  auto two = [](const char* option, const std::string& first, const std::string& second) {
    return std::string(option).append(" '").append(first).append("' and '").append(second).append(
        "'");
  };
  if (a.language != b.language) return two("language (-l)", a.language, b.language);
  if (a.mode != b.mode) return two("mode (-x)", a.mode, b.mode);
  auto choice = [](bool counted) { return std::string(counted ? "counted" : "left out"); };
  if (a.countFirstComment != b.countFirstComment) {
    return two("first comment (-nf)", choice(a.countFirstComment), choice(b.countFirstComment));
  }
  return "";
}

namespace {

// "'a' and 'b'", for the messages.
std::string bothNames(const std::string& a, const std::string& b) {
  return std::string("'").append(a).append("' and '").append(b).append("'");
}

template <typename T>
void moveAppend(std::vector<T>& from, std::vector<T>* to) {
  to->insert(to->end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

bool mergeReports(std::vector<namedReport>& parts, readReport* merged, std::string* error) {
  const namedReport& first = parts.front();
  // Which part each path came from, to name both when one is in two.
  std::unordered_map<std::string_view, size_t> owner;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string difference = runDifference(first.report.run, parts[i].report.run);
    if (!difference.empty()) {
      *error = bothNames(first.name, parts[i].name).append(" come from different runs: ")
                   .append(difference);
      return false;
    }
    for (const fileRecord& record : parts[i].report.result.records) {
      const std::string& path = record.stats.filename;
      if (path.empty()) continue;  // a failure, which names its path there
      auto [at, added] = owner.try_emplace(path, i);
      if (!added && at->second != i) {
        *error = std::string("'").append(path).append("' is in both ").append(
            bothNames(parts[at->second].name, parts[i].name));
        return false;
      }
    }
  }

  *merged = readReport{};
  runDescription& run = merged->run;
  run = first.report.run;
  run.input = inputKind::fileList;
  run.path.assign(1, '-');  // standard input, as for --files-from -
  run.recursive = false;
  run.masks.clear();
  merged->rules = first.report.rules;
  merged->hasTodos = true;
  analysisResult& result = merged->result;
  result.fromDirectory = true;
  for (namedReport& part : parts) {
    readReport& report = part.report;
    if (report.run.label != run.label) run.label.clear();
    merged->hasTodos = merged->hasTodos && report.hasTodos;
    moveAppend(report.result.records, &result.records);
    result.skipped.unknownLanguage += report.result.skipped.unknownLanguage;
    result.skipped.binary += report.result.skipped.binary;
    moveAppend(report.result.skippedEntries, &result.skippedEntries);
    moveAppend(report.result.failures, &result.failures);
    moveAppend(report.failureMessages, &merged->failureMessages);
    moveAppend(report.result.todos, &result.todos);
  }
  run.todoEntries = merged->hasTodos;
  if (!merged->hasTodos) result.todos.clear();
  return true;
}

}  // namespace quillstat
