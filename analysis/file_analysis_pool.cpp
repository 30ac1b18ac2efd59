#include "analysis/file_analysis_pool.h"

#include <iterator>
#include <system_error>

namespace quillstat {

fileAnalysisPool::fileAnalysisPool(fileSystem& files, const fileRules& rules,
                                   bool includeFirstComment, bool listWords, unsigned jobs,
                                   progressCallback progress, const std::atomic<bool>* stop)
    : files_(files),
      rules_(rules),
      includeFirstComment_(includeFirstComment),
      listWords_(listWords),
      progress_(std::move(progress)),
      stop_(stop) {
  for (unsigned i = 0; i < (jobs > 0 ? jobs : 1); ++i) {
    try {
      workers_.emplace_back(&fileAnalysisPool::work, this);
    } catch (const std::system_error&) {
      // The system gives no more threads; the workers it gave do the work.
      if (workers_.empty()) throw;
      break;
    }
  }
}

fileAnalysisPool::~fileAnalysisPool() { close(); }

void fileAnalysisPool::add(std::string path, pathType type) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    slots_.push_back(slot{std::move(path), type, {}});
  }
  filesAdded_.notify_one();
}

void fileAnalysisPool::close() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
  }
  filesAdded_.notify_all();
  for (std::thread& worker : workers_) {
    if (worker.joinable()) worker.join();
  }
}

void fileAnalysisPool::finish(analysisResult* result) {
  close();
  if (workerFailure_) std::rethrow_exception(workerFailure_);
  result->records.reserve(result->records.size() + slots_.size());
  // Popping as we go lets the deque free its blocks, so the records are not
  // held twice at the end of a big tree.
  while (!slots_.empty()) {
    slot& s = slots_.front();
    addOutcome(std::move(s.outcome), std::move(s.path), result);
    slots_.pop_front();
  }
}

void fileAnalysisPool::work() {
  // An exception must not end the process from a worker thread: it is kept
  // for finish(), and the other workers finish the files.
  try {
    workUntilClosed();
  } catch (...) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!workerFailure_) workerFailure_ = std::current_exception();
  }
}

void fileAnalysisPool::workUntilClosed() {
  std::vector<char> buffer;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    filesAdded_.wait(lock, [this] { return nextToClaim_ < slots_.size() || closed_; });
    if (nextToClaim_ >= slots_.size()) return;  // closed and nothing left
    if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) return;
    slot& file = slots_[nextToClaim_++];
    lock.unlock();
    fileOutcome outcome = analyzePath(files_, file.path, file.type, rules_, includeFirstComment_,
                                      listWords_, &buffer, stop_);
    lock.lock();
    file.outcome = std::move(outcome);
    // A record that was read carries the path as its name; only a failure
    // still needs the slot's copy.
    if (!file.outcome.error.failed()) std::string().swap(file.path);
    const size_t done = ++filesDone_;
    const size_t found = slots_.size();
    const int64_t bytes = bytesDone_ += file.outcome.record.stats.sizeFile;
    if (progress_) {
      lock.unlock();
      progress_(done, found, bytes);
      lock.lock();
    }
  }
}

}  // namespace quillstat
