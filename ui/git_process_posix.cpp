#include "ui/git_process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quillstat {

gitProcess::~gitProcess() { finish(); }

bool gitProcess::start(const std::string& directory, const std::vector<std::string>& arguments,
                       std::string* error) {
  int toChild[2];
  int fromChild[2];
  if (pipe2(toChild, O_CLOEXEC) != 0) {
    *error = std::strerror(errno);
    return false;
  }
  if (pipe2(fromChild, O_CLOEXEC) != 0) {
    *error = std::strerror(errno);
    close(toChild[0]);
    close(toChild[1]);
    return false;
  }
  std::vector<std::string> words = {"git", "-C", directory};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, "git", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(toChild[0]);
  close(fromChild[1]);
  if (failed != 0) {
    *error = std::string("cannot run git: ") + std::strerror(failed);
    close(toChild[1]);
    close(fromChild[0]);
    return false;
  }
  child_ = pid;
  input_ = toChild[1];
  output_ = fromChild[0];
  return true;
}

bool gitProcess::send(std::string_view text) {
  // A child that has gone must not end this program by SIGPIPE.
  struct sigaction ignore = {};
  struct sigaction old = {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &old);
  bool sent = true;
  while (!text.empty()) {
    const ssize_t wrote = write(static_cast<int>(input_), text.data(), text.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      sent = false;
      break;
    }
    text.remove_prefix(static_cast<size_t>(wrote));
  }
  sigaction(SIGPIPE, &old, nullptr);
  return sent;
}

bool gitProcess::receive(char* into, size_t capacity, size_t* got) {
  for (;;) {
    const ssize_t read = ::read(static_cast<int>(output_), into, capacity);
    if (read < 0 && errno == EINTR) continue;
    *got = read > 0 ? static_cast<size_t>(read) : 0;
    return read >= 0;
  }
}

int gitProcess::finish() {
  if (input_ >= 0) close(static_cast<int>(input_));
  if (output_ >= 0) close(static_cast<int>(output_));
  input_ = output_ = -1;
  if (child_ < 0) return -1;
  int status = 0;
  pid_t waited;
  while ((waited = waitpid(static_cast<pid_t>(child_), &status, 0)) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quillstat
