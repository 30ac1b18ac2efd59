#include "analysis/analysis_result.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "analysis/languages.h"
#include "engine/path_separator.h"

namespace quillstat {

fileStats totalOf(const analysisResult& result) {
  fileStats total;
  for (const fileRecord& record : result.records) total = addStats(total, record.stats);
  return total;
}

std::vector<languageTotal> languageTotalsOf(const analysisResult& result) {
  // The first row of each row's name.
  std::vector<unsigned> languageOfRow(languageCount);
  for (unsigned row = 0; row < languageCount; ++row) {
    languageOfRow[row] = *languageNamed(languageName(row));
  }
  std::vector<std::optional<fileStats>> sums(languageCount);
  for (const fileRecord& record : result.records) {
    if (record.language >= languageCount) continue;
    std::optional<fileStats>& sum = sums[languageOfRow[record.language]];
    sum = addStats(sum.value_or(fileStats{}), record.stats);
  }
  std::vector<languageTotal> totals;
  for (unsigned language = 0; language < languageCount; ++language) {
    if (sums[language]) totals.push_back({language, *sums[language]});
  }
  return totals;
}

std::vector<directoryTotal> directoryTotalsOf(const analysisResult& result, int maxDepth) {
  std::vector<directoryTotal> totals;
  // The keys are views of the records' names, which outlive the map.
  std::unordered_map<std::string_view, size_t> indexOf;
  const size_t rootLength = result.root.size();
  for (const fileRecord& record : result.records) {
    const std::string& path = record.stats.filename;
    if (!path.starts_with(result.root)) continue;
    int depth = 0;
    for (size_t i = rootLength + 1; i < path.size() && depth < maxDepth; ++i) {
      if (!isPathSeparator(path[i])) continue;
      ++depth;
      const std::string_view directory(path.data(), i + 1);
      const auto [at, added] = indexOf.try_emplace(directory, totals.size());
      if (added) totals.push_back({std::string(directory), depth, {}});
      fileStats& sum = totals[at->second].figures;
      sum = addStats(sum, record.stats);
    }
  }
  return totals;
}

}  // namespace quillstat
