// Inputs that vanish, change or fail while an analysis reads them, made to
// do so on cue through the faulty file system.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "analysis/analysis_manager.h"
#include "engine_test_util.h"
#include "faulty_file_system.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;
using faults = faultyFileSystem;

// 16 bytes a line: 7 comment characters ("// todo"), 9 code characters
// ("int ab; " and the LF), 1 comment, 1 mark, 1 todo. A read chunk of
// 128 KiB holds exactly 8192 of them.
std::string lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "int ab; // todo\n";
  return text;
}

class InputFaults : public testing::Test {
 protected:
  void SetUp() override { root_ = freshTestDirectory().string(); }

  std::string write(const std::string& name, const std::string& content) {
    writeFile(root_ + "/" + name, content);
    return root_ + "/" + name;
  }

  // Analyses root_ recursively with two workers and describes the records,
  // one a line.
  std::string analyzeTree() {
    result_ = manager_.analyzeDirectory(root_, "*.cpp", true, analysisSettings{});
    std::string described;
    for (const fileRecord& file : result_.records) {
      const fileStats& record = file.stats;
      described += (record.filename.empty() ? "-" : record.filename.substr(root_.size() + 1)) +
                   " " + describe(record) + "\n";
    }
    return described;
  }

  std::string root_;
  faultyFileSystem files_;
  const analysisManager manager_{files_, 2};
  analysisResult result_;
};

const std::string kZero = "- size=0 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0\n";

// Each file meets its own fault in one analysis: it alone is unreadable or
// read as far as it goes. Permissions do not stop root, so the refusals are
// injected too: the test means the same whoever runs it.
TEST_F(InputFaults, EachFaultTouchesOnlyItsOwnFile) {
  write("a.cpp", "int a; // x\n");
  write("sub/b.cpp", "x;\n");
  files_.fail(root_ + "/sub/", faults::kList, EACCES);
  const std::string locked = write("locked.cpp", "x;\n");
  files_.fail(locked, faults::kOpen, EACCES);
  const std::string gone = write("gone.cpp", "x;\n");
  files_.at(gone, faults::kOpen, [gone] { return fs::remove(gone) ? 0 : EINVAL; });
  const std::string failing = write("failing.cpp", lines(19200));
  files_.fail(failing, 1, EIO);
  // Cut to 100 bytes after the first chunk: the 8192 lines read count, the
  // size stays what the open found.
  const std::string shrinking = write("shrinking.cpp", lines(19200));
  files_.at(shrinking, 1, [shrinking] {
    fs::resize_file(shrinking, 100);
    return 0;
  });
  // Doubled right after the open: reading stops at the size the open found.
  const std::string growing = write("growing.cpp", lines(1000));
  files_.at(growing, 0, [growing] {
    std::ofstream(growing, std::ios::app) << lines(1000);
    return 0;
  });

  EXPECT_EQ(analyzeTree(),
            "a.cpp size=12 chars=4 code=8 comments=1 marks=1 todo=0 fixme=0\n" + kZero + kZero +
                "growing.cpp size=16000 chars=7000 code=9000 comments=1000 marks=1000 "
                "todo=1000 fixme=0\n" +
                kZero +
                "shrinking.cpp size=307200 chars=57344 code=73728 comments=8192 marks=8192 "
                "todo=8192 fixme=0\n");
  EXPECT_EQ(result_.failures, std::vector<inputFailure>({{root_ + "/sub/", systemError(EACCES)},
                                                         {failing, systemError(EIO)},
                                                         {gone, systemError(ENOENT)},
                                                         {locked, systemError(EACCES)}}));
}

TEST_F(InputFaults, FailedFileOrTopDirectoryIsNamedAsTheCallerNamedIt) {
  const std::string failing = write("failing.cpp", lines(19200));
  files_.fail(failing, 1, EIO);
  result_ = manager_.analyzeFile(failing, analysisSettings{});
  EXPECT_EQ(result_.records, std::vector<fileRecord>{fileRecord{}});
  EXPECT_FALSE(result_.fromDirectory);
  EXPECT_EQ(result_.failures, std::vector<inputFailure>({{failing, systemError(EIO)}}));

  files_.fail(root_ + "/", faults::kList, EACCES);
  EXPECT_EQ(analyzeTree(), "");
  EXPECT_TRUE(result_.fromDirectory);
  EXPECT_EQ(result_.failures, std::vector<inputFailure>({{root_, systemError(EACCES)}}));
}

}  // namespace
}  // namespace quillstat
