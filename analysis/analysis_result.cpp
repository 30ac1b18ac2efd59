#include "analysis/analysis_result.h"

#include <string_view>
#include <unordered_map>

#include "analysis/languages.h"
#include "engine/path_separator.h"

namespace quillstat {

fileStats totalOf(const analysisResult& result) {
  fileStats total;
  for (const fileRecord& record : result.records) addStats(&total, record.stats);
  return total;
}

namespace {

// The totals of (language, figures) pairs that `each` gives for every
// record, by the first row of the language's name, in table order.
template <class Each>
std::vector<languageTotal> totalsByLanguage(const analysisResult& result, Each each) {
  // The first row of each row's name.
  std::vector<unsigned> languageOfRow(languageCount);
  for (unsigned row = 0; row < languageCount; ++row) {
    languageOfRow[row] = *languageNamed(languageName(row));
  }
  std::vector<fileStats> sums(languageCount);
  std::vector<bool> met(languageCount);
  auto add = [&](unsigned language, const fileStats& figures) {
    if (language >= languageCount) return;
    const unsigned first = languageOfRow[language];
    addStats(&sums[first], figures);
    met[first] = true;
  };
  for (const fileRecord& record : result.records) each(record, add);
  std::vector<languageTotal> totals;
  for (unsigned language = 0; language < languageCount; ++language) {
    if (met[language]) totals.push_back({language, std::move(sums[language])});
  }
  return totals;
}

}  // namespace

std::vector<languageTotal> languageTotalsOf(const analysisResult& result) {
  return totalsByLanguage(result, [](const fileRecord& record, auto add) {
    add(record.language, record.stats);
  });
}

std::vector<languageTotal> embeddedTotalsOf(const analysisResult& result) {
  return totalsByLanguage(result, [](const fileRecord& record, auto add) {
    for (const embeddedFigures& code : record.embedded) add(code.language, code.figures);
  });
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
      addStats(&totals[at->second].figures, record.stats);
    }
  }
  return totals;
}

}  // namespace quillstat
