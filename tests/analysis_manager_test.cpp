#include <filesystem>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "analysis/add_stats.h"
#include "analysis/analysis_manager.h"
#include "analysis/language_table.h"
#include "child_process.h"
#include "engine_test_util.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

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

TEST_F(AnalysisManager, AnalyzeFileKeepsOneNamedRecord) {
  analysisManager manager;
  ASSERT_TRUE(manager.analyzeFile(path("a.cpp"), 0, false, true));
  ASSERT_EQ(manager.results().size(), 1u);
  EXPECT_EQ(describe(manager.results()[0]),
            "size=12 chars=4 code=8 comments=1 lines=1 todo=0 fixme=0");
  EXPECT_EQ(manager.results()[0].filename, path("a.cpp"));
  EXPECT_FALSE(manager.fromDirectory());
  EXPECT_EQ(manager.summaryText().rfind("Имя файла: " + path("a.cpp") + "\r\n", 0), 0u);

  // Java is scanned as C++.
  ASSERT_TRUE(manager.analyzeFile(path("sub/b.java"), 3, false, true));
  fileStats java = manager.results().at(0);
  ASSERT_TRUE(manager.analyzeFile(path("sub/b.java"), 0, false, true));
  EXPECT_EQ(manager.results().at(0), java);
}

TEST_F(AnalysisManager, UnknownLanguageLeavesNoResults) {
  analysisManager manager;
  manager.analyzeDirectory(root_.string(), 0, false, "*.cpp", true, true);
  ASSERT_EQ(manager.results().size(), 1u);
  for (unsigned language : {4u, static_cast<unsigned>(-1)}) {
    EXPECT_FALSE(manager.analyzeFile(path("a.cpp"), language, false, true));
    EXPECT_TRUE(manager.results().empty());
    EXPECT_FALSE(manager.fromDirectory());
  }
  // A directory run with language 7 collects but analyses nothing.
  manager.analyzeDirectory(root_.string(), 7, false, "*.cpp", true, true);
  EXPECT_TRUE(manager.results().empty());
  EXPECT_TRUE(manager.fromDirectory());
  EXPECT_EQ(manager.summaryText().rfind("Имя файла: Все файлы\r\n", 0), 0u);
}

TEST_F(AnalysisManager, EachAnalysisReplacesTheLast) {
  analysisManager manager;
  manager.analyzeDirectory(root_.string(), 0, false, "*.cpp;*.java", true, true);
  ASSERT_EQ(manager.results().size(), 2u);
  EXPECT_TRUE(manager.fromDirectory());
  ASSERT_TRUE(manager.analyzeFile(path("sub/b.java"), 3, false, true));
  ASSERT_EQ(manager.results().size(), 1u);
  EXPECT_FALSE(manager.fromDirectory());
  EXPECT_EQ(manager.summaryText().find("Все файлы"), std::string::npos);
}

TEST_F(AnalysisManager, UnreadableFilesAreListedAndReported) {
  analysisManager manager;
  ASSERT_TRUE(manager.analyzeFile(path("missing.cpp"), 0, false, true));
  ASSERT_EQ(manager.results().size(), 1u);
  EXPECT_EQ(manager.results()[0], fileStats{});
  ASSERT_EQ(manager.failures().size(), 1u);
  EXPECT_EQ(manager.failures()[0], (inputFailure{path("missing.cpp"), "No such file or directory"}));
  EXPECT_EQ(manager.summaryText().rfind("Имя файла: \r\n", 0), 0u);

  manager.analyzeDirectory(path("missing"), 0, false, "*.cpp", true, true);
  EXPECT_TRUE(manager.results().empty());
  ASSERT_EQ(manager.failures().size(), 1u);
  EXPECT_EQ(manager.failures()[0].reason, "No such file or directory");
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
  analysisManager single(1);
  single.analyzeDirectory(root_.string(), 0, false, "*.cpp", true, false);
  ASSERT_EQ(single.results().size(), 201u);
  // Far more workers than the system would give are not attempted.
  for (unsigned jobs : {2u, 3u, 8u, 4000000000u}) {
    analysisManager parallel(jobs);
    size_t lastDone = 0;
    parallel.analyzeDirectory(root_.string(), 0, false, "*.cpp", true, false,
                              [&lastDone](size_t done, size_t found) {
                                EXPECT_EQ(done, lastDone + 1);
                                EXPECT_LE(done, found);
                                lastDone = done;
                              });
    EXPECT_EQ(lastDone, 201u);
    EXPECT_EQ(parallel.results(), single.results()) << jobs;
    EXPECT_EQ(parallel.summaryText(), single.summaryText()) << jobs;
  }
}

// A process limit lets the pool start only some of its workers; they do all
// the work. The limit binds only users other than root, so the analysis runs
// in a child process as "nobody" with room for two more threads.
TEST_F(AnalysisManager, WorkersTheSystemRefusesAreDoneWithout) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run as a user with no other processes";
  analysisManager unlimited(1);
  unlimited.analyzeDirectory(root_.string(), 0, false, "*.cpp;*.java", true, true);
  ASSERT_EQ(unlimited.results().size(), 2u);
  int status = inChildProcess(true, [&] {
    rlimit limit{3, 3};
    if (setrlimit(RLIMIT_NPROC, &limit) != 0) return 3;
    analysisManager limited(8);
    limited.analyzeDirectory(root_.string(), 0, false, "*.cpp;*.java", true, true);
    return limited.results() == unlimited.results() ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
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

TEST(LanguageTable, ListsTheFourLanguagesInOrder) {
  std::string names;
  for (const languageEntry& row : languageTable) names += std::string(row.name) + ";";
  EXPECT_EQ(names, "C++;Delphi;Php;Java;");
  EXPECT_STREQ(languageTable[0].defaultMasks, "*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx");
  EXPECT_EQ(makeFinder(4, false), nullptr);
}

TEST(LanguageTable, EachRowOffersTheClassicAndTheExactRules) {
  const struct {
    unsigned row;
    std::string content;
    int64_t classicChars;
    int64_t exactChars;
  } cases[] = {
      // The escaped quote ends the classic string and a comment follows.
      {0, "s = \"\\\"//\";", 4, 0},
      {1, "{$I x}", 6, 0},
      {2, "<?php # c", 0, 3},
      // Java's own exact rules: a text block, where C would see a comment.
      {3, "s = \"\\\"//\";\n\"\"\"\n//x\n\"\"\"", 4, 0},
  };
  for (const auto& c : cases) {
    for (bool exact : {false, true}) {
      const fileStats stats =
          makeFinder(c.row, exact)->scanBuffer(c.content.data(), c.content.size(), true);
      EXPECT_EQ(stats.countCommentChars, exact ? c.exactChars : c.classicChars)
          << "row " << c.row << (exact ? " exact" : " classic");
    }
  }
}

}  // namespace
}  // namespace quillstat
