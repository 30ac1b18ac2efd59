#include "engine/scanner.h"

namespace quillstat {

fileStats scanPath(const scanner& scan, fileSystem& files, const std::string& path,
                   bool includeFirstComment, std::vector<char>* buffer, ioError* error,
                   pathType type, const std::atomic<bool>* stop) {
  textFileReader file(files, buffer, stop);
  fileStats stats;
  *error = ioError{};
  if (!file.open(path, type, error) || !scan.scanFile(file, includeFirstComment, &stats, error)) {
    return fileStats{};
  }
  stats.filename = path;
  return stats;
}

}  // namespace quillstat
