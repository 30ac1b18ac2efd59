#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "analysis/analysis_manager.h"
#include "engine/c_like_scan.h"
#include "child_process.h"
#include "engine_test_util.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

constexpr scanner cpp = scannerOf<cppScanner>();

class AnalysisManager : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory();
    fs::create_directories(root_ / "sub");
    write("a.cpp", "int a; // x\n");       // 12 bytes, 4 comment characters
    write("sub/b.java", "/* b */\nx;\n");  // 11 bytes, 7 comment characters
  }

  std::string write(const std::string& name, const std::string& content) {
    writeFile(root_ / name, content);
    return (root_ / name).string();
  }

  std::string path(const std::string& name) const { return (root_ / name).string(); }

  fs::path root_;
};

TEST_F(AnalysisManager, AFileRunKeepsOneRecordAndItsFailure) {
  const analysisManager manager(machineFileSystem());
  analysisResult result = manager.analyzeFile(path("a.cpp"), cpp, true);
  ASSERT_EQ(result.records.size(), 1u);
  EXPECT_EQ(describe(result.records[0]), "size=12 chars=4 code=8 comments=1 lines=1 todo=0 fixme=0");
  EXPECT_EQ(result.records[0].filename, path("a.cpp"));
  EXPECT_FALSE(result.fromDirectory);
  EXPECT_TRUE(result.failures.empty());

  result = manager.analyzeFile(path("missing.cpp"), cpp, true);
  EXPECT_EQ(result.records, std::vector<fileStats>{fileStats{}});
  EXPECT_EQ(result.failures,
            std::vector<inputFailure>({{path("missing.cpp"), systemError(ENOENT)}}));

  result = manager.analyzeDirectory(path("missing"), "*.cpp", true, cpp, true);
  EXPECT_TRUE(result.records.empty());
  EXPECT_TRUE(result.fromDirectory);
  EXPECT_EQ(result.failures, std::vector<inputFailure>({{path("missing"), systemError(ENOENT)}}));
}

// Whatever the number of workers, the records, their order, the summary and
// the reports are the same.
TEST_F(AnalysisManager, WorkerCountNeverChangesTheResults) {
  std::mt19937 random(7);
  const char pieces[][12] = {"x;", "// todo\n", "/* a */", "{", "\"s\"", "\n", " ", "/", "fixme "};
  for (char dir = '0'; dir < '5'; ++dir) {
    const std::string dirName{'d', dir};
    fs::create_directories(root_ / dirName);
    for (int file = 0; file < 40; ++file) {
      std::string content;
      for (int i = random() % 200; i > 0; --i) content += pieces[random() % std::size(pieces)];
      write(dirName + "/f" + std::to_string(file) + ".cpp", content);
    }
  }
  const analysisResult single =
      analysisManager(machineFileSystem(), 1).analyzeDirectory(root_.string(), "*.cpp", true, cpp,
                                                               false);
  ASSERT_EQ(single.records.size(), 201u);
  // Far more workers than the system would give are not attempted.
  for (unsigned jobs : {2u, 3u, 8u, 4000000000u}) {
    std::mutex mutex;
    size_t mostDone = 0;
    const analysisResult parallel = analysisManager(machineFileSystem(), jobs).analyzeDirectory(
        root_.string(), "*.cpp", true, cpp, false, [&](size_t done, size_t found, int64_t) {
          std::lock_guard<std::mutex> lock(mutex);
          EXPECT_LE(done, found);
          mostDone = std::max(mostDone, done);
        });
    EXPECT_EQ(mostDone, 201u);
    EXPECT_EQ(parallel.records, single.records) << jobs;
  }
}

// A process limit lets the pool start only some of its workers; they do all
// the work. The limit binds only users other than root, so the analysis runs
// in a child process as "nobody" with room for two more threads.
TEST_F(AnalysisManager, WorkersTheSystemRefusesAreDoneWithout) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run as a user with no other processes";
  const analysisResult unlimited = analysisManager(machineFileSystem(), 1)
                                       .analyzeDirectory(root_.string(), "*.cpp;*.java", true,
                                                         cpp, true);
  ASSERT_EQ(unlimited.records.size(), 2u);
  int status = inChildProcess(true, [&] {
    rlimit limit{3, 3};
    if (setrlimit(RLIMIT_NPROC, &limit) != 0) return 3;
    const analysisResult limited = analysisManager(machineFileSystem(), 8)
                                       .analyzeDirectory(root_.string(), "*.cpp;*.java", true,
                                                         cpp, true);
    return limited.records == unlimited.records ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
}

// A stop, set before the start or by the first file done, ends the analysis
// with neither records nor failures.
TEST_F(AnalysisManager, StoppedAnalysisLeavesNothing) {
  std::atomic<bool> stop{true};
  const analysisManager manager(machineFileSystem(), 1);
  EXPECT_TRUE(manager.analyzeFile(path("a.cpp"), cpp, true, &stop).records.empty());
  EXPECT_TRUE(
      manager.analyzeDirectory(path("missing"), "*.cpp", true, cpp, true, {}, &stop).failures.empty());

  stop = false;
  size_t filesDone = 0;
  const analysisResult result = manager.analyzeDirectory(
      root_.string(), "*.cpp;*.java", true, cpp, true,
      [&](size_t done, size_t, int64_t) {
        filesDone = done;
        stop = true;
      },
      &stop);
  EXPECT_EQ(filesDone, 1u);  // the one worker claims no file after the stop
  EXPECT_TRUE(result.records.empty());
}

TEST(AddStats, SumsTheSevenCountersWithAnEmptyName) {
  fileStats a{1, 2, 3, 4, 5, 6, 7, "a.cpp"};
  fileStats b{10, 20, 30, 40, 50, 60, 70, "b.cpp"};
  EXPECT_EQ(addStats(a, b), (fileStats{11, 22, 33, 44, 55, 66, 77, ""}));
  EXPECT_EQ(addStats(a, fileStats{}), (fileStats{1, 2, 3, 4, 5, 6, 7, ""}));
  // 64-bit: a total past 2^31 does not wrap.
  fileStats big{int64_t{3} << 30, 0, 0, 0, 0, 0, 0, ""};
  EXPECT_EQ(addStats(big, big).sizeFile, int64_t{6} << 30);
}

}  // namespace
}  // namespace quillstat
