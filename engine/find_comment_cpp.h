#ifndef QUILLSTAT_ENGINE_FIND_COMMENT_CPP_H_
#define QUILLSTAT_ENGINE_FIND_COMMENT_CPP_H_

#include "engine/find_comment_base.h"

namespace quillstat {

// The finder for C++ and Java sources: line comments, block comments, double-quoted strings.
class findCommentCpp : public findCommentBase {
 public:
  fileStats scanBuffer(const char* data, size_t length, bool includeFirstComment) const override;

 protected:
  bool scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                std::string* error) override;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FIND_COMMENT_CPP_H_
