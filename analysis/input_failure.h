#ifndef QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_
#define QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_

#include <string>

#include "engine/io_error.h"

namespace quillstat {

// An input that an analysis could not read: a file that could not be opened
// or read, or a directory that could not be listed. The front ends report them.
struct inputFailure {
  std::string path;
  ioError error;

  bool operator==(const inputFailure&) const = default;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_
