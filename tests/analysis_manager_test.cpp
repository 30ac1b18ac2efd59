#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "analysis/analysis_manager.h"
#include "child_process.h"
#include "test_files.h"

namespace quillstat {
namespace {

const analysisSettings cpp{};  // C++, the classic rules

class AnalysisManager : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory().string();
    writeFile(root_ + "/a.cpp", "int a; // x\n");
    writeFile(root_ + "/sub/b.java", "/* b */\nx;\n");
  }

  // A recursive analysis of root_ by `jobs` workers.
  analysisResult analyze(unsigned jobs, const std::atomic<bool>* stop = nullptr,
                         const analysisManager::progressCallback& progress = {}) const {
    return analysisManager(machineFileSystem(), jobs)
        .analyzeDirectory(root_, "*.cpp;*.java", true, cpp, progress, stop);
  }

  std::string root_;
};

// Whatever the number of workers, the records and their order are the same,
// with files enough that they are taken in several batches while the
// workers read on; far more workers than the system would give are not
// attempted.
TEST_F(AnalysisManager, WorkerCountNeverChangesTheResults) {
  std::mt19937 random(7);
  const char pieces[][12] = {"x;", "// todo\n", "/* a */", "{", "\"s\"", "\n", " ", "/", "fixme "};
  for (int file = 0; file < 600; ++file) {
    std::string content;
    for (int i = random() % 200; i > 0; --i) content += pieces[random() % std::size(pieces)];
    writeFile(root_ + "/d" + std::to_string(file % 5) + "/f" + std::to_string(file) + ".cpp",
              content);
  }
  const analysisResult single = analyze(1);
  ASSERT_EQ(single.records.size(), 602u);
  for (unsigned jobs : {2u, 3u, 8u, 4000000000u}) {
    std::mutex mutex;
    size_t mostDone = 0;
    const analysisResult parallel = analyze(jobs, nullptr, [&](size_t done, size_t found, int64_t) {
      std::lock_guard<std::mutex> lock(mutex);
      EXPECT_LE(done, found);
      mostDone = std::max(mostDone, done);
    });
    EXPECT_EQ(mostDone, 602u);
    EXPECT_EQ(parallel.records, single.records) << jobs;
  }
}

// A process limit lets the pool start only some of its workers; they do all
// the work. The limit binds only users other than root, so the analysis runs
// in a child process as "nobody" with room for two more threads.
TEST_F(AnalysisManager, WorkersTheSystemRefusesAreDoneWithout) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run as a user with no other processes";
  const analysisResult unlimited = analyze(1);
  ASSERT_EQ(unlimited.records.size(), 2u);
  EXPECT_EQ(inChildProcess(true, [&] {
              rlimit limit{3, 3};
              if (setrlimit(RLIMIT_NPROC, &limit) != 0) return 3;
              return analyze(8).records == unlimited.records ? 0 : 1;
            }),
            0);
}

// A stop, set before the start or by the first file done, ends the analysis
// with neither records nor failures.
TEST_F(AnalysisManager, StoppedAnalysisLeavesNothing) {
  std::atomic<bool> stop{true};
  const analysisManager manager(machineFileSystem(), 1);
  EXPECT_TRUE(manager.analyzeFile(root_ + "/a.cpp", cpp, &stop).records.empty());
  EXPECT_TRUE(manager.analyzeDirectory(root_ + "/missing", "*", true, cpp, {}, &stop)
                  .failures.empty());

  stop = false;
  size_t filesDone = 0;
  const analysisResult result = analyze(1, &stop, [&](size_t done, size_t, int64_t) {
    filesDone = done;
    stop = true;
  });
  EXPECT_EQ(filesDone, 1u);  // the one worker claims no file after the stop
  EXPECT_TRUE(result.records.empty());
}

TEST(AddStats, SumsEveryCounterAndKeepsTheTotalsName) {
  fileStats sum;
  addStats(&sum, fileStats{1, 2, 3, 4, 5, 6, 7, "a.cpp", 8, 9, 10, 11, 12, 13});
  addStats(&sum, fileStats{10, 20, 30, 40, 50, 60, 70, "b.cpp", 80, 90, 100, 110, 120, 130});
  EXPECT_EQ(sum, (fileStats{11, 22, 33, 44, 55, 66, 77, "", 88, 99, 110, 121, 132, 143}));
  // 64-bit: a total past 2^31 does not wrap.
  fileStats big{int64_t{3} << 30, 0, 0, 0, 0, 0, 0, ""};
  addStats(&big, big);
  EXPECT_EQ(big.sizeFile, int64_t{6} << 30);
}

// Sizes are powers of two, so that each sum tells which files it holds.
TEST(Totals, EachDirectoryDownToTheDepthAndEachLanguageSumTheirRecords) {
  analysisResult result;
  result.root = "r/";
  const struct {
    const char* path;
    unsigned language;
    int64_t size;
  } records[] = {{"r/a.cpp", 0, 1},      {"r/x/b.cpp", 0, 2},      {"r/x/y/c.go", 4, 4},
                 {"", noLanguage, 0},     {"r/x/y/w/e.cpp", 0, 16}, {"r/z/d.cpp", 0, 8}};
  for (const auto& r : records) {
    result.records.push_back({{.sizeFile = r.size, .filename = r.path}, r.language});
  }
  const struct {
    int depth;
    const char* totals;  // path:depth:size, in order
  } cases[] = {
      {1, "r/x/:1:22 r/z/:1:8"},
      {2, "r/x/:1:22 r/x/y/:2:20 r/z/:1:8"},
      {9, "r/x/:1:22 r/x/y/:2:20 r/x/y/w/:3:16 r/z/:1:8"},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const directoryTotal& t : directoryTotalsOf(result, c.depth)) {
      shown += (shown.empty() ? "" : " ") + t.path + ":" + std::to_string(t.depth) + ":" +
               std::to_string(t.figures.sizeFile);
    }
    EXPECT_EQ(shown, c.totals) << c.depth;
  }
  const std::vector<languageTotal> languages = languageTotalsOf(result);
  ASSERT_EQ(languages.size(), 2u);
  EXPECT_EQ(languages[0].language, 0u);
  EXPECT_EQ(languages[0].figures.sizeFile, 27);
  EXPECT_EQ(languages[1].language, 4u);
  EXPECT_EQ(languages[1].figures.sizeFile, 4);
}

}  // namespace
}  // namespace quillstat
