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

// 16 bytes: 7 comment characters ("// todo"), 9 code characters ("int ab; "
// and the LF), 1 comment, 1 mark, 1 todo. A read chunk of 128 KiB holds
// exactly 8192 of them.
const std::string kLine = "int ab; // todo\n";

std::string lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += kLine;
  return text;
}

class InputFaults : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory().string();
    fs::create_directories(root_ + "/sub");
    write("a.cpp", "int a; // x\n");  // 12 bytes, 4 comment characters
    write("sub/b.cpp", "x;\n");
  }

  std::string write(const std::string& name, const std::string& content) {
    writeFile(path(name), content);
    return path(name);
  }
  std::string path(const std::string& name) const { return root_ + "/" + name; }

  // Analyses root_ recursively with two workers and describes the records.
  std::string analyzeTree() {
    manager_.analyzeDirectory(root_, 0, false, "*.cpp", true, true);
    std::string described;
    for (const fileStats& record : manager_.results()) {
      described += (record.filename.empty() ? "-" : record.filename.substr(root_.size() + 1)) +
                   " " + describe(record) + "\n";
    }
    return described;
  }

  std::string root_;
  faultyFileSystem files_;
  analysisManager manager_{2};
};

const char kA[] = "a.cpp size=12 chars=4 code=8 comments=1 lines=1 todo=0 fixme=0\n";
const char kB[] = "sub/b.cpp size=3 chars=0 code=3 comments=0 lines=1 todo=0 fixme=0\n";
const char kZero[] = "- size=0 chars=0 code=0 comments=0 lines=0 todo=0 fixme=0\n";

TEST_F(InputFaults, FileThatVanishesBeforeItsOpenIsUnreadable) {
  std::string gone = write("gone.cpp", "x;\n");
  files_.beforeOpen(gone, [gone] { fs::remove(gone); });
  EXPECT_EQ(analyzeTree(), std::string(kA) + kZero + kB);
  EXPECT_EQ(manager_.failures(),
            std::vector<inputFailure>({{gone, "No such file or directory"}}));
}

TEST_F(InputFaults, FileThatShrinksOrGrowsIsScannedAsFarAsRead) {
  // Cut to 100 bytes after the first chunk: the 8192 lines read count, the
  // size stays what the open found.
  std::string shrinking = write("shrinking.cpp", lines(19200));
  files_.afterReads(shrinking, 1, [shrinking] { fs::resize_file(shrinking, 100); });
  // Doubled right after the open: reading stops at the size the open found.
  std::string growing = write("growing.cpp", lines(1000));
  files_.afterReads(growing, 0, [growing] { std::ofstream(growing, std::ios::app) << lines(1000); });

  EXPECT_EQ(analyzeTree(),
            std::string(kA) +
                "growing.cpp size=16000 chars=7000 code=9000 comments=1000 lines=1000 todo=1000 "
                "fixme=0\n"
                "shrinking.cpp size=307200 chars=57344 code=73728 comments=8192 lines=8192 "
                "todo=8192 fixme=0\n" +
                kB);
  EXPECT_TRUE(manager_.failures().empty());
}

TEST_F(InputFaults, ReadErrorMidwayMakesTheFileUnreadable) {
  std::string failing = write("failing.cpp", lines(19200));
  files_.failRead(failing, 1, EIO);
  EXPECT_EQ(analyzeTree(), std::string(kA) + kZero + kB);
  EXPECT_EQ(manager_.failures(), std::vector<inputFailure>({{failing, "Input/output error"}}));

  files_.failRead(failing, 1, EIO);
  ASSERT_TRUE(manager_.analyzeFile(failing, 0, false, true));
  EXPECT_EQ(manager_.results(), std::vector<fileStats>{fileStats{}});
  EXPECT_EQ(manager_.failures(), std::vector<inputFailure>({{failing, "Input/output error"}}));
}

// Permissions do not stop root, so the refusals are injected: the tests mean
// the same whoever runs them.
TEST_F(InputFaults, UnreadableFilesAndDirectoriesAreReported) {
  std::string locked = write("locked.cpp", "x;\n");
  files_.failOpen(locked, EACCES);
  files_.failList(path("sub/"), EACCES);
  EXPECT_EQ(analyzeTree(), std::string(kA) + kZero);
  EXPECT_EQ(manager_.failures(), std::vector<inputFailure>({{path("sub/"), "Permission denied"},
                                                            {locked, "Permission denied"}}));
  // The top directory is reported as the caller named it.
  files_.failList(root_ + "/", EACCES);
  EXPECT_EQ(analyzeTree(), "");
  EXPECT_EQ(manager_.failures(), std::vector<inputFailure>({{root_, "Permission denied"}}));
}

}  // namespace
}  // namespace quillstat
