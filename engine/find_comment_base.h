#ifndef QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_
#define QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_

#include <cstddef>
#include <string>

#include "engine/file_stats.h"

namespace quillstat {

// The comment finder of one language: loads a file and runs the language's
// scanner over its content. A finder keeps a read buffer between files, so one
// finder serves one thread at a time.
class findCommentBase {
 public:
  virtual ~findCommentBase() = default;

  // Reads the file at `path` in text mode (see file_loading.h) and returns
  // its record, named with `path`, with sizeFile the size on disk. A path that
  // is not a readable regular file gives the all-zero record with an empty
  // name, and then *error (when not null) says why.
  fileStats processFile(const std::string& path, bool includeFirstComment,
                        std::string* error = nullptr);

  // Scans `length` bytes of content and returns their record: sizeFile is
  // `length`, filename is empty. includeFirstComment says whether the first
  // comment run counts in countOfComment and countCommentChars.
  virtual fileStats scanBuffer(const char* data, size_t length,
                               bool includeFirstComment) const = 0;

 private:
  std::string buffer_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_
