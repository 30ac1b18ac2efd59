#ifndef QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_
#define QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "analysis/file_analysis.h"
#include "analysis/file_analysis_pool.h"
#include "engine/file_system.h"

namespace quillstat {

// How an analysis reads its files.
struct analysisSettings {
  fileRules rules;
  bool includeFirstComment = true;  // the first comment run of each file counts (no -nf)
  // --exclude patterns (path_glob.h) for the paths of a directory or a list;
  // with detectedLanguage, the directories .git, .hg and .svn are left out too.
  std::vector<std::string> excludes;
  // With detectedLanguage, for a directory: when it lies in a git work tree
  // (findWorkTree), only the files git would list are selected, as
  // `git ls-files --cached --others --exclude-standard` lists them, and the
  // others are counted as skipped.ignored (see collectFiles).
  bool honoursIgnores = false;
  // With detectedLanguage, for a directory or a list: the files below
  // vendored directories are counted as skipped.vendored, not analysed.
  bool leavesVendored = false;
};

// Runs analyses: reads the inputs through one file system and scans them
// as analysisSettings say.
//
// An analysis may be given `stop`, a flag that another thread sets to true to
// end it early; it must outlive the call. A stopped analysis returns a
// result with neither records nor failures.
class analysisManager {
 public:
  // Called as files complete (see fileAnalysisPool::progressCallback).
  using progressCallback = fileAnalysisPool::progressCallback;

  // Puts the next path of a list into *path and returns true, or returns
  // false at the list's end.
  using pathSource = std::function<bool(std::string* path)>;

  // Reads through `files`, which must outlive the manager. `jobs` worker
  // threads, at most 256, analyse the files of a directory; 0 means one per
  // core. The results never depend on it. With `listWords`, results list
  // the todo and fixme words (analysisResult::todos).
  explicit analysisManager(fileSystem& files, unsigned jobs = 0, bool listWords = false);

  // Analyses one file, generated or not: exactly one record, the all-zero record with an
  // empty name when the file cannot be read (and then a failure), unless
  // detectedLanguage skips it (see analyzePath).
  analysisResult analyzeFile(const std::string& path, const analysisSettings& settings,
                             const std::atomic<bool>* stop = nullptr) const;

  // Analyses every file of `directory` selected by the mask list `masks`
  // (with detectedLanguage an empty list selects every file), and of
  // its sub-directories when `recursive`, in walk order (see collectFiles);
  // the result's root is the walk's prefix (walkPrefix). The entries the walk
  // passed over are the result's skippedEntries, those that -l auto would
  // skip unread by their names left out.
  analysisResult analyzeDirectory(const std::string& directory, const std::string& masks,
                                  bool recursive, const analysisSettings& settings,
                                  const progressCallback& progress = {},
                                  const std::atomic<bool>* stop = nullptr) const;

  // Analyses the files that `nextPath` names, in its order, while it is
  // still naming them: one record per path (a path named twice has two),
  // masks not applied, and a path that is not a readable regular file is a
  // failure with the all-zero record, as in a directory. The result has a
  // total, as after a directory.
  analysisResult analyzeFiles(const pathSource& nextPath, const analysisSettings& settings,
                              const progressCallback& progress = {}) const;

 private:
  fileSystem& files_;
  unsigned jobs_;
  bool listWords_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ANALYSIS_MANAGER_H_
