#ifndef QUILLSTAT_UI_FILE_IDENTITY_H_
#define QUILLSTAT_UI_FILE_IDENTITY_H_

#include <cstdint>
#include <optional>
#include <string>

namespace quillstat {

// What tells two paths of the same file apart from two different files.
struct fileIdentity {
  uint64_t device = 0;
  uint64_t file = 0;
  int64_t size = 0;
  bool regularFile = false;  // not a directory, device, FIFO, socket or console

  bool sameFileAs(const fileIdentity& other) const {
    return device == other.device && file == other.file;
  }
};

// The identity of the file at `path` (links followed), or nothing when it
// does not exist or cannot be examined. A device without one (Windows'
// "NUL") gets an empty identity, which is no regular file.
std::optional<fileIdentity> identifyFile(const std::string& path);

// The identity of the regular file that standard output writes to, or
// nothing when it writes to a terminal, a pipe or a device.
std::optional<fileIdentity> identifyStandardOutput();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_FILE_IDENTITY_H_
