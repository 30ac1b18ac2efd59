#include "analysis/analysis_manager.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "analysis/add_stats.h"
#include "analysis/directory_walk.h"
#include "analysis/file_analysis_pool.h"
#include "analysis/language_table.h"
#include "analysis/masks.h"
#include "report/block_formatters.h"
#include "report/report_writer.h"

namespace quillstat {

namespace {

// More workers than this only cost memory: the disk and the cores are busy
// long before, and "-j 4000000000" must not try to start them all.
constexpr unsigned kMaxWorkers = 256;

unsigned workerCount(unsigned jobs) {
  if (jobs > 0) return std::min(jobs, kMaxWorkers);
  unsigned cores = std::thread::hardware_concurrency();
  return cores > 0 ? cores : 1;
}

}  // namespace

analysisManager::analysisManager(unsigned jobs) : jobs_(jobs) {}

bool analysisManager::analyzeFile(const std::string& path, unsigned languageIndex, bool exact,
                                  bool includeFirstComment) {
  fromDirectory_ = false;
  results_.clear();
  failures_.clear();
  std::unique_ptr<findCommentBase> finder = makeFinder(languageIndex, exact);
  if (finder == nullptr) return false;
  std::string reason;
  results_.push_back(finder->processFile(path, includeFirstComment, &reason));
  if (!reason.empty()) failures_.push_back({path, reason});
  return true;
}

void analysisManager::analyzeDirectory(const std::string& directory, unsigned languageIndex,
                                       bool exact, const std::string& masks, bool recursive,
                                       bool includeFirstComment, const progressCallback& progress) {
  fromDirectory_ = true;
  results_.clear();
  failures_.clear();
  const std::vector<std::string> tokens = splitMasks(masks);
  if (languageIndex >= languageCount) {
    // No finder: the files are collected, so the walk's failures still show,
    // but none is analysed.
    collectFiles(directory, tokens, recursive, [](std::string) {}, &failures_);
    return;
  }
  // The workers analyse while the walk is still finding files.
  fileAnalysisPool pool(languageIndex, exact, includeFirstComment, workerCount(jobs_), progress);
  collectFiles(
      directory, tokens, recursive, [&pool](std::string path) { pool.add(std::move(path)); },
      &failures_);
  pool.finish(&results_, &failures_);
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
