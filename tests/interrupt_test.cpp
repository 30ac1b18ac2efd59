// Ctrl-C and termination requests in the middle of a run of the built program.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

const char kOldReport[] = "the report of an earlier run";

class Interrupt : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory();
    fs::create_directories(root_ / "tree");
    writeFile(root_ / "out/r.txt", kOldReport);
    writeFile(root_ / "out/t.txt", kOldReport);
  }
  void TearDown() override { fs::remove_all(root_); }

  // The report and the todo list are both open from the start.
  pid_t start() const {
    return startProgram(root_.string(),
                        {"-d", "tree", "-o", "out/r.txt", "--todo-list", "out/t.txt"});
  }
  // What the report directory holds: a temporary file left behind shows here.
  std::set<std::string> reportDirectory() const { return namesIn(root_ / "out"); }
  // Whether a temporary file there holds some of the report.
  bool reportBegun() const {
    for (const fs::directory_entry& entry : fs::directory_iterator(root_ / "out")) {
      std::error_code error;
      if (entry.path().extension() == ".tmp" && fs::file_size(entry.path(), error) > 0) return true;
    }
    return false;
  }
  std::string reportNow() const { return readFile(root_ / "out/r.txt"); }

  fs::path root_;
};

// Whether the program has stopped or ended, leaving it to be waited for.
bool halted(pid_t pid, int how, siginfo_t* info) {
  *info = {};
  return waitid(P_PID, pid, info, how | WNOWAIT) == 0 && info->si_pid == pid;
}

// Waits until the program has seen to all three signals, one after the
// other and before any work: each caught, or ignored as it was started. Its
// /proc status shows it; false if it ended first.
bool handlesInterrupts(pid_t pid) {
  const auto bit = [](int signal) { return 1ull << (signal - 1); };
  const unsigned long long all = bit(SIGINT) | bit(SIGTERM) | bit(SIGHUP);
  const std::string status = "/proc/" + std::to_string(pid) + "/status";
  siginfo_t info;
  while (!halted(pid, WEXITED | WNOHANG, &info)) {
    std::ifstream in(status);
    unsigned long long seen = 0;
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("SigCgt:") || line.starts_with("SigIgn:")) {
        seen |= std::stoull(line.substr(7), nullptr, 16);
      }
    }
    if ((seen & all) == all) return true;
  }
  return false;
}

// While the files are read. A sparse file of 64 GiB takes far longer to read
// than the test to signal, however loaded the machine.
TEST_F(Interrupt, DuringTheAnalysisEndsWithTheShellStatusUnlessIgnored) {
  fs::resize_file(writeFile(root_ / "tree/huge.cpp", ""), int64_t{64} << 30);
  for (const auto& [signal, status] : {std::pair{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}}) {
    SCOPED_TRACE(signal);
    pid_t pid = start();
    ASSERT_TRUE(handlesInterrupts(pid));
    ASSERT_EQ(kill(pid, signal), 0);
    programEnd end = waitForProgram(pid);
    EXPECT_EQ(end.exitStatus, status);
    EXPECT_EQ(end.err, "");
    EXPECT_EQ(reportNow(), kOldReport);
    EXPECT_EQ(reportDirectory(), (std::set<std::string>{"r.txt", "t.txt"}));
  }

  // Started with SIGHUP ignored, as nohup starts it, the run outlives a
  // hang-up: the Ctrl-C after it is what ends the run.
  struct sigaction ignore = {}, before = {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGHUP, &ignore, &before);
  pid_t pid = start();
  sigaction(SIGHUP, &before, nullptr);
  ASSERT_TRUE(handlesInterrupts(pid));
  ASSERT_EQ(kill(pid, SIGHUP), 0);
  ASSERT_EQ(kill(pid, SIGINT), 0);
  EXPECT_EQ(waitForProgram(pid).exitStatus, 130);
}

// While the report is written: the run is caught with its temporary file in
// place (stopped there, so that the moment cannot pass), then interrupted.
TEST_F(Interrupt, DuringTheReportWriteLeavesTheOldReportAndNoTemporaryFile) {
  // 10,000 records make a report of over a megabyte.
  char name[32];
  for (int i = 0; i < 10000; ++i) {
    std::snprintf(name, sizeof(name), "tree/f%05d.cpp", i);
    std::ofstream(root_ / name) << "x;\n";
  }
  bool caught = false;
  for (int attempt = 0; attempt < 20 && !caught; ++attempt) {
    pid_t pid = start();
    siginfo_t info;
    while (!reportBegun() && !halted(pid, WEXITED | WNOHANG, &info)) {
    }
    if (reportBegun()) {
      kill(pid, SIGSTOP);
      // Stopped before its renames if the temporary files are still there.
      caught = halted(pid, WSTOPPED | WEXITED, &info) && info.si_code == CLD_STOPPED &&
               reportDirectory().size() == 4;
      kill(pid, SIGINT);
      kill(pid, SIGCONT);
    }
    programEnd end = waitForProgram(pid);
    if (caught) {
      EXPECT_EQ(end.exitStatus, 130);
      EXPECT_EQ(reportNow(), kOldReport);
    }
    EXPECT_EQ(reportDirectory(), (std::set<std::string>{"r.txt", "t.txt"}));
    writeFile(root_ / "out/r.txt", kOldReport);
    writeFile(root_ / "out/t.txt", kOldReport);
  }
  EXPECT_TRUE(caught) << "no run was seen with its temporary file";
}

}  // namespace
}  // namespace quillstat
