#include "engine/find_comment_php.h"

#include "engine/c_like_scan.h"

namespace quillstat {

fileStats findCommentPHP::scanBuffer(const char* data, size_t length,
                                     bool includeFirstComment) const {
  return scanCLike(reinterpret_cast<const unsigned char*>(data), length, includeFirstComment,
                   /*phpTags=*/true);
}

}  // namespace quillstat
