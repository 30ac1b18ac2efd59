#include "engine/file_loading.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillstat {

namespace {

bool fail(std::string* error, const std::string& reason) {
  *error = reason;
  return false;
}

const char* typeProblem(mode_t mode) {
  return S_ISDIR(mode) ? "is a directory" : "not a regular file";
}

}  // namespace

bool loadTextFile(const std::string& path, std::string* content, int64_t* sizeOnDisk,
                  std::string* error) {
  struct stat info;
  // The type is checked before the open: opening a FIFO for reading would block.
  if (stat(path.c_str(), &info) != 0) return fail(error, std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return fail(error, typeProblem(info.st_mode));

  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return fail(error, std::strerror(errno));
  // The path may have been replaced since the stat; trust only the open file.
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    int saved = errno;
    close(fd);
    return fail(error, S_ISREG(info.st_mode) ? std::strerror(saved) : typeProblem(info.st_mode));
  }

  content->resize(static_cast<size_t>(info.st_size));
  size_t filled = 0;
  while (filled < content->size()) {
    ssize_t got = read(fd, content->data() + filled, content->size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      int saved = errno;
      close(fd);
      return fail(error, std::strerror(saved));
    }
    if (got == 0) break;  // the file shrank since fstat
    filled += static_cast<size_t>(got);
  }
  close(fd);
  content->resize(applyTextMode(content->data(), filled));
  *sizeOnDisk = static_cast<int64_t>(info.st_size);
  return true;
}

}  // namespace quillstat
