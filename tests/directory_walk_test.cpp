#include "analysis/directory_walk.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "analysis/masks.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// Each test builds its tree in a fresh directory of its own.
class WalkTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory().string();
  }

  void makeFile(const std::string& path) { writeFile(fs::path(root_) / path, "x;\n"); }
  void makeLink(const std::string& target, const std::string& path) {
    fs::create_symlink(target, fs::path(root_) / path);
  }

  // Walks root_ + `directory` and lists the selected paths relative to
  // root_, blank-separated; failures go to failures_.
  std::string walk(const std::string& directory, const char* masks, bool recursive) {
    std::string listed;
    failures_.clear();
    collectFiles(
        machineFileSystem(), root_ + directory, splitMasks(masks), recursive,
        [&](std::string path) {
          EXPECT_EQ(path.compare(0, root_.size() + 1, root_ + "/"), 0) << path;
          if (!listed.empty()) listed += ' ';
          listed += path.substr(root_.size() + 1);
        },
        &failures_);
    return listed;
  }

  std::string root_;
  std::vector<inputFailure> failures_;
};

// A stop set while a file is selected ends the walk before its next entry,
// file or sub-directory.
TEST_F(WalkTest, StopEndsTheWalk) {
  for (const char* name : {"a.cpp", "b.cpp", "sub/c.cpp"}) makeFile(name);
  for (const auto& [stopAt, expected] : {std::pair{"a.cpp", "a.cpp"}, {"b.cpp", "a.cpp b.cpp"}}) {
    std::atomic<bool> stop{false};
    std::string listed;
    collectFiles(
        machineFileSystem(), root_, splitMasks("*.cpp"), true,
        [&](std::string path) {
          path.erase(0, root_.size() + 1);
          listed += (listed.empty() ? "" : " ") + path;
          if (path == stopAt) stop = true;
        },
        &failures_, &stop);
    EXPECT_EQ(listed, expected) << stopAt;
  }
}

TEST_F(WalkTest, FilesComeBeforeSubTreesInFoldedNameOrder) {
  for (const char* name : {"b.cpp", "A.cpp", "zz.cpp", "a.cpp", "_x.cpp", "B.cpp", "notes.txt",
                           "m/c.cpp", "m/Deep/d.cpp", "m/Deep/e.txt", "K/k.cpp"}) {
    makeFile(name);
  }
  // '_' (0x5F) sorts before the letters once they are folded to lower case.
  EXPECT_EQ(walk("", "*.cpp", true),
            "_x.cpp A.cpp a.cpp B.cpp b.cpp zz.cpp K/k.cpp m/c.cpp m/Deep/d.cpp");
  EXPECT_EQ(walk("", "*.cpp", false), "_x.cpp A.cpp a.cpp B.cpp b.cpp zz.cpp");
  EXPECT_TRUE(failures_.empty());
}

TEST_F(WalkTest, InsertsASlashOnlyWhenTheDirectoryLacksOne) {
  makeFile("src/a.cpp");
  makeFile("src/sub/b.cpp");
  makeFile("back\\/c.cpp");
  const struct {
    const char* directory;
    const char* paths;
  } cases[] = {
      {"/src", "src/a.cpp src/sub/b.cpp"},
      {"/src/", "src/a.cpp src/sub/b.cpp"},
      // On POSIX a backslash is part of the name, not a separator.
      {"/back\\", "back\\/c.cpp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(walk(c.directory, "*.cpp", true), c.paths) << "directory " << c.directory;
  }
}

TEST_F(WalkTest, DirectoriesAreWalkedButNeverSelected) {
  makeFile("lib.cpp/x.cpp");
  makeFile("lib.cpp/y.h");
  EXPECT_EQ(walk("", "*.cpp", true), "lib.cpp/x.cpp");
  EXPECT_EQ(walk("", "*.cpp", false), "");
  EXPECT_EQ(walk("", "*.*", false), "");
}

TEST_F(WalkTest, AllFilesTokenSelectsEachFileOnceAtEveryLevel) {
  for (const char* name : {"a.cpp", "noext", "sub/b.txt"}) makeFile(name);
  EXPECT_EQ(walk("", "*.cpp;*.*", true), "a.cpp noext sub/b.txt");
  EXPECT_EQ(walk("", "*.*;*.cpp", true), "a.cpp noext sub/b.txt");
  // a.cpp ends with all three tokens.
  EXPECT_EQ(walk("", "*.cpp;*pp;*;*.h", true), "a.cpp noext sub/b.txt");
  EXPECT_EQ(walk("", "*.cpp;*pp", true), "a.cpp");
}

TEST_F(WalkTest, SelectsLinksToFilesAndNeverFollowsLinkedDirectories) {
  makeFile("real.txt");
  makeLink("real.txt", "alias.cpp");
  makeLink("missing.txt", "dead.cpp");
  makeLink("self.cpp", "self.cpp");
  makeFile("loop/in.cpp");
  // A link back to its own parent: following it would never end.
  makeLink("..", "loop/up.cpp");
  makeLink("loop", "again");
  EXPECT_EQ(walk("", "*.cpp", true), "alias.cpp loop/in.cpp");
  EXPECT_TRUE(failures_.empty());
}

TEST_F(WalkTest, FifosAreNotSelected) {
  makeFile("a.cpp");
  ASSERT_EQ(mkfifo((root_ + "/pipe.cpp").c_str(), 0600), 0);
  EXPECT_EQ(walk("", "*.*", true), "a.cpp");
}

TEST_F(WalkTest, TopDirectoryThatCannotBeListedIsAFailure) {
  makeFile("file.cpp");
  const struct {
    const char* directory;
    int code;
  } cases[] = {
      {"/missing", ENOENT},
      {"/missing/", ENOENT},
      {"/file.cpp", ENOTDIR},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(walk(c.directory, "*.*", true), "") << c.directory;
    EXPECT_EQ(failures_, std::vector<inputFailure>({{root_ + c.directory, systemError(c.code)}}))
        << c.directory;
  }
}

}  // namespace
}  // namespace quillstat
