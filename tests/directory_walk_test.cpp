#include "analysis/directory_walk.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/masks.h"
#include "faulty_file_system.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// Each test builds its tree in a fresh directory of its own.
class WalkTest : public testing::Test {
 protected:
  void SetUp() override { root_ = freshTestDirectory().string(); }

  void makeFiles(std::initializer_list<const char*> names) {
    for (const char* name : names) writeFile(fs::path(root_) / name, "x;\n");
  }

  // Walks root_ + `directory` through `files` and lists the selected paths
  // relative to root_, blank-separated; failures go to failures_ and the
  // entries passed over to skipped_. Selecting `stopAt` sets the walk's stop
  // flag.
  std::string walk(const std::string& directory, const char* masks, bool recursive,
                   const std::string& stopAt = "", const std::vector<std::string>& excludes = {},
                   fileSystem& files = machineFileSystem()) {
    std::atomic<bool> stop{false};
    std::string listed;
    failures_.clear();
    skipped_.clear();
    excluded_ = collectFiles(
        files, root_ + directory,
        {[tokens = splitMasks(masks)](std::string_view name) { return nameMatches(name, tokens); },
         recursive, pathExclusions(excludes), {}},
        [&](std::string path) {
          EXPECT_EQ(path.compare(0, root_.size() + 1, root_ + "/"), 0) << path;
          path.erase(0, root_.size() + 1);
          listed += (listed.empty() ? "" : " ") + path;
          if (path == stopAt) stop = true;
        },
        &failures_, &skipped_, &stop).excluded;
    return listed;
  }

  // The entries passed over, as "path:reason" relative to root_.
  std::string skipped() const {
    std::string listed;
    for (const skippedEntry& entry : skipped_) {
      if (!listed.empty()) listed += ' ';
      listed.append(entry.path, root_.size() + 1);
      listed += entry.why == skippedEntry::reason::danglingLink ? ":danglingLink"
                                                                : ":notRegularFile";
    }
    return listed;
  }

  std::string root_;
  std::vector<inputFailure> failures_;
  size_t excluded_ = 0;  // by the last walk's excludes
  std::vector<skippedEntry> skipped_;
};

// A stop set while a file is selected ends the walk before its next entry,
// file or sub-directory.
TEST_F(WalkTest, StopEndsTheWalk) {
  makeFiles({"a.cpp", "b.cpp", "sub/c.cpp"});
  EXPECT_EQ(walk("", "*.cpp", true, "a.cpp"), "a.cpp");
  EXPECT_EQ(walk("", "*.cpp", true, "b.cpp"), "a.cpp b.cpp");
}

TEST_F(WalkTest, FilesComeBeforeSubTreesInFoldedNameOrder) {
  makeFiles({"b.cpp", "A.cpp", "zz.cpp", "a.cpp", "_x.cpp", "B.cpp", "notes.txt", "m/c.cpp",
             "m/Deep/d.cpp", "m/Deep/e.txt", "K/k.cpp"});
  // '_' (0x5F) sorts before the letters once they are folded to lower case.
  EXPECT_EQ(walk("", "*.cpp", true),
            "_x.cpp A.cpp a.cpp B.cpp b.cpp zz.cpp K/k.cpp m/c.cpp m/Deep/d.cpp");
  EXPECT_EQ(walk("", "*.cpp", false), "_x.cpp A.cpp a.cpp B.cpp b.cpp zz.cpp");
  EXPECT_TRUE(failures_.empty());
}

TEST_F(WalkTest, InsertsASlashOnlyWhenTheDirectoryLacksOne) {
  makeFiles({"src/a.cpp", "src/sub/b.cpp", "back\\/c.cpp"});
  EXPECT_EQ(walk("/src", "*.cpp", true), "src/a.cpp src/sub/b.cpp");
  EXPECT_EQ(walk("/src/", "*.cpp", true), "src/a.cpp src/sub/b.cpp");
  // On POSIX a backslash is part of the name, not a separator.
  EXPECT_EQ(walk("/back\\", "*.cpp", true), "back\\/c.cpp");
}

