#include "analysis/analysis_manager.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

#include "analysis/directory_walk.h"
#include "analysis/file_analysis_pool.h"
#include "analysis/foreign_files.h"
#include "analysis/git_repository.h"
#include "analysis/ignore_stack.h"
#include "analysis/language_detection.h"
#include "analysis/masks.h"
#include "engine/path_separator.h"

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

// Git's rules for the walk of `directory`, when it lies in a work tree.
std::optional<ignoreStack> ignoresOf(fileSystem& files, const std::string& directory,
                                     const analysisSettings& settings) {
  if (settings.rules.language != detectedLanguage || !settings.honoursIgnores) return {};
  std::optional<workTree> tree = findWorkTree(files, directory);
  if (!tree) return {};
  repositoryFacts facts = readRepositoryFacts(files, *tree, processEnvironment);
  return std::optional<ignoreStack>(std::in_place, files, std::move(*tree), std::move(facts));
}

// Whether a directory that the listed `path` passes through is vendored.
bool inVendoredDirectory(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (!isPathSeparator(path[i])) continue;
    if (vendoredDirectory(path.substr(start, i - start))) return true;
    start = i + 1;
  }
  return false;
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
  // A file named alone is read whatever made it.
  fileRules rules = settings.rules;
  rules.skipsGenerated = false;
  addOutcome(analyzePath(files_, path, pathType::unchecked, rules,
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
  std::optional<ignoreStack> ignores = ignoresOf(files_, directory, settings);
  const bool detected = settings.rules.language == detectedLanguage;
  const walkSelection selection{selectionOf(masks, settings.rules), recursive,
                                pathExclusions(settings.excludes),
                                pathExclusions(historyOf(settings)),
                                ignores ? &*ignores : nullptr,
                                detected && settings.leavesVendored};
  const walkCounts counts = collectFiles(
      files_, directory, selection, [&pool](std::string path) { pool.add(std::move(path)); },
      &result.failures, &result.skippedEntries, stop);
  result.excluded = static_cast<int64_t>(counts.excluded);
  result.skipped.ignored = static_cast<int64_t>(counts.ignored);
  result.skipped.vendored = static_cast<int64_t>(counts.vendored);
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
  const bool leavesVendored =
      settings.rules.language == detectedLanguage && settings.leavesVendored;
  for (std::string path; nextPath(&path);) {
    if (excludes.excludesListedFile(path)) continue;
    if (leavesVendored && inVendoredDirectory(path)) {
      ++result.skipped.vendored;
      continue;
    }
    pool.add(std::move(path), pathType::unchecked);
    pool.handOver();
  }
  pool.finish(&result);
  return result;
}

}  // namespace quillstat
