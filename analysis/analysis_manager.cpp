#include "analysis/analysis_manager.h"

#include <memory>

#include "analysis/add_stats.h"
#include "analysis/directory_walk.h"
#include "analysis/language_table.h"
#include "analysis/masks.h"
#include "report/block_formatters.h"
#include "report/report_writer.h"

namespace quillstat {

analysisManager::analysisManager(unsigned jobs) : jobs_(jobs) {}

bool analysisManager::analyzeFile(const std::string& path, unsigned languageIndex,
                                  bool includeFirstComment) {
  fromDirectory_ = false;
  results_.clear();
  failures_.clear();
  std::unique_ptr<findCommentBase> finder = makeFinder(languageIndex);
  if (finder == nullptr) return false;
  std::string reason;
  results_.push_back(finder->processFile(path, includeFirstComment, &reason));
  if (results_.back().filename.empty()) failures_.push_back({path, reason});
  return true;
}

void analysisManager::analyzeDirectory(const std::string& directory, unsigned languageIndex,
                                       const std::string& masks, bool recursive,
                                       bool includeFirstComment, const progressCallback& progress) {
  fromDirectory_ = true;
  results_.clear();
  failures_.clear();
  std::vector<std::string> foundFiles;
  collectFiles(
      directory, splitMasks(masks), recursive,
      [&foundFiles](std::string path) { foundFiles.push_back(std::move(path)); }, &failures_);
  std::unique_ptr<findCommentBase> finder = makeFinder(languageIndex);
  if (finder == nullptr) return;
  results_.reserve(foundFiles.size());
  for (const std::string& path : foundFiles) {
    std::string reason;
    results_.push_back(finder->processFile(path, includeFirstComment, &reason));
    if (results_.back().filename.empty()) failures_.push_back({path, reason});
    if (progress) progress(results_.size(), foundFiles.size());
  }
}

std::string analysisManager::summaryText() const {
  std::string text;
  fileStats total;
  for (const fileStats& stats : results_) {
    formatTextRecord(stats, &text);
    total = addStats(stats, total);
  }
  if (fromDirectory_) formatTextTotal(total, &text);
  return text;
}

bool analysisManager::writeReport(const std::string& outputPath, reportFormat format,
                                  std::string* error) const {
  return quillstat::writeReport(outputPath, format, results_, fromDirectory_, error);
}

}  // namespace quillstat
