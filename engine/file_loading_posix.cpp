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

bool textFileReader::open(const std::string& path, pathType type, std::string* error) {
  struct stat info;
  // The type is checked before the open: opening a FIFO for reading would
  // block, and opening a device may act on it.
  if (type == pathType::unchecked) {
    if (stat(path.c_str(), &info) != 0) return fail(error, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return fail(error, typeProblem(info.st_mode));
  }

  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return fail(error, std::strerror(errno));
  handle_ = fd;
  // The path may have been replaced since the stat; trust only the open file.
  if (fstat(fd, &info) != 0) {
    int saved = errno;
    close();
    return fail(error, std::strerror(saved));
  }
  if (!S_ISREG(info.st_mode)) {
    close();
    return fail(error, typeProblem(info.st_mode));
  }
  sizeOnDisk_ = static_cast<int64_t>(info.st_size);
  unread_ = sizeOnDisk_;
  return true;
}

bool textFileReader::readRaw(char* into, size_t capacity, size_t* got, std::string* error) {
  for (;;) {
    ssize_t n = read(static_cast<int>(handle_), into, capacity);
    if (n >= 0) {
      *got = static_cast<size_t>(n);
      return true;
    }
    if (errno != EINTR) return fail(error, std::strerror(errno));
  }
}

void textFileReader::close() {
  if (handle_ < 0) return;
  ::close(static_cast<int>(handle_));
  handle_ = -1;
}

}  // namespace quillstat
