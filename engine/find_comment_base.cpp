#include "engine/find_comment_base.h"

namespace quillstat {

fileStats findCommentBase::processFile(const std::string& path, bool includeFirstComment,
                                       std::string* error, pathType type,
                                       const std::atomic<bool>* stop) {
  textFileReader file(&buffer_, stop);
  fileStats stats;
  std::string reason;
  if (!file.open(path, type, &reason) || !scanFile(file, includeFirstComment, &stats, &reason)) {
    if (error != nullptr) *error = reason;
    return fileStats{};
  }
  stats.filename = path;
  return stats;
}

}  // namespace quillstat
