#include "analysis/file_analysis_pool.h"

#include <iterator>
#include <system_error>

namespace quillstat {

namespace {

// finish() wakes for this many done files at the front, not for each: the
// records are taken while the workers read on, at a few hundred wake-ups a
// tree rather than one per file.
constexpr size_t kTakenTogether = 256;

// add() hands files to the workers this many at a time while they are all
// busy, so that the walk and the workers meet at the lock once a batch
// rather than once a file.
constexpr size_t kAddedTogether = 64;

}  // namespace

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
      {
        std::lock_guard<std::mutex> lock(mutex_);
        ++running_;
      }
      workers_.emplace_back(&fileAnalysisPool::work, this);
    } catch (const std::system_error&) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        --running_;
      }
      // The system gives no more threads; the workers it gave do the work.
      if (workers_.empty()) throw;
      break;
    }
  }
}

fileAnalysisPool::~fileAnalysisPool() { close(); }

void fileAnalysisPool::add(std::string path, pathType type) {
  added_.push_back(slot{std::move(path), type, {}});
  // A waiting worker is not kept waiting for a batch to fill; one that
  // starts to wait just after this look gets the files with the next add()
  // or handOver().
  if (added_.size() >= kAddedTogether || idle_.load(std::memory_order_relaxed) > 0) handOver();
}

void fileAnalysisPool::handOver() {
  if (added_.empty()) return;
  const size_t count = added_.size();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    std::move(added_.begin(), added_.end(), std::back_inserter(slots_));
  }
  added_.clear();
  if (count == 1) {
    filesAdded_.notify_one();
  } else {
    filesAdded_.notify_all();
  }
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
  handOver();
  std::unique_lock<std::mutex> lock(mutex_);
  closed_ = true;
  collecting_ = true;
  filesAdded_.notify_all();
  result->records.reserve(result->records.size() + slots_.size());
  // The outcomes are moved into *result while the workers read the last
  // files, rather than all after them, when only this thread would run.
  // Taking slots off the front as we go lets the deque free its blocks, so
  // the records are not held twice at the end of a big tree.
  for (;;) {
    filesTaken_.wait(lock, [this] {
      return doneFront_ - taken_ >= kTakenTogether || running_ == 0;
    });
    const size_t ready = doneFront_ - taken_;
    if (ready == 0) break;  // the workers have returned
    // Done slots are the workers' no more, and the deque keeps its shape
    // while this thread alone changes it, under the lock.
    lock.unlock();
    for (size_t i = 0; i < ready; ++i) {
      addOutcome(std::move(slots_[i].outcome), std::move(slots_[i].path), result);
    }
    lock.lock();
    slots_.erase(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(ready));
    taken_ += ready;
  }
  lock.unlock();
  close();
  if (workerFailure_) std::rethrow_exception(workerFailure_);
  // Files left unread by a stop.
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
  std::lock_guard<std::mutex> lock(mutex_);
  --running_;
  filesTaken_.notify_one();
}

void fileAnalysisPool::workUntilClosed() {
  std::vector<char> buffer;
  const directoryReuse reuse;  // files come a directory after another
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    while (nextToClaim_ == taken_ + slots_.size() && !closed_) {
      idle_.fetch_add(1, std::memory_order_relaxed);
      filesAdded_.wait(lock);
      idle_.fetch_sub(1, std::memory_order_relaxed);
    }
    if (nextToClaim_ >= taken_ + slots_.size()) return;  // closed and nothing left
    if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) return;
    slot& file = slots_[nextToClaim_++ - taken_];
    lock.unlock();
    fileOutcome outcome = analyzePath(files_, file.path, file.type, rules_, includeFirstComment_,
                                      listWords_, &buffer, stop_);
    // A record that was read carries the path as its name, a copy made by
    // this thread; it takes the slot's path instead, and the copy is freed
    // here. Memory freed by another thread than the one that allocated it
    // waits for a lock that the allocating thread's own calls take.
    if (!outcome.error.failed() && outcome.skipped == skipReason::none) {
      std::string(std::move(file.path)).swap(outcome.record.stats.filename);
    }
    lock.lock();
    file.outcome = std::move(outcome);
    file.done = true;
    const size_t readyBefore = doneFront_ - taken_;
    while (doneFront_ < taken_ + slots_.size() && slots_[doneFront_ - taken_].done) ++doneFront_;
    // finish() is woken once as the batch fills, not again for each file
    // done before it wakes.
    if (collecting_ && readyBefore < kTakenTogether && doneFront_ - taken_ >= kTakenTogether) {
      filesTaken_.notify_one();
    }
    const size_t done = ++filesDone_;
    const size_t found = taken_ + slots_.size();
    const int64_t bytes = bytesDone_ += file.outcome.record.stats.sizeFile;
    if (progress_) {
      lock.unlock();
      progress_(done, found, bytes);
      lock.lock();
    }
  }
}

}  // namespace quillstat
