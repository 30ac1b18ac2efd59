#include "program_runner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string_view>

#include "child_process.h"

namespace quillstat {

namespace {

namespace fs = std::filesystem;

// Where each run's output goes, by pid: beside the tests' other files, not in
// the directory it runs in, so that it never shows in a tree it analyses.
std::map<pid_t, std::string> outputBases;

std::string newOutputBase() {
  static int runs = 0;
  fs::path dir = fs::temp_directory_path() / "quillstat_runs";
  fs::create_directories(dir);
  return (dir / (std::to_string(getpid()) + "-" + std::to_string(runs++))).string();
}

std::string takeFile(const std::string& path) {
  std::string text;
  {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), {});
  }
  fs::remove(path);
  return text;
}

}  // namespace

pid_t startProgram(const std::string& directory, const std::vector<std::string>& arguments,
                   bool unprivileged) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(QUILLSTAT_EXECUTABLE));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  std::vector<char*> environment;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    std::string_view entry(*variable);
    if (!entry.starts_with("DISPLAY=") && !entry.starts_with("WAYLAND_DISPLAY=") &&
        !entry.starts_with("QT_QPA_PLATFORM=")) {
      environment.push_back(*variable);
    }
  }
  environment.push_back(nullptr);

  const std::string base = newOutputBase();
  const std::string outPath = base + ".out";
  const std::string errPath = base + ".err";
  pid_t child = fork();
  if (child != 0) {
    outputBases[child] = base;
    return child;
  }
  // Only calls that are safe after a fork from here on.
  int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(120);
  if (chdir(directory.c_str()) != 0) _exit(121);
  if (unprivileged && !becomeNobodyIfRoot()) _exit(122);
  execve(argv[0], argv.data(), environment.data());
  _exit(123);
}

programEnd waitForProgram(pid_t pid) {
  programEnd end;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return end;
  if (WIFEXITED(status)) end.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  end.maxResidentKb = usage.ru_maxrss;
  const std::string base = outputBases[pid];
  outputBases.erase(pid);
  end.out = takeFile(base + ".out");
  end.err = takeFile(base + ".err");
  return end;
}

programEnd runProgram(const std::string& directory, const std::vector<std::string>& arguments,
                      bool unprivileged) {
  return waitForProgram(startProgram(directory, arguments, unprivileged));
}

}  // namespace quillstat
