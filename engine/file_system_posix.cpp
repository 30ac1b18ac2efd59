#include "engine/file_system.h"

#include <cerrno>
#include <climits>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillstat {

namespace {

bool fail(ioError* error, int code) {
  *error = systemError(code);
  return false;
}

bool failOnType(ioError* error, mode_t mode) {
  *error = S_ISDIR(mode) ? isDirectoryError : notRegularFileError;
  return false;
}

entryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return entryKind::file;
  if (S_ISDIR(mode)) return entryKind::directory;
  return entryKind::special;
}

// Asks the file system about `name` when d_type does not settle it. The
// lookup is relative to the open directory, so it costs no path resolution
// and names the entry that was listed even if the path has changed meanwhile.
void resolveEntry(int directoryFd, unsigned char type, directoryEntry* entry) {
  struct stat info;
  if (type == DT_UNKNOWN) {
    if (fstatat(directoryFd, entry->name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
      entry->kind = entryKind::other;  // vanished since the listing
      return;
    }
    if (!S_ISLNK(info.st_mode)) {
      entry->kind = kindOfMode(info.st_mode);
      return;
    }
  }
  entry->isLink = true;
  // A dangling or looping link fails here, as does one into a directory
  // that may not be searched.
  entry->kind = fstatat(directoryFd, entry->name.c_str(), &info, 0) == 0
                    ? kindOfMode(info.st_mode)
                    : entryKind::danglingLink;
}

// A path as one call can take it: `name`, relative to `directory`. Paths
// longer than one call may name (PATH_MAX, 4,096 bytes on Linux) occur in deep
// trees; the directories on their way are then opened a piece at a time.
struct reachablePath {
  int directory = AT_FDCWD;
  const char* name = nullptr;
  int opened = -1;  // `directory` when opened for this path alone, closed with it

  reachablePath() = default;
  reachablePath(const reachablePath&) = delete;
  reachablePath& operator=(const reachablePath&) = delete;
  ~reachablePath() {
    if (opened >= 0) close(opened);
  }
};

// Enough to pass through a directory, without the right to read it.
#ifdef O_PATH
constexpr int kTraverse = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kTraverse = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// Sets *out to reach `path`, which must outlive it. Returns false, with
// errno set, when a directory on the way cannot be opened.
bool reach(const std::string& path, reachablePath* out) {
  // The system names no file "", as open("") says; left to the code below it
  // would become ".", the working directory.
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  size_t start = 0;
  while (path.size() - start >= PATH_MAX) {
    // The longest piece that ends in a separator and still fits.
    size_t cut = path.rfind('/', start + PATH_MAX - 2);
    if (cut == std::string::npos || cut <= start) {
      errno = ENAMETOOLONG;  // a single name longer than any the system has
      return false;
    }
    int fd = openat(out->directory, path.substr(start, cut + 1 - start).c_str(), kTraverse);
    if (fd < 0) return false;
    if (out->opened >= 0) close(out->opened);
    out->directory = out->opened = fd;
    start = cut + 1;
  }
  // A directory path may end in its separator, right where the last piece ended.
  out->name = start < path.size() ? path.c_str() + start : ".";
  return true;
}

// The directory a directoryReuse keeps: `path` as its files' paths spell
// it, up to their last separator, and `fd` open on it, or -1.
struct keptDirectory {
  bool reusing = false;  // a directoryReuse lives on this thread
  std::string path;
  int fd = -1;
};

thread_local keptDirectory tKept;

// Sets *out to reach `path` through the directory this thread keeps, opened
// first when the path's directory is another. Returns false where no
// directoryReuse lives, for a path without a directory or too long for one
// call, and when the directory cannot be opened: the whole path, taken
// then, fails as it would.
bool reachThroughKept(const std::string& path, reachablePath* out) {
  if (!tKept.reusing) return false;
  const size_t cut = path.rfind('/');
  if (cut == std::string::npos || cut + 1 == path.size() || cut >= PATH_MAX) return false;
  if (tKept.fd < 0 || path.compare(0, cut, tKept.path) != 0) {
    if (tKept.fd >= 0) close(tKept.fd);
    tKept.path.assign(path, 0, cut);
    tKept.fd = openat(AT_FDCWD, cut == 0 ? "/" : tKept.path.c_str(), kTraverse);
    if (tKept.fd < 0) return false;
  }
  out->directory = tKept.fd;
  out->name = path.c_str() + cut + 1;
  return true;
}

class posixFileSystem : public fileSystem {
 public:
  bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                ioError* error) override {
    reachablePath at;
    if (!reachThroughKept(path, &at) && !reach(path, &at)) return fail(error, errno);
    struct stat info;
    // The type is checked before the open: opening a FIFO for reading would
    // block, and opening a device may act on it.
    if (type == pathType::unchecked) {
      if (fstatat(at.directory, at.name, &info, 0) != 0) return fail(error, errno);
      if (!S_ISREG(info.st_mode)) return failOnType(error, info.st_mode);
    }
    int fd = openat(at.directory, at.name, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return fail(error, errno);
    // The path may have been replaced since the stat; trust only the open file.
    if (fstat(fd, &info) != 0) {
      int saved = errno;
      close(fd);
      return fail(error, saved);
    }
    if (!S_ISREG(info.st_mode)) {
      close(fd);
      return failOnType(error, info.st_mode);
    }
    *handle = fd;
    *size = static_cast<int64_t>(info.st_size);
    return true;
  }

  bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                ioError* error) override {
    for (;;) {
      ssize_t n = read(static_cast<int>(handle), into, capacity);
      if (n >= 0) {
        *got = static_cast<size_t>(n);
        return true;
      }
      if (errno != EINTR) return fail(error, errno);
    }
  }

  void closeFile(intptr_t handle) override { close(static_cast<int>(handle)); }

  bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                     ioError* error) override {
    entries->clear();
    reachablePath at;
    if (!reach(path, &at)) return fail(error, errno);
    int fd = openat(at.directory, at.name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return fail(error, errno);
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
      int saved = errno;
      close(fd);
      return fail(error, saved);
    }
    for (;;) {
      errno = 0;  // readdir signals a read error only through errno
      const dirent* raw = readdir(dir);
      if (raw == nullptr) break;
      const char* name = raw->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
      directoryEntry entry{name, entryKind::other};
      switch (raw->d_type) {
        case DT_REG: entry.kind = entryKind::file; break;
        case DT_DIR: entry.kind = entryKind::directory; break;
        case DT_LNK:
        case DT_UNKNOWN: resolveEntry(fd, raw->d_type, &entry); break;
        default: entry.kind = entryKind::special; break;  // FIFOs, sockets, devices
      }
      entries->push_back(std::move(entry));
    }
    int readError = errno;
    closedir(dir);  // also closes fd
    if (readError != 0) {
      entries->clear();
      return fail(error, readError);
    }
    return true;
  }
};

}  // namespace

fileSystem& machineFileSystem() {
  static posixFileSystem machine;
  return machine;
}

directoryReuse::directoryReuse() { tKept.reusing = true; }

directoryReuse::~directoryReuse() {
  if (tKept.fd >= 0) close(tKept.fd);
  tKept = keptDirectory{};
}

}  // namespace quillstat
