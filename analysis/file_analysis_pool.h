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

#include "analysis/analysis_result.h"
#include "analysis/file_analysis.h"
#include "engine/file_system.h"

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

  // Reads through `files` (which must outlive the pool) and reads each file
  // by `rules` (see analyzePath), listing its words with `listWords`. `jobs`
  // threads (at least one) start at once; fewer if the system
  // refuses more, and if it refuses the first, std::system_error is thrown.
  // `progress`, when set, is called on a worker thread after each file,
  // outside the pool's lock, so possibly by several workers at once. When
  // `stop` is not null and becomes true, the workers leave the file they
  // read half way and claim no more: the records are then incomplete. It
  // must outlive the pool.
  fileAnalysisPool(fileSystem& files, const fileRules& rules, bool includeFirstComment,
                   bool listWords, unsigned jobs, progressCallback progress,
                   const std::atomic<bool>* stop = nullptr);
  // Waits for the workers if finish() was not called.
  ~fileAnalysisPool();

  fileAnalysisPool(const fileAnalysisPool&) = delete;
  fileAnalysisPool& operator=(const fileAnalysisPool&) = delete;

  // Queues one file; called by one thread only. A path that is not known
  // as a regular file (`type` unchecked) is refused by its type before it
  // is opened, so a FIFO named in a list cannot block a worker. While the
  // workers are busy, files are handed to them a batch at a time.
  void add(std::string path, pathType type = pathType::regularFile);

  // Hands the files added so far to the workers at once: for a caller whose
  // next file may be long in coming, as a list read from a pipe.
  void handOver();

  // Adds what became of each added file to *result in the order of add()
  // (see addOutcome), its words included, taking them as they are done while
  // the workers read on, and returns once every file is analysed. Call once,
  // after the last add(). An exception that ended a worker (out of memory, a
  // throwing progress callback) is thrown here; *result may then hold the
  // first files' records.
  void finish(analysisResult* result);

 private:
  struct slot {
    std::string path;
    pathType type;
    fileOutcome outcome;
    bool done = false;
  };

  void work();
  void workUntilClosed();
  void close();

  fileSystem& files_;
  const fileRules rules_;
  const bool includeFirstComment_;
  const bool listWords_;
  std::mutex mutex_;
  std::condition_variable filesAdded_;
  std::condition_variable filesTaken_;  // finish() waits on it for done files
  // A deque: workers keep references while add() grows it and finish()
  // takes done slots from its front. Indexes count every slot ever added.
  std::deque<slot> slots_;
  std::vector<slot> added_;  // by add(), not yet handed over; the adding thread's only
  std::atomic<unsigned> idle_{0};  // workers waiting for files
  size_t taken_ = 0;       // slots that finish() took off the front
  size_t doneFront_ = 0;   // the first slot not done
  size_t nextToClaim_ = 0;
  size_t filesDone_ = 0;
  unsigned running_ = 0;   // workers that have not returned
  bool collecting_ = false;  // finish() takes done slots
  int64_t bytesDone_ = 0;  // sizes on disk of the files done
  bool closed_ = false;
  std::exception_ptr workerFailure_;
  progressCallback progress_;
  const std::atomic<bool>* stop_;
  std::vector<std::thread> workers_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FILE_ANALYSIS_POOL_H_
