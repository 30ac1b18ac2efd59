#include "report/report_file.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillstat {

namespace {

// The temporary files being written, for removeUnfinishedReport(): a run
// has its report and its todo list open at once. A file that finds no free
// slot is written all the same, only not removed on an interrupt.
constexpr int kSlots = 4;
std::atomic<bool> slotTaken[kSlots];
std::atomic<const char*> unfinishedReports[kSlots];

int takeSlot() {
  for (int slot = 0; slot < kSlots; ++slot) {
    bool expected = false;
    if (slotTaken[slot].compare_exchange_strong(expected, true)) return slot;
  }
  return -1;
}

void publish(int slot, const char* path) {
  if (slot >= 0) unfinishedReports[slot].store(path);
}

void releaseSlot(int slot) {
  if (slot < 0) return;
  unfinishedReports[slot].store(nullptr);
  slotTaken[slot].store(false);
}

// Links followed before giving up, as the kernel's own limit.
constexpr int kMaxLinkHops = 40;

bool fail(ioError* error, int code) {
  *error = systemError(code);
  return false;
}

// The directory part of `path` with its trailing '/', or "" for a bare name.
std::string directoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The descriptor that `path` names when it is an entry of this process's
// descriptor directory (/proc/<pid>/fd/N, which /dev/stdout, /dev/fd/N and
// /proc/self/fd/N lead to, or a real /dev/fd/N), or -1. Such an entry is
// the file the shell opened for us: renaming over what it names would
// destroy a redirected file, and a pipe has no directory to put a temporary
// file in.
int descriptorNamed(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return -1;
  std::string_view name(path.data() + slash + 1, path.size() - slash - 1);
  int fd = -1;
  auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), fd);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return -1;
  char* real = realpath(slash == 0 ? "/" : path.substr(0, slash).c_str(), nullptr);
  if (real == nullptr) return -1;
  const std::string directory = real;
  std::free(real);
  const bool own = directory == "/proc/" + std::to_string(getpid()) + "/fd" ||
                   directory == "/dev/fd";
  return own ? fd : -1;
}

// Follows `path` through symbolic links to the name that a write creates or
// replaces; a link that dangles gives the name it points at. Stops at an
// entry of the descriptor directory and sets *descriptor to its number
// (otherwise -1).
bool resolveLinks(std::string path, std::string* resolved, int* descriptor, ioError* error) {
  std::vector<char> target(256);
  *descriptor = -1;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    *descriptor = descriptorNamed(path);
    if (*descriptor >= 0) {
      *resolved = path;
      return true;
    }
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      *resolved = path;
      return true;
    }
    ssize_t length;
    while ((length = readlink(path.c_str(), target.data(), target.size())) ==
           static_cast<ssize_t>(target.size())) {
      target.resize(target.size() * 2);
    }
    if (length < 0) return fail(error, errno);
    std::string next(target.data(), static_cast<size_t>(length));
    path = next.starts_with('/') ? next : directoryOf(path) + next;
  }
  return fail(error, ELOOP);
}

// Gives the new file `fd` the owner, group and mode of the report it
// replaces. Only root may give a file away; others keep the group where they
// belong to it, and otherwise what the system gives. The mode comes after
// the owner, since a change of owner clears the set-user-ID bits, and in
// full, since the umask trimmed it at creation.
bool keepOwnerAndMode(int fd, const struct stat& replaced) {
  if (fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
    if (errno != EPERM) return false;
    if (fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0 && errno != EPERM) return false;
  }
  return fchmod(fd, replaced.st_mode & 07777) == 0;
}

// Creates a new file beside `finalPath` with a name of its own; its name
// goes to *temporaryPath and is published in `slot` for
// removeUnfinishedReport() before the file exists, so that an interrupt can
// never miss it.
int createTemporaryFile(const std::string& finalPath, mode_t mode, int slot,
                        std::string* temporaryPath) {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    publish(slot, nullptr);  // the name is about to change
    *temporaryPath = directoryOf(finalPath) + ".quillstat-" + std::to_string(getpid()) + "-" +
                     std::to_string(counter++) + ".tmp";
    publish(slot, temporaryPath->c_str());
    int fd = open(temporaryPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST) {
      int saved = errno;
      publish(slot, nullptr);
      errno = saved;
      return -1;
    }
  }
}

}  // namespace

