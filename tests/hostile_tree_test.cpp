// Trees that a careless walk or reader would hang on, crash on or miscount,
// run through the built program.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
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

// One record of an XML report, as the writer lays it out.
std::string xmlRecord(const std::string& name, int64_t chars, int64_t size, int64_t comments,
                      int64_t lines, int64_t fixme, int64_t todo) {
  return "  <file filename='" + name + "' countCommentChars='" + std::to_string(chars) +
         "' sizeFile='" + std::to_string(size) + "'  countOfComment='" +
         std::to_string(comments) + "' countCodeLine='" + std::to_string(lines) +
         "'  fixmeWordsCount='" + std::to_string(fixme) + "' todoWordsCount='" +
         std::to_string(todo) + "' />\r\n";
}

const std::string kXmlHeader = "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n";
const std::string kXmlFooter = "</main>\r\n";

bool xmlParses(const fs::path& report) {
  return std::system(("xmllint --noout '" + report.string() + "'").c_str()) == 0;
}

class HostileTree : public testing::Test {
 protected:
  void SetUp() override { root_ = freshTestDirectory(); }
  // The trees are big; they go as soon as they have served.
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

using HostileTreeStress = HostileTree;

// Makes `levels` directories named `name`, each inside the one before, under
// `base`, and puts `file` with `content` into those at the `fileDepths`. The
// calls are relative to the open directory, since the whole path grows past
// what a single call may name.
void makeDeepTree(const fs::path& base, const std::string& name, int levels,
                  const std::set<int>& fileDepths, const std::string& file,
                  const std::string& content) {
  int fd = open(base.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int level = 1; level <= levels; ++level) {
    ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
    int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(fd);
    ASSERT_GE(next, 0);
    fd = next;
    if (fileDepths.count(level) != 0) {
      int out = openat(fd, file.c_str(), O_WRONLY | O_CREAT, 0644);
      ASSERT_EQ(write(out, content.data(), content.size()), static_cast<ssize_t>(content.size()));
      close(out);
    }
  }
  close(fd);
}

void makeSocket(const fs::path& path) {
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.string().size(), sizeof(address.sun_path));
  std::strcpy(address.sun_path, path.c_str());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  close(fd);
}

TEST_F(HostileTree, SpecialFilesLoopsOddNamesAndDeepPathsAreSurvived) {
  fs::path tree = root_ / "tree";
  fs::create_directories(tree);
  writeFile(tree / "a.cpp", "int a; // x\n");
  writeFile(tree / "bad\xff\xfe.cpp", "/* b */\nx;\n");  // not UTF-8: two U+FFFD
  writeFile(tree / "new\nline.cpp", "x;\n");
  writeFile(tree / "tab\t.cpp", "// todo\n");
  fs::create_directory_symlink(".", tree / "loop");
  fs::create_directory_symlink("..", tree / "up");
  fs::create_symlink("self.cpp", tree / "self.cpp");
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
  makeDeepTree(tree / "deep", level, 20, {16, 20}, "deep.cpp", "x; /* fixme */\n");
  std::string deep16 = "tree/deep/";
  for (int i = 0; i < 16; ++i) deep16 += level + "/";
  std::string deep20 = deep16;
  for (int i = 16; i < 20; ++i) deep20 += level + "/";
  ASSERT_EQ((deep16 + "deep.cpp").size(), 4034u);
  ASSERT_EQ((deep20 + "deep.cpp").size(), 5038u);

  programEnd end = runProgram(root_, {"-d", "tree", "-s", "-t", "xml", "-o", "r.xml"});
  EXPECT_EQ(end.exitStatus, 0);
  EXPECT_EQ(end.err, "");
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.xml"),
                        kXmlHeader + xmlRecord("tree/a.cpp", 4, 12, 1, 1, 0, 0) +
                            xmlRecord("tree/bad&#65533;&#65533;.cpp", 7, 11, 1, 1, 0, 0) +
                            xmlRecord("tree/new&#10;line.cpp", 0, 3, 0, 1, 0, 0) +
                            xmlRecord("tree/tab&#9;.cpp", 7, 8, 1, 0, 0, 1) +
                            xmlRecord(deep16 + "deep.cpp", 11, 15, 1, 1, 1, 0) +
                            xmlRecord(deep20 + "deep.cpp", 11, 15, 1, 1, 1, 0) +
                            xmlRecord("AllFiles", 40, 64, 5, 5, 2, 1) + kXmlFooter));
  EXPECT_TRUE(xmlParses(root_ / "r.xml"));

  end = runProgram(root_, {"-f", deep20 + "deep.cpp", "-t", "xml", "-o", "r.xml"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.xml"),
                        kXmlHeader + xmlRecord(deep20 + "deep.cpp", 11, 15, 1, 1, 1, 0) +
                            kXmlFooter));
}

