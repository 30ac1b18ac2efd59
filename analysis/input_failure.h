#ifndef QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_
#define QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_

#include <string>

namespace quillstat {

// An input that an analysis could not read: a file that could not be opened,
// or a directory that could not be listed. The front ends report them.
struct inputFailure {
  std::string path;
  std::string reason;  // for example "No such file or directory"

  bool operator==(const inputFailure&) const = default;
};

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_INPUT_FAILURE_H_
