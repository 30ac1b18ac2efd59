#include "analysis/file_analysis_pool.h"

#include <memory>
#include <system_error>

#include "analysis/language_table.h"

namespace quillstat {

fileAnalysisPool::fileAnalysisPool(unsigned languageIndex, bool exact, bool includeFirstComment,
                                   unsigned jobs, progressCallback progress)
    : progress_(std::move(progress)) {
  for (unsigned i = 0; i < (jobs > 0 ? jobs : 1); ++i) {
    try {
      workers_.emplace_back(&fileAnalysisPool::work, this, languageIndex, exact,
                            includeFirstComment);
    } catch (const std::system_error&) {
      // The system gives no more threads; the workers it gave do the work.
      if (workers_.empty()) throw;
      break;
    }
  }
}

fileAnalysisPool::~fileAnalysisPool() { close(); }

void fileAnalysisPool::add(std::string path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    slots_.push_back(slot{std::move(path), {}, {}});
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

void fileAnalysisPool::finish(std::vector<fileStats>* results,
                              std::vector<inputFailure>* failures) {
  close();
  results->reserve(results->size() + slots_.size());
  // Popping as we go lets the deque free its blocks, so the records are not
  // held twice at the end of a big tree.
  while (!slots_.empty()) {
    slot& s = slots_.front();
    if (!s.reason.empty()) failures->push_back({std::move(s.path), std::move(s.reason)});
    results->push_back(std::move(s.stats));
    slots_.pop_front();
  }
}

void fileAnalysisPool::work(unsigned languageIndex, bool exact, bool includeFirstComment) {
  std::unique_ptr<findCommentBase> finder = makeFinder(languageIndex, exact);
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    filesAdded_.wait(lock, [this] { return nextToClaim_ < slots_.size() || closed_; });
    if (nextToClaim_ == slots_.size()) return;  // closed and nothing left
    slot& file = slots_[nextToClaim_++];
    lock.unlock();
    std::string reason;
    // The walk selects regular files only, so the loader need not look again.
    fileStats stats =
        finder->processFile(file.path, includeFirstComment, &reason, pathType::regularFile);
    lock.lock();
    file.stats = std::move(stats);
    file.reason = std::move(reason);
    // A record that was read carries the path as its name; only a failure
    // still needs the slot's copy.
    if (file.reason.empty()) std::string().swap(file.path);
    ++filesDone_;
    if (progress_) progress_(filesDone_, slots_.size());
  }
}

}  // namespace quillstat
