#include "ui/file_identity.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quillstat {

namespace {

fileIdentity identityOf(const struct stat& info) {
  return fileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<int64_t>(info.st_size), S_ISREG(info.st_mode)};
}

}  // namespace

std::optional<fileIdentity> identifyFile(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return identityOf(info);
}

std::optional<fileIdentity> identifyStandardOutput() {
  struct stat info;
  if (fstat(STDOUT_FILENO, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return identityOf(info);
}

}  // namespace quillstat
