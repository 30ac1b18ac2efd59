#ifndef QUILLSTAT_ENGINE_FILE_SYSTEM_H_
#define QUILLSTAT_ENGINE_FILE_SYSTEM_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/io_error.h"

namespace quillstat {

// Whether a path is already known to name a regular file: the directory walk
// has seen the type of each file it selects; a path a user typed has not.
enum class pathType { unchecked, regularFile };

// What a directory entry is, with a symlink resolved to what it names.
enum class entryKind {
  file,          // a regular file
  directory,     // a directory
  special,       // a FIFO, socket or device
  danglingLink,  // a symlink that leads nowhere: to nothing, round a loop, or out of reach
  other,         // gone before its kind was learnt
};

// One entry of a directory listing.
struct directoryEntry {
  std::string name;     // the bare name, never "." or ".."
  entryKind kind;       // for a symlink, the kind of its target
  bool isLink = false;  // the entry itself is a symbolic link

  bool operator==(const directoryEntry&) const = default;
};

// The calls through which an analysis reads its inputs. The machine's own
// (file_system_<platform>.cpp) serve the program; tests hand the analysis one
// that injects faults, since files that vanish, shrink, grow or fail midway
// cannot be had from a real file system on cue. Implementations are called
// from several threads at once.
class fileSystem {
 public:
  virtual ~fileSystem() = default;

  // Opens the regular file at `path` (or the one a symlink names) for
  // reading and learns its size. An unchecked path is refused by its type
  // before anything opens it, so FIFOs, sockets and devices are never
  // opened; a path known as a regular file is opened at once, and should it
  // have been replaced by a FIFO since, the open does not wait for a writer.
  // Returns false, with the reason in *error, for anything else.
  virtual bool openFile(const std::string& path, pathType type, intptr_t* handle, int64_t* size,
                        ioError* error) = 0;

  // Reads up to `capacity` bytes of an open file; *got is 0 only at its end.
  virtual bool readFile(intptr_t handle, char* into, size_t capacity, size_t* got,
                        ioError* error) = 0;

  virtual void closeFile(intptr_t handle) = 0;

  // Replaces *entries with the entries of the directory `path`, in the order
  // the system lists them, "." and ".." left out. `path` may end in a
  // separator; relative paths are taken from the working directory. Returns
  // false, with the reason in *error and *entries empty, when the directory
  // cannot be opened or read.
  virtual bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                             ioError* error) = 0;
};

// The machine's own file system.
fileSystem& machineFileSystem();

// While one lives on a thread, the machine's file system keeps the
// directory of the last file that thread opened, and opens the next file of
// the same directory relative to it: the system then resolves one name, not
// every directory of the path again. For the threads that read a tree's
// files a directory after another; the directory is let go with it.
class directoryReuse {
 public:
  directoryReuse();
  ~directoryReuse();
  directoryReuse(const directoryReuse&) = delete;
  directoryReuse& operator=(const directoryReuse&) = delete;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ENGINE_FILE_SYSTEM_H_
