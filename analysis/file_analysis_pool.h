#ifndef QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_
#define QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"

namespace quillstat {

// Analyses files on worker threads, each with its own finder and read
// buffer, while the caller is still finding them. Records come back in the
// order the files were added, so the output never depends on thread timing.
class fileAnalysisPool {
 public:
  using progressCallback = std::function<void(size_t filesDone, size_t filesFound)>;

  // `languageIndex` must be a languageTable row; `exact` picks its finder
  // for the exact rules. `jobs` threads (at least
  // one) start at once; fewer if the system refuses more, and if it refuses
  // the first, std::system_error is thrown. `progress`, when set, is called
  // on a worker thread after each file, never by two threads at a time.
  fileAnalysisPool(unsigned languageIndex, bool exact, bool includeFirstComment, unsigned jobs,
                   progressCallback progress);
  // Waits for the workers if finish() was not called.
  ~fileAnalysisPool();

  fileAnalysisPool(const fileAnalysisPool&) = delete;
  fileAnalysisPool& operator=(const fileAnalysisPool&) = delete;

  // Queues one file; called by one thread only.
  void add(std::string path);

  // Waits until every added file is analysed, then appends the records to
  // *results and the files that could not be read to *failures, both in the
  // order of add(). Call once, after the last add().
  void finish(std::vector<fileStats>* results, std::vector<inputFailure>* failures);

 private:
  struct slot {
    std::string path;
    fileStats stats;
    std::string reason;  // why the file could not be read, if it could not
  };

  void work(unsigned languageIndex, bool exact, bool includeFirstComment);
  void close();

  std::mutex mutex_;
  std::condition_variable filesAdded_;
  std::deque<slot> slots_;  // a deque: workers keep references while add() grows it
  size_t nextToClaim_ = 0;
  size_t filesDone_ = 0;
  bool closed_ = false;
  progressCallback progress_;
  std::vector<std::thread> workers_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_
