#ifndef QUILLSTAT_REPORT_REPORT_FILE_H_
#define QUILLSTAT_REPORT_REPORT_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillstat {

// The file a report goes into, which appears under its name only when
// complete. A new or existing regular file is written under a temporary name
// in the same directory, flushed to disk, closed and only then renamed over
// the target: nobody sees half a report, and a failed or interrupted write
// leaves an existing report as it was. A replaced report keeps its
// permissions. A symbolic link is followed: the report replaces the file the
// link names (or creates it) and the link stays. A target that exists and is
// not a regular file, such as /dev/stdout or a FIFO, is written directly,
// since a rename would replace the device itself; so is an existing report
// in a directory that refuses new files. Reasons are strerror texts.
// The platform part lives in report_file_<platform>.cpp.
class reportFile {
 public:
  reportFile() = default;
  // Abandons a file that was not committed: the temporary file is removed.
  ~reportFile();
  reportFile(const reportFile&) = delete;
  reportFile& operator=(const reportFile&) = delete;

  // Prepares to write the report `target`. Returns false, with the reason in
  // *error, when it cannot be written there (no such directory, a directory,
  // no permission...). Call once.
  bool open(const std::string& target, std::string* error);

  // Writes all `length` bytes, or returns false with the reason.
  bool write(const char* data, size_t length, std::string* error);

  // Flushes and closes the file and puts it in place. Returns false, with
  // the reason, if any of it fails; the temporary file is then removed.
  bool commit(std::string* error);

 private:
  // Opens finalPath_ itself for writing, truncating it.
  bool openInPlace(std::string* error);
  void abandon();

  intptr_t handle_ = -1;
  std::string temporaryPath_;  // empty when the target is written directly
  std::string finalPath_;      // the target with its links resolved
};

// Removes the temporary file of the report being written, if one is. Only
// async-signal-safe calls: an interrupt handler calls it before the process
// ends, so that an interrupted run leaves no temporary file behind.
void removeUnfinishedReport();

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FILE_H_
