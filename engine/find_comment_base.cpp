#include "engine/find_comment_base.h"

#include "engine/file_loading.h"

namespace quillstat {

fileStats findCommentBase::processFile(const std::string& path, bool includeFirstComment,
                                       std::string* error) {
  int64_t sizeOnDisk = 0;
  std::string reason;
  if (!loadTextFile(path, &buffer_, &sizeOnDisk, &reason)) {
    if (error != nullptr) *error = reason;
    return fileStats{};
  }
  fileStats stats = scanBuffer(buffer_.data(), buffer_.size(), includeFirstComment);
  stats.sizeFile = sizeOnDisk;
  stats.filename = path;
  return stats;
}

}  // namespace quillstat
