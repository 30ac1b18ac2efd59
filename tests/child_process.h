#ifndef QUILLSTAT_TESTS_CHILD_PROCESS_H_
#define QUILLSTAT_TESTS_CHILD_PROCESS_H_

#include <functional>

namespace quillstat {

// Turns the calling process, when it runs as root, into the user "nobody"
// with no supplementary groups: permissions and process limits do not stop
// root. Returns false if the system refuses. Does nothing for other users.
bool becomeNobodyIfRoot();

// Runs `job` in a child process and returns its exit status (-1 if it did
// not exit), so that limits and identities set there stay there. With
// `unprivileged` the child first becomes "nobody" (see above).
int inChildProcess(bool unprivileged, const std::function<int()>& job);

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_CHILD_PROCESS_H_
