#ifndef QUILLSTAT_ANALYSIS_DIRECTORY_LISTING_H_
#define QUILLSTAT_ANALYSIS_DIRECTORY_LISTING_H_

#include <string>
#include <vector>

namespace quillstat {

// What a directory entry is, with a symlink resolved to what it names.
enum class entryKind {
  file,       // a regular file
  directory,  // a directory
  other,      // a FIFO, socket, device, dangling link or anything unreadable
};

// One entry of a directory listing.
struct directoryEntry {
  std::string name;      // the bare name, never "." or ".."
  entryKind kind;        // for a symlink, the kind of its target
  bool isLink = false;   // the entry itself is a symbolic link

  bool operator==(const directoryEntry&) const = default;
};

// Replaces *entries with the entries of the directory `path`, in the order
// the system lists them, "." and ".." left out. `path` may end in a
// separator; it is used as given (relative to the working directory when
// relative). The type of an entry costs a system call only when the listing
// itself does not tell it (symlinks, and file systems that report no type).
// Returns false, with the reason (strerror text) in *error, when the
// directory cannot be opened or read; *entries is then empty.
bool listDirectory(const std::string& path, std::vector<directoryEntry>* entries,
                   std::string* error);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_DIRECTORY_LISTING_H_
