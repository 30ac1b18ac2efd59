#include "ui/file_list.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace quillstat {

namespace {

constexpr size_t kReadSize = 64 * 1024;

}  // namespace

fileList::~fileList() {
  if (ownsHandle_) ::close(static_cast<int>(handle_));
}

bool fileList::open(const std::string& name, ioError* error) {
  if (name == "-") {
    handle_ = STDIN_FILENO;
    return true;
  }
  // A FIFO or process substitution (<(git ls-files)) is what a list often is,
  // so any readable file is taken; a directory fails at the first read.
  int fd;
  do {
    fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    *error = systemError(errno);
    return false;
  }
  handle_ = fd;
  ownsHandle_ = true;
  return true;
}

bool fileList::readsTerminal() const { return isatty(static_cast<int>(handle_)) == 1; }

bool fileList::readMore() {
  const size_t had = pending_.size();
  pending_.resize(had + kReadSize);
  ssize_t got;
  do {
    got = ::read(static_cast<int>(handle_), pending_.data() + had, kReadSize);
  } while (got < 0 && errno == EINTR);
  pending_.resize(had + (got > 0 ? got : 0));
  if (got < 0) error_ = systemError(errno);
  return got > 0;
}

}  // namespace quillstat
