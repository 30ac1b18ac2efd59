#include "child_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillstat {

bool becomeNobodyIfRoot() {
  constexpr unsigned kNobody = 65534;
  return geteuid() != 0 ||
         (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

int inChildProcess(bool unprivileged, const std::function<int()>& job) {
  pid_t child = fork();
  if (child == 0) _exit(unprivileged && !becomeNobodyIfRoot() ? 100 : job());
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quillstat
