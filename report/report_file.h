#ifndef QUILLSTAT_REPORT_REPORT_FILE_H_
#define QUILLSTAT_REPORT_REPORT_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/io_error.h"

namespace quillstat {

// The target that names standard output.
inline constexpr char standardOutputName[] = "-";

// The file a report goes into, which appears under its name only when
// complete. A new or existing regular file is written under a temporary name
// in the same directory, flushed to disk, closed and only then renamed over
// the target: nobody sees half a report, and a failed or interrupted write
// leaves an existing report as it was. A replaced report keeps its owner,
// group (where the system allows) and permissions; one the user may not
// write is refused. A symbolic link is followed: the report replaces the
// file the link names (or creates it) and the link stays. Written directly
// instead: "-" and the names of an open descriptor (/dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N), through that descriptor, at its
// position or appended as it was opened; a target that exists and is not a
// regular file, such as a device or a FIFO, since a rename would replace the
// device itself; a report with other hard links, which a rename would leave
// stale; an existing report in a directory that refuses new files. Such a
// file (all but the descriptors) is opened only at the first write or the
// commit, so that open() neither truncates it nor waits for a FIFO's
// reader, but only checks that the user may write it. The platform part
// lives in report_file_<platform>.cpp.
class reportFile {
 public:
  reportFile() = default;
  // Abandons a file that was not committed: the temporary file is removed.
  ~reportFile();
  reportFile(const reportFile&) = delete;
  reportFile& operator=(const reportFile&) = delete;

  // Prepares to write the report `target`. Returns false, with the reason in
  // *error, when it cannot be written there (no such directory, a directory,
  // no permission...). Call once. Changes nothing a reader of `target` sees.
  bool open(const std::string& target, ioError* error);

  // Whether the bytes go straight to the target (see above), where a write
  // cannot be taken back; false for a temporary file. Valid after open().
  bool writesDirectly() const { return temporaryPath_.empty(); }

  // Writes all `length` bytes, or returns false with the reason.
  bool write(const char* data, size_t length, ioError* error);

  // Flushes and closes the file, so that commit() has only to put it in
  // place, which seldom fails. Returns false, with the reason, if any of it
  // fails; the temporary file is then removed. Optional before commit().
  bool finish(ioError* error);

  // Finishes the file if it was not, and puts it in place. Returns false,
  // with the reason, if any of it fails; the temporary file is then removed.
  bool commit(ioError* error);

 private:
  // Opens finalPath_ itself for writing, truncating it, when it was left
  // for later.
  bool openInPlace(ioError* error);
  // Writes through a copy of the open descriptor `descriptor`.
  bool openDescriptor(int descriptor, ioError* error);
  void abandon();

  intptr_t handle_ = -1;
  bool inPlaceDue_ = false;    // finalPath_ is opened at the first write
  bool finished_ = false;      // flushed and closed, only the rename is left
  int slot_ = -1;              // where removeUnfinishedReport() finds the temporary file
  std::string temporaryPath_;  // empty when the target is written directly
  std::string finalPath_;      // the target with its links resolved
};

// Removes the temporary files of the reports being written, if any are
// (up to four at once; a run writes two). Only async-signal-safe calls: an
// interrupt handler calls it before the process ends, so that an
// interrupted run leaves no temporary file behind.
void removeUnfinishedReport();

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FILE_H_
