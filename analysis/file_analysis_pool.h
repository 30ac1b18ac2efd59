#ifndef QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_
#define QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/input_failure.h"
#include "engine/file_stats.h"
#include "engine/file_system.h"
#include "engine/scanner.h"

namespace quillstat {

// Analyses files on worker threads, each with its own read buffer, while the
// caller is still finding them. Records come back in the order the files
// were added, so the output never depends on thread timing.
class fileAnalysisPool {
 public:
  // Called as files complete, on a worker thread, possibly by several
  // workers at once: how many files are done, how many have been added so
  // far and the sizes on disk of the files done, all true at one moment
  // (calls may arrive out of that order).
  using progressCallback =
      std::function<void(size_t filesDone, size_t filesFound, int64_t bytesDone)>;

  // Reads through `files` (which must outlive the pool) and scans with
  // `scan`. `jobs` threads (at least one) start at once; fewer if the system
  // refuses more, and if it refuses the first, std::system_error is thrown.
  // `progress`, when set, is called on a worker thread after each file,
  // outside the pool's lock, so possibly by several workers at once. When
  // `stop` is not null and becomes true, the workers leave the file they
  // read half way and claim no more: the records are then incomplete. It
  // must outlive the pool.
  fileAnalysisPool(fileSystem& files, const scanner& scan, bool includeFirstComment,
                   unsigned jobs, progressCallback progress,
                   const std::atomic<bool>* stop = nullptr);
  // Waits for the workers if finish() was not called.
  ~fileAnalysisPool();

  fileAnalysisPool(const fileAnalysisPool&) = delete;
  fileAnalysisPool& operator=(const fileAnalysisPool&) = delete;

  // Queues one file; called by one thread only. A path that is not known
  // as a regular file (`type` unchecked) is refused by its type before it
  // is opened, so a FIFO named in a list cannot block a worker.
  void add(std::string path, pathType type = pathType::regularFile);

  // Waits until every added file is analysed, then appends the records to
  // *results and the files that could not be read to *failures, both in the
  // order of add(). Call once, after the last add(). An exception that ended
  // a worker (out of memory, a throwing progress callback) is thrown here.
  void finish(std::vector<fileStats>* results, std::vector<inputFailure>* failures);

 private:
  struct slot {
    std::string path;
    pathType type;
    fileStats stats;
    ioError error;
  };

  void work();
  void workUntilClosed();
  void close();

  fileSystem& files_;
  const scanner scan_;
  const bool includeFirstComment_;
  std::mutex mutex_;
  std::condition_variable filesAdded_;
  std::deque<slot> slots_;  // a deque: workers keep references while add() grows it
  size_t nextToClaim_ = 0;
  size_t filesDone_ = 0;
  int64_t bytesDone_ = 0;  // sizes on disk of the files done
  bool closed_ = false;
  std::exception_ptr workerFailure_;
  progressCallback progress_;
  const std::atomic<bool>* stop_;
  std::vector<std::thread> workers_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_
