#include "analysis/analysis_manager.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "analysis/directory_walk.h"
#include "analysis/file_analysis_pool.h"
#include "analysis/language_detection.h"
#include "analysis/masks.h"

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

// What is left of a stopped analysis is dropped, so that no half result is
// ever taken for a whole one.
analysisResult unlessStopped(analysisResult result, const std::atomic<bool>* stop) {
  if (stop == nullptr || !stop->load(std::memory_order_relaxed)) return result;
  analysisResult empty;
  empty.fromDirectory = result.fromDirectory;
  return empty;
}

// A repository's history is not part of its tree.
std::vector<std::string> historyOf(const analysisSettings& settings) {
  if (settings.rules.language != detectedLanguage) return {};
  return {"**/.git/", "**/.hg/", "**/.svn/"};
}

pathExclusions exclusionsOf(const analysisSettings& settings) {
  std::vector<std::string> patterns = settings.excludes;
  const std::vector<std::string> history = historyOf(settings);
  patterns.insert(patterns.end(), history.begin(), history.end());
  return pathExclusions(patterns);
}

std::function<bool(std::string_view name)> selectionOf(const std::string& masks,
                                                       const fileRules& rules) {
  // -l auto takes every file, so that those of no known language are
  // counted; analyzePath skips them by name, unread.
  if (masks.empty() && rules.language == detectedLanguage) {
    return [](std::string_view) { return true; };
  }
  return [tokens = splitMasks(masks)](std::string_view name) { return nameMatches(name, tokens); };
}

}  // namespace

analysisManager::analysisManager(fileSystem& files, unsigned jobs, bool listWords)
    : files_(files), jobs_(jobs), listWords_(listWords) {}

analysisResult analysisManager::analyzeFile(const std::string& path,
                                            const analysisSettings& settings,
                                            const std::atomic<bool>* stop) const {
  analysisResult result;
  std::vector<char> buffer;
  addOutcome(analyzePath(files_, path, pathType::unchecked, settings.rules,
                         settings.includeFirstComment, listWords_, &buffer, stop),
             path, &result);
  return unlessStopped(std::move(result), stop);
}

analysisResult analysisManager::analyzeDirectory(const std::string& directory,
                                                 const std::string& masks, bool recursive,
                                                 const analysisSettings& settings,
                                                 const progressCallback& progress,
                                                 const std::atomic<bool>* stop) const {
  analysisResult result;
  result.fromDirectory = true;
  result.root = walkPrefix(directory);
  // The workers analyse while the walk is still finding files.
  fileAnalysisPool pool(files_, settings.rules, settings.includeFirstComment, listWords_,
                        workerCount(jobs_), progress, stop);
  const walkSelection selection{selectionOf(masks, settings.rules), recursive,
                                pathExclusions(settings.excludes),
                                pathExclusions(historyOf(settings))};
  result.excluded = static_cast<int64_t>(collectFiles(
      files_, directory, selection, [&pool](std::string path) { pool.add(std::move(path)); },
      &result.failures, &result.skippedEntries, stop));
  // A name that -l auto skips unread would be no input even as a regular file.
  std::erase_if(result.skippedEntries, [&settings](const skippedEntry& entry) {
    return !opensPath(settings.rules, entry.path);
  });
  pool.finish(&result);
  return unlessStopped(std::move(result), stop);
}

analysisResult analysisManager::analyzeFiles(const pathSource& nextPath,
                                             const analysisSettings& settings,
                                             const progressCallback& progress) const {
  analysisResult result;
  result.fromDirectory = true;
  fileAnalysisPool pool(files_, settings.rules, settings.includeFirstComment, listWords_,
                        workerCount(jobs_), progress);
  const pathExclusions excludes = exclusionsOf(settings);
  for (std::string path; nextPath(&path);) {
    if (!excludes.excludesListedFile(path)) pool.add(std::move(path), pathType::unchecked);
  }
  pool.finish(&result);
  return result;
}

}  // namespace quillstat
