#ifndef QUILLSTAT_UI_FILE_LIST_H_
#define QUILLSTAT_UI_FILE_LIST_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/io_error.h"

namespace quillstat {

// A list of paths to analyse (--files-from), read piece by piece from a file,
// a pipe or standard input, so that the analysis starts on the first paths
// while a pipe still delivers the rest. Paths end in LF, or in NUL for a
// list that `git ls-files -z` or `find -print0` made. With LF, a CR before
// it is dropped, so that a list saved on Windows reads the same; a name
// that ends in CR needs NUL separators, and a NUL byte ends the list there
// (holdsNul()): such a list was made for NUL separators. Empty entries are
// skipped; the last path needs no separator after it. The platform part lives in
// file_list_<platform>.cpp.
class fileList {
 public:
  // `separator` is '\n' or '\0'.
  explicit fileList(char separator) : separator_(separator) {}
  // Closes the list, unless it is standard input.
  ~fileList();
  fileList(const fileList&) = delete;
  fileList& operator=(const fileList&) = delete;

  // Opens the list `name`, "-" for standard input. Returns false, with the
  // reason in *error, when it cannot be opened. Call once.
  bool open(const std::string& name, ioError* error);

  // Puts the next path into *path and returns true; returns false at the
  // end of the list, or when a read fails (then error() says why) or a NUL
  // ends a list of lines (then holdsNul()).
  bool next(std::string* path);

  const ioError& error() const { return error_; }
  bool holdsNul() const { return holdsNul_; }

  // Whether the list is read from a terminal, where a user types it.
  bool readsTerminal() const;

 private:
  // Appends what the next read gives to pending_; false at the end or on a
  // failure (error_ set).
  bool readMore();

  const char separator_;
  intptr_t handle_ = -1;
  bool ownsHandle_ = false;
  std::string pending_;  // read but not yet handed out, from `start_` on
  size_t start_ = 0;
  bool ended_ = false;
  ioError error_;
  bool holdsNul_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_FILE_LIST_H_
