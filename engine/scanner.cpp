#include "engine/scanner.h"

namespace quillstat {

fileStats scanPath(const scanner& scan, fileSystem& files, const std::string& path,
                   bool includeFirstComment, std::vector<char>* buffer, ioError* error,
                   pathType type, const std::atomic<bool>* stop,
                   std::vector<todoItem>* todos) {
  fileStats stats;
  std::vector<wordPlace> places;
  *error = ioError{};
  {
    textFileReader file(files, buffer, stop);
    if (!file.open(path, type, error) ||
        !scan.scanFile(file, includeFirstComment, &stats, todos ? &places : nullptr, error)) {
      return fileStats{};
    }
  }
  if (!places.empty()) locateWords(files, path, places, buffer, todos);
  stats.filename = path;
  return stats;
}

}  // namespace quillstat
