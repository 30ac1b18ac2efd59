#ifndef QUILLSTAT_UI_GIT_PROCESS_H_
#define QUILLSTAT_UI_GIT_PROCESS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// The git program, run as a child with a pipe to its standard input and one
// from its standard output; its standard error is this program's, so that
// git's own words ("fatal: bad revision") reach the user. Found by the PATH.
// Not for use from several threads at once.
class gitProcess {
 public:
  gitProcess() = default;
  gitProcess(const gitProcess&) = delete;
  gitProcess& operator=(const gitProcess&) = delete;
  // Closes the pipes and waits for the child, if it still runs.
  ~gitProcess();

  // Starts `git -C directory arguments...`. Returns false with the reason
  // in *error when it cannot be started (git is not installed, say).
  bool start(const std::string& directory, const std::vector<std::string>& arguments,
             std::string* error);

  // Writes `text` to its standard input; false when it has gone.
  bool send(std::string_view text);

  // Reads up to `capacity` bytes of its output; *got is 0 only at its end.
  // False on a read error.
  bool receive(char* into, size_t capacity, size_t* got);

  // Closes its standard input and waits for it: its exit status, or -1 when
  // it did not exit by itself.
  int finish();

 private:
  intptr_t child_ = -1;  // the process
  intptr_t input_ = -1;  // our end of its standard input
  intptr_t output_ = -1;  // our end of its standard output
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GIT_PROCESS_H_
