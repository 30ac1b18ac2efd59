#include "engine/find_comment_php.h"

#include "engine/c_like_scan.h"

namespace quillstat {

fileStats findCommentPHP::scanBuffer(const char* data, size_t length,
                                     bool includeFirstComment) const {
  return scanWhole<phpScanner>(data, length, includeFirstComment);
}

bool findCommentPHP::scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                              std::string* error) {
  return scanPieces<phpScanner>(file, includeFirstComment, stats, error);
}

}  // namespace quillstat
