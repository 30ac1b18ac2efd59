#include "engine/find_comment_delphi.h"

#include "engine/delphi_scan.h"

namespace quillstat {

fileStats findCommentDelphi::scanBuffer(const char* data, size_t length,
                                        bool includeFirstComment) const {
  return scanWhole<delphiScanner>(data, length, includeFirstComment);
}

bool findCommentDelphi::scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                                 std::string* error) {
  return scanPieces<delphiScanner>(file, includeFirstComment, stats, error);
}

}  // namespace quillstat
