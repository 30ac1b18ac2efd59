#include "ui/file_list.h"

namespace quillstat {

bool fileList::next(std::string* path) {
  for (;;) {
    const size_t end = pending_.find(separator_, start_);
    if (end == std::string::npos && !ended_) {
      // Dropping what was handed out keeps the buffer to about one read.
      pending_.erase(0, start_);
      start_ = 0;
      if (!readMore()) {
        if (error_.failed()) return false;
        ended_ = true;
      }
      continue;
    }
    const size_t stop = end == std::string::npos ? pending_.size() : end;
    size_t length = stop - start_;
    if (separator_ == '\n' && pending_.find('\0', start_) < stop) {
      holdsNul_ = true;
      return false;
    }
    if (separator_ == '\n' && length > 0 && pending_[stop - 1] == '\r') --length;
    path->assign(pending_, start_, length);
    start_ = end == std::string::npos ? pending_.size() : end + 1;
    if (!path->empty()) return true;
    if (start_ == pending_.size() && ended_) return false;
  }
}

}  // namespace quillstat
