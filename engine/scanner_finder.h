#ifndef QUILLSTAT_ENGINE_SCANNER_FINDER_H_
#define QUILLSTAT_ENGINE_SCANNER_FINDER_H_

#include "engine/find_comment_base.h"

namespace quillstat {

// The comment finder of any streaming scanner class (one with a constructor
// taking includeFirstComment, feed() and finish(), as exact_c_scan.h
// describes): whole buffers and files read in pieces both go through it.
template <class Scanner>
class scannerFinder : public findCommentBase {
 public:
  fileStats scanBuffer(const char* data, size_t length, bool includeFirstComment) const override {
    return scanWhole<Scanner>(data, length, includeFirstComment);
  }

 protected:
  bool scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                std::string* error) override {
    return scanPieces<Scanner>(file, includeFirstComment, stats, error);
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_SCANNER_FINDER_H_