// The whole file is read, 64-bit sizes stay whole, and memory does not grow
// with the file: a 5 GiB sparse file, "x;" at its start and a comment at its end.
TEST_F(HostileTreeStress, HugeSparseFileIsReadInBoundedMemory) {
  const int64_t size = int64_t{5} << 30;
  const std::string tail = "// todo\n";
  {
    std::ofstream out(root_ / "huge.cpp", std::ios::binary);
    out << "x;";
    out.seekp(size - static_cast<int64_t>(tail.size()));
    out << tail;
  }
  ASSERT_EQ(fs::file_size(root_ / "huge.cpp"), static_cast<uintmax_t>(size));

  programEnd end = runProgram(root_, {"-f", "huge.cpp", "-t", "xml", "-o", "r.xml"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.xml"),
                        kXmlHeader + xmlRecord("huge.cpp", 7, size, 1, 1, 0, 1) + kXmlFooter));
  // Far below the file's size even with a sanitizer's shadow memory.
  EXPECT_LT(end.maxResidentKb, 256 * 1024);
}

TEST_F(HostileTreeStress, HundredThousandFilesInOneDirectory) {
  const int count = 100000;
  fs::create_directories(root_ / "many");
  std::string expected = kXmlHeader;
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof(name), "f%06d.cpp", i);
    writeFile(root_ / "many" / name, "x;\n");  // 3 bytes, one mark
    expected += xmlRecord(std::string("many/") + name, 0, 3, 0, 1, 0, 0);
  }
  expected += xmlRecord("AllFiles", 0, 3 * count, 0, count, 0, 0) + kXmlFooter;

  programEnd end = runProgram(root_, {"-d", "many", "-t", "xml", "-o", "r.xml"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.xml"), expected));
}

// Permissions stop only users other than root, so the program runs as
// "nobody" when the tests run as root.
TEST_F(HostileTree, UnreadableInputsAndReadOnlyDirectoryForAnUnprivilegedUser) {
  fs::permissions(root_, fs::perms::all);  // the report goes here
  fs::create_directories(root_ / "tree/locked");
  fs::create_directories(root_ / "readonly");
  writeFile(root_ / "tree/a.cpp", "int a; // x\n");
  writeFile(root_ / "tree/secret.cpp", "x;\n");
  writeFile(root_ / "tree/locked/b.cpp", "x;\n");
  fs::permissions(root_ / "tree/secret.cpp", fs::perms::none);
  fs::permissions(root_ / "tree/locked", fs::perms::none);
  fs::permissions(root_ / "readonly", fs::perms(0555));

  programEnd end = runProgram(root_, {"-d", "tree", "-s", "-t", "xml", "-o", "r.xml"}, true);
  EXPECT_EQ(end.exitStatus, 2);
  EXPECT_EQ(end.err,
            "quillstat: cannot read 'tree/locked/': Permission denied\n"
            "quillstat: cannot read 'tree/secret.cpp': Permission denied\n");
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.xml"),
                        kXmlHeader + xmlRecord("tree/a.cpp", 4, 12, 1, 1, 0, 0) +
                            xmlRecord("", 0, 0, 0, 0, 0, 0) +
                            xmlRecord("AllFiles", 4, 12, 1, 1, 0, 0) + kXmlFooter));

  end = runProgram(root_, {"-f", "tree/a.cpp", "-o", "readonly/r.txt"}, true);
  EXPECT_EQ(end.exitStatus, 1);
  EXPECT_EQ(end.err, "quillstat: cannot write report 'readonly/r.txt': Permission denied\n");
  EXPECT_TRUE(fs::is_empty(root_ / "readonly"));

  // rm as root would manage anyway; this is for a run as another user.
  fs::permissions(root_ / "tree/locked", fs::perms::owner_all);
  fs::permissions(root_ / "readonly", fs::perms::owner_all);
}

}  // namespace
}  // namespace quillstat
