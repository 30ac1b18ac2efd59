#ifndef QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_
#define QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/file_loading.h"
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
  // name, and then *error (when not null) says why. The file is read in
  // pieces of kReadChunkSize, so memory does not grow with its size. `type`
  // spares the type check for a path the caller knows as a regular file.
  // A `stop` set to true ends the reading as a failed read does (see
  // textFileReader).
  fileStats processFile(const std::string& path, bool includeFirstComment,
                        std::string* error = nullptr, pathType type = pathType::unchecked,
                        const std::atomic<bool>* stop = nullptr);

  // Scans `length` bytes of content and returns their record: sizeFile is
  // `length`, filename is empty. includeFirstComment says whether the first
  // comment run counts in countOfComment and countCommentChars.
  virtual fileStats scanBuffer(const char* data, size_t length,
                               bool includeFirstComment) const = 0;

 protected:
  // Feeds every piece that `file` delivers to the language's scanner and
  // stores the record in *stats, with sizeFile the size on disk and an empty
  // name. Returns false, with the reason in *error, when a read fails.
  virtual bool scanFile(textFileReader& file, bool includeFirstComment, fileStats* stats,
                        std::string* error) = 0;

  // The two ways to drive a streaming scanner (c_like_scan.h, delphi_scan.h),
  // shared by the language finders.
  template <class Scanner>
  static fileStats scanWhole(const char* data, size_t length, bool includeFirstComment) {
    if (data == nullptr || length == 0) return fileStats{};
    Scanner scanner(includeFirstComment);
    scanner.feed(data, length);
    return scanner.finish(static_cast<int64_t>(length));
  }

  template <class Scanner>
  static bool scanPieces(textFileReader& file, bool includeFirstComment, fileStats* stats,
                         std::string* error) {
    Scanner scanner(includeFirstComment);
    const char* data = nullptr;
    size_t length = 0;
    while (file.next(&data, &length, error)) {
      if (length == 0) {
        *stats = scanner.finish(file.sizeOnDisk());
        return true;
      }
      scanner.feed(data, length);
    }
    return false;
  }

 private:
  std::vector<char> buffer_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FIND_COMMENT_BASE_H_
