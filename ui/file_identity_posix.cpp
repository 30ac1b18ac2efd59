#include "ui/file_identity.h"

#include <sys/stat.h>

namespace quillstat {

std::optional<fileIdentity> identifyFile(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return fileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<int64_t>(info.st_size)};
}

}  // namespace quillstat
