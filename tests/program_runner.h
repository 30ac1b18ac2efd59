#ifndef QUILLSTAT_TESTS_PROGRAM_RUNNER_H_
#define QUILLSTAT_TESTS_PROGRAM_RUNNER_H_

#include <sys/types.h>

#include <string>
#include <vector>

namespace quillstat {

// How a run of the built program ended.
struct programEnd {
  int exitStatus = -1;     // -1 when it did not exit by itself
  int signal = 0;          // the signal that ended it, if one did
  long maxResidentKb = 0;  // its peak memory
  std::string out;         // what it printed on stdout
  std::string err;         // what it printed on stderr
};

// Starts the built program with `arguments` in `directory`, as in a session
// without a window system (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM
// unset), as the user "nobody" when `unprivileged` and the tests run as root.
// Returns its pid.
pid_t startProgram(const std::string& directory, const std::vector<std::string>& arguments,
                   bool unprivileged = false);

// Waits for a program that startProgram started to end.
programEnd waitForProgram(pid_t pid);

// Both in one.
programEnd runProgram(const std::string& directory, const std::vector<std::string>& arguments,
                      bool unprivileged = false);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_PROGRAM_RUNNER_H_
