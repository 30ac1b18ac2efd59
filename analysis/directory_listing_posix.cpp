#include "analysis/directory_listing.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillstat {

namespace {

entryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return entryKind::file;
  if (S_ISDIR(mode)) return entryKind::directory;
  return entryKind::other;
}

// Asks the file system about `name` when d_type does not settle it. The
// lookup is relative to the open directory, so it costs no path resolution
// and names the entry that was listed even if `path` has changed meanwhile.
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
  // A dangling or looping link fails here and counts as other.
  entry->kind = fstatat(directoryFd, entry->name.c_str(), &info, 0) == 0
                    ? kindOfMode(info.st_mode)
                    : entryKind::other;
}

}  // namespace

bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                   std::string* error) {
  entries->clear();
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    *error = std::strerror(errno);
    return false;
  }
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    *error = std::strerror(errno);
    close(fd);
    return false;
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
      default: break;  // FIFOs, sockets, devices
    }
    entries->push_back(std::move(entry));
  }
  int readError = errno;
  closedir(dir);  // also closes fd
  if (readError != 0) {
    entries->clear();
    *error = std::strerror(readError);
    return false;
  }
  return true;
}

}  // namespace quillstat
