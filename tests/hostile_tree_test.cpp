// Trees that a careless walk or reader would hang on, crash on or miscount,
// run through the built program.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

class HostileTree : public testing::Test {
 protected:
  void SetUp() override { root_ = freshTestDirectory(); }
  // The trees are big; they go as soon as they have served.
  void TearDown() override { fs::remove_all(root_); }

  // Runs the program in root_ with `arguments`, writing an XML report, and
  // returns the report; how the run ended is in end_.
  std::string xmlRun(std::vector<std::string> arguments, bool unprivileged = false) {
    arguments.insert(arguments.end(), {"-t", "xml", "-o", "r.xml"});
    end_ = runProgram(root_, arguments, unprivileged);
    return readFile(root_ / "r.xml");
  }

  // Runs the program in root_ with `arguments` while watching the FIFO
  // `fifo`: whenever the program has it open for reading, a writer opens
  // and closes it, so that a read that waits for one ends. Returns whether
  // one ever did; how the run ended is in end_.
  bool runOpensFifo(const std::vector<std::string>& arguments, const fs::path& fifo) {
    const pid_t pid = startProgram(root_, arguments);
    bool opened = false;
    siginfo_t info{};
    while (waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != pid) {
      // Opening for writing without waiting succeeds only when there is a reader.
      const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) {
        opened = true;
        close(writer);
      }
    }
    end_ = waitForProgram(pid);
    return opened;
  }

  fs::path root_;
  programEnd end_;
};

using HostileTreeStress = HostileTree;

// Makes 20 directories named `name`, each inside the one before, under
// `base`, with deep.cpp in the 16th and the 20th. Each step is taken from
// the one before, since the whole path grows past what one call may name.
void makeDeepTree(const fs::path& base, const std::string& name) {
  const fs::path saved = fs::current_path();
  fs::current_path(base);
  for (int level = 1; level <= 20; ++level) {
    fs::create_directory(name);
    fs::current_path(name);
    if (level == 16 || level == 20) std::ofstream("deep.cpp") << "x; /* fixme */\n";
  }
  fs::current_path(saved);
}

