#include "engine/find_comment_cpp.h"

#include "engine/c_like_scan.h"

namespace quillstat {

fileStats findCommentCpp::scanBuffer(const char* data, size_t length,
                                     bool includeFirstComment) const {
  return scanCLike(reinterpret_cast<const unsigned char*>(data), length, includeFirstComment,
                   /*phpTags=*/false);
}

}  // namespace quillstat