// Directories are walked but never selected, and a file that several
// masks select is selected once.
TEST_F(WalkTest, MasksSelectEachFileOnceAndNoDirectory) {
  makeFiles({"a.cpp", "noext", "sub/b.txt", "lib.cpp/x.cpp", "lib.cpp/y.h"});
  const struct {
    const char* masks;
    bool recursive;
    const char* listed;
  } cases[] = {
      {"*.cpp", true, "a.cpp lib.cpp/x.cpp"},
      {"*.cpp", false, "a.cpp"},
      {"*.*", false, "a.cpp noext"},
      {"*.cpp;*.*", true, "a.cpp noext lib.cpp/x.cpp lib.cpp/y.h sub/b.txt"},
      {"*.*;*.cpp", true, "a.cpp noext lib.cpp/x.cpp lib.cpp/y.h sub/b.txt"},
      {"*.cpp;*pp;*;*.h", true, "a.cpp noext lib.cpp/x.cpp lib.cpp/y.h sub/b.txt"},
      {"*.cpp;*pp", true, "a.cpp lib.cpp/x.cpp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(walk("", c.masks, c.recursive), c.listed) << c.masks << " " << c.recursive;
  }
}

// Paths relative to the walked directory are left out; a directory left
// out is not walked, so what it holds is never listed.
TEST_F(WalkTest, ExcludedFilesAndDirectoriesAreLeftOut) {
  makeFiles({"a.c", "gen/b.c", "src/d.c", "src/d.min.c", "src/gen/c.c"});
  const struct {
    std::vector<std::string> excludes;
    const char* listed;
    size_t excluded;  // files and directories, those inside a left-out directory uncounted
  } cases[] = {
      {{"gen/"}, "a.c src/d.c src/d.min.c src/gen/c.c", 1},
      {{"**/gen/"}, "a.c src/d.c src/d.min.c", 2},
      {{"**/*.min.c", "a.c"}, "gen/b.c src/d.c src/gen/c.c", 2},
      {{"src", "*/*.c"}, "a.c", 2},
      {{"a.c/", "src/*"}, "a.c gen/b.c", 3},
      {{"*.h"}, "a.c gen/b.c src/d.c src/d.min.c src/gen/c.c", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(walk("/", "*.c", true, "", c.excludes), c.listed) << c.excludes[0];
    EXPECT_EQ(excluded_, c.excluded) << c.excludes[0];
  }
  // Files the masks do not select are not counted.
  EXPECT_EQ(walk("/", "*.h", true, "", {"a.c"}), "");
  EXPECT_EQ(excluded_, 0u);
}

// The machine's listing tells each kind; a FIFO is told without being
// opened, which would wait for a writer.
TEST_F(WalkTest, SelectsLinksToFilesAndNeverFollowsLinkedDirectories) {
  makeFiles({"real.txt", "loop/in.cpp"});
  fs::create_symlink("real.txt", root_ + "/alias.cpp");
  fs::create_symlink("missing.txt", root_ + "/dead.cpp");
  fs::create_symlink("self.cpp", root_ + "/self.cpp");
  ASSERT_EQ(mkfifo((root_ + "/loop/pipe.cpp").c_str(), 0644), 0);
  fs::create_symlink("pipe.cpp", root_ + "/loop/to-pipe.cpp");
  // A link back to its own parent: following it would never end.
  fs::create_symlink("..", root_ + "/loop/up.cpp");
  fs::create_symlink("loop", root_ + "/again");
  EXPECT_EQ(walk("", "*.cpp", true), "alias.cpp loop/in.cpp");
  EXPECT_EQ(skipped(), "dead.cpp:danglingLink self.cpp:danglingLink "
                       "loop/pipe.cpp:notRegularFile loop/to-pipe.cpp:notRegularFile");
  EXPECT_TRUE(failures_.empty());
}

// What the walk does with each kind of entry that it lists, the link or not:
// a file is selected, a FIFO, socket or device or a link that leads nowhere
// is passed over and told, when the masks and the excludes would have
// selected it; nothing else is either.
TEST_F(WalkTest, EachKindOfEntryIsSelectedToldOrLeftOut) {
  const struct {
    const char* name;
    entryKind kind;
    bool isLink;
    const char* outcome;  // "" for left out
  } cases[] = {
      {"a.cpp", entryKind::file, false, "selected"},
      {"b.cpp", entryKind::file, true, "selected"},
      {"c.cpp", entryKind::special, false, "notRegularFile"},
      {"d.cpp", entryKind::special, true, "notRegularFile"},
      {"e.cpp", entryKind::danglingLink, true, "danglingLink"},
      {"f.cpp", entryKind::other, false, ""},      // gone before its kind was learnt
      {"g.cpp", entryKind::directory, false, ""},  // empty, and never selected
      {"h.txt", entryKind::special, false, ""},    // the masks leave it out
      {"i.txt", entryKind::danglingLink, true, ""},
      {"x.cpp", entryKind::special, false, ""},    // excluded
      {"y.cpp", entryKind::danglingLink, true, ""},
  };
  faultyFileSystem files;
  std::vector<directoryEntry> listing;
  std::string selected, told;
  for (const auto& c : cases) {
    listing.insert(listing.begin(), {c.name, c.kind, c.isLink});  // backwards: the walk sorts
    const std::string outcome = c.outcome;
    std::string& list = outcome == "selected" ? selected : told;
    if (outcome.empty()) continue;
    list += (list.empty() ? "t/" : " t/") + std::string(c.name);
    if (&list == &told) list += ":" + outcome;
  }
  files.fakeListing(root_ + "/t/", listing);
  files.fakeListing(root_ + "/t/g.cpp/", {});
  EXPECT_EQ(walk("/t", "*.cpp", true, "", {"x.cpp", "y.cpp"}, files), selected);
  EXPECT_EQ(skipped(), told);
  EXPECT_TRUE(failures_.empty());
}

TEST_F(WalkTest, TopDirectoryThatCannotBeListedIsAFailure) {
  makeFiles({"file.cpp"});
  for (const auto& [directory, code] :
       {std::pair{"/missing", ENOENT}, {"/missing/", ENOENT}, {"/file.cpp", ENOTDIR}}) {
    EXPECT_EQ(walk(directory, "*.*", true), "") << directory;
    EXPECT_EQ(failures_, std::vector<inputFailure>({{root_ + directory, systemError(code)}}))
        << directory;
  }
}

}  // namespace
}  // namespace quillstat