reportFile::~reportFile() { abandon(); }

bool reportFile::open(const std::string& target, ioError* error) {
  int descriptor = target == standardOutputName ? STDOUT_FILENO : -1;
  if (descriptor < 0 && !resolveLinks(target, &finalPath_, &descriptor, error)) return false;
  if (descriptor >= 0) return openDescriptor(descriptor, error);
  struct stat info;
  bool exists = stat(finalPath_.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return fail(error, EISDIR);
  // A report the user may not write is refused, as a shell redirection
  // would refuse it, although its directory would take a replacement; a
  // device or FIFO is checked here too, since it is opened only later.
  if (exists && faccessat(AT_FDCWD, finalPath_.c_str(), W_OK, AT_EACCESS) != 0) {
    return fail(error, errno);
  }
  inPlaceDue_ = exists && !S_ISREG(info.st_mode);
  // A rename would leave the other names of a linked report with the old
  // content; such a report is rewritten where it is.
  if (exists && info.st_nlink > 1) inPlaceDue_ = true;
  if (inPlaceDue_) return true;
  slot_ = takeSlot();
  int fd = createTemporaryFile(finalPath_, exists ? info.st_mode & 07777 : 0666, slot_,
                               &temporaryPath_);
  if (fd < 0) {
    int saved = errno;
    temporaryPath_.clear();
    releaseSlot(slot_);
    slot_ = -1;
    // A directory that takes no new files may still hold a report that its
    // owner may rewrite; it is written in place, as it always could be.
    inPlaceDue_ = saved == EACCES && exists;
    return inPlaceDue_ || fail(error, saved);
  }
  handle_ = fd;
  if (exists && !keepOwnerAndMode(fd, info)) {
    int saved = errno;
    abandon();
    return fail(error, saved);
  }
  return true;
}

bool reportFile::openDescriptor(int descriptor, ioError* error) {
  // A copy, so that closing the report leaves the shell's descriptor open.
  int fd = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return fail(error, errno);
  handle_ = fd;
  return true;
}

bool reportFile::openInPlace(ioError* error) {
  inPlaceDue_ = false;
  int fd = ::open(finalPath_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(error, errno);
  handle_ = fd;
  return true;
}

bool reportFile::write(const char* data, size_t length, ioError* error) {
  if (inPlaceDue_ && !openInPlace(error)) return false;
  while (length > 0) {
    ssize_t n = ::write(static_cast<int>(handle_), data, length);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(error, errno);
    }
    data += n;
    length -= static_cast<size_t>(n);
  }
  return true;
}

bool reportFile::finish(ioError* error) {
  if (finished_) return true;
  if (inPlaceDue_ && !openInPlace(error)) return false;
  int fd = static_cast<int>(handle_);
  handle_ = -1;
  // Some file systems report a failed write only at the flush or the close;
  // a few cannot flush at all (EINVAL), which costs only the flush.
  int saved = 0;
  if (!temporaryPath_.empty() && fsync(fd) != 0 && errno != EINVAL) saved = errno;
  if (close(fd) != 0 && saved == 0) saved = errno;
  if (saved != 0) {
    abandon();
    return fail(error, saved);
  }
  finished_ = true;
  return true;
}

bool reportFile::commit(ioError* error) {
  if (!finish(error)) return false;
  if (temporaryPath_.empty()) return true;
  if (rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) {
    int saved = errno;
    abandon();
    return fail(error, saved);
  }
  releaseSlot(slot_);
  slot_ = -1;
  temporaryPath_.clear();
  return true;
}

void reportFile::abandon() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
  handle_ = -1;
  if (temporaryPath_.empty()) return;
  // Removed before it is unpublished: an interrupt in between only repeats the removal.
  unlink(temporaryPath_.c_str());
  releaseSlot(slot_);
  slot_ = -1;
  temporaryPath_.clear();
}

void removeUnfinishedReport() {
  for (std::atomic<const char*>& report : unfinishedReports) {
    if (const char* path = report.load()) unlink(path);
  }
}

}  // namespace quillstat