TEST_F(HostileTree, SpecialFilesLoopsOddNamesAndDeepPathsAreSurvived) {
  const fs::path tree = root_ / "tree";
  writeFile(tree / "a.cpp", "int a; // x\n");
  writeFile(tree / "bad\xff\xfe.cpp", "/* b */\nx;\n");  // not UTF-8: two U+FFFD
  writeFile(tree / "new\nline.cpp", "x;\n");
  writeFile(tree / "tab\t.cpp", "// todo\n");
  fs::create_directory_symlink(".", tree / "loop");
  fs::create_directory_symlink("..", tree / "up");
  fs::create_symlink("self.cpp", tree / "self.cpp");
  fs::create_symlink("gone.cpp", tree / "dead.cpp");
  ASSERT_EQ(mkfifo((tree / "pipe.cpp").c_str(), 0644), 0);
  makeSocket(tree / "sock.cpp");
  // Only root may make a device node; others get a link to one.
  if (mknod((tree / "dev.cpp").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    fs::create_symlink("/dev/null", tree / "dev.cpp");
  }
  // 10 + 16 * 251 + 8 = 4034 characters to the first deep.cpp; the second,
  // at 5038, is longer than a single call may name.
  const std::string level(250, 'd');
  fs::create_directory(tree / "deep");
  makeDeepTree(tree / "deep", level);
  std::string deep16 = "tree/deep/";
  for (int i = 0; i < 16; ++i) deep16 += level + "/";
  const std::string deep20 = deep16 + level + "/" + level + "/" + level + "/" + level + "/deep.cpp";
  deep16 += "deep.cpp";
  ASSERT_EQ(deep16.size(), 4034u);
  ASSERT_EQ(deep20.size(), 5038u);

  EXPECT_TRUE(sameBytes(xmlRun({"-d", "tree", "-s"}),
                        xmlReport(xmlRecord("tree/a.cpp", 4, 12, 1, 1, 0, 0) +
                                  xmlRecord("tree/bad&#65533;&#65533;.cpp", 7, 11, 1, 1, 0, 0) +
                                  xmlRecord("tree/new&#10;line.cpp", 0, 3, 0, 1, 0, 0) +
                                  xmlRecord("tree/tab&#9;.cpp", 7, 8, 1, 0, 0, 1) +
                                  xmlRecord(deep16, 11, 15, 1, 1, 1, 0) +
                                  xmlRecord(deep20, 11, 15, 1, 1, 1, 0) +
                                  xmlRecord("AllFiles", 40, 64, 5, 5, 2, 1))));
  // The entries that no report counts are told, in walk order; the run
  // still read every input it could.
  const std::string told =
      "quillstat: skipped 'tree/dead.cpp': a symbolic link that leads nowhere\n"
      "quillstat: skipped 'tree/dev.cpp': not a regular file\n"
      "quillstat: skipped 'tree/pipe.cpp': not a regular file\n"
      "quillstat: skipped 'tree/self.cpp': a symbolic link that leads nowhere\n"
      "quillstat: skipped 'tree/sock.cpp': not a regular file\n";
  EXPECT_EQ(end_.exitStatus, 0);
  EXPECT_EQ(end_.err, told);
  EXPECT_EQ(std::system(("xmllint --noout '" + (root_ / "r.xml").string() + "'").c_str()), 0);

  // The machine formats count them; the FIFO is never opened.
  EXPECT_FALSE(runOpensFifo({"-d", "tree", "-s", "-t", "json", "-o", "r.json"}, tree / "pipe.cpp"));
  EXPECT_EQ(end_.exitStatus, 0);
  EXPECT_EQ(end_.err, told);
  EXPECT_NE(readFile(root_ / "r.json").find(
                "\n  \"skipped\": {\"danglingLink\": 2, \"notRegularFile\": 3},\n"),
            std::string::npos);

  EXPECT_TRUE(sameBytes(xmlRun({"-f", deep20}), xmlReport(xmlRecord(deep20, 11, 15, 1, 1, 1, 0))));
  EXPECT_EQ(end_.exitStatus, 0) << end_.err;
}

// The whole file is read, 64-bit sizes stay whole, and memory does not grow
// with the file: a 5 GiB sparse file, "x;" at its start and a comment at its end.
TEST_F(HostileTreeStress, HugeSparseFileIsReadInBoundedMemory) {
  const int64_t size = int64_t{5} << 30;
  {
    std::ofstream out(root_ / "huge.cpp", std::ios::binary);
    out << "x;";
    out.seekp(size - 8) << "// todo\n";
  }
  ASSERT_EQ(fs::file_size(root_ / "huge.cpp"), static_cast<uintmax_t>(size));
  EXPECT_TRUE(sameBytes(xmlRun({"-f", "huge.cpp"}),
                        xmlReport(xmlRecord("huge.cpp", 7, size, 1, 1, 0, 1))));
  EXPECT_EQ(end_.exitStatus, 0) << end_.err;
  // Far below the file's size even with a sanitizer's shadow memory.
  EXPECT_LT(end_.maxResidentKb, 256 * 1024);
}

TEST_F(HostileTreeStress, HundredThousandFilesInOneDirectory) {
  const int count = 100000;
  std::string records;
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof(name), "many/f%06d.cpp", i);
    writeFile(root_ / name, "x;\n");  // 3 bytes, one mark
    records += xmlRecord(name, 0, 3, 0, 1, 0, 0);
  }
  EXPECT_TRUE(sameBytes(xmlRun({"-d", "many"}),
                        xmlReport(records + xmlRecord("AllFiles", 0, 3 * count, 0, count, 0, 0))));
  EXPECT_EQ(end_.exitStatus, 0) << end_.err;
}

// Permissions stop only users other than root, so the program runs as
// "nobody" when the tests run as root.
TEST_F(HostileTree, UnreadableInputsForAnUnprivilegedUser) {
  fs::permissions(root_, fs::perms::all);  // the report goes here
  writeFile(root_ / "tree/a.cpp", "int a; // x\n");
  fs::permissions(writeFile(root_ / "tree/secret.cpp", "x;\n"), fs::perms::none);
  fs::permissions(writeFile(root_ / "tree/locked/b.cpp", "x;\n").parent_path(), fs::perms::none);

  EXPECT_TRUE(sameBytes(xmlRun({"-d", "tree", "-s"}, true),
                        xmlReport(xmlRecord("tree/a.cpp", 4, 12, 1, 1, 0, 0) +
                                  xmlRecord("", 0, 0, 0, 0, 0, 0) +
                                  xmlRecord("AllFiles", 4, 12, 1, 1, 0, 0))));
  EXPECT_EQ(end_.exitStatus, 2);
  EXPECT_EQ(end_.err,
            "quillstat: cannot read 'tree/locked/': Permission denied\n"
            "quillstat: cannot read 'tree/secret.cpp': Permission denied\n");

  // rm as root would manage anyway; this is for a run as another user.
  fs::permissions(root_ / "tree/locked", fs::perms::owner_all);
}

}  // namespace
}  // namespace quillstat
