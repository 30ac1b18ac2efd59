#include "engine/find_comment_cpp.h"

#include "engine/c_like_scan.h"

namespace quillstat {

fileStats findCommentCpp::scanBuffer(const char* data, size_t length,
                                     bool includeFirstComment) const {
  return scanWhole<cppScanner>(data, length, includeFirstComment);
}

bool findCommentCpp::scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                              std::string* error) {
  return scanPieces<cppScanner>(file, includeFirstComment, stats, error);
}

}  // namespace quillstat
