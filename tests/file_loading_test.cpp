#include <string>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "engine/file_loading.h"
#include "engine/find_comment_cpp.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

const char kZero[] = "size=0 chars=0 code=0 comments=0 lines=0 todo=0 fixme=0";

TEST(TextMode, RemovesCrBeforeLfAndEndsAtCtrlZ) {
  const struct {
    std::string raw;
    std::string delivered;
  } cases[] = {
      {"a\r\nb\r\n", "a\nb\n"},
      {"a\rb\r", "a\rb\r"},          // a lone CR stays
      {"a\r\r\nb", "a\r\nb"},        // only the CR right before LF goes
      {"ab\x1A\r\ncd", "ab"},        // 0x1A ends the content
      {"\x1A", ""},
      {"no line ends", "no line ends"},
  };
  for (const auto& c : cases) {
    std::string data = c.raw;
    data.resize(applyTextMode(data.data(), data.size()));
    EXPECT_EQ(data, c.delivered);
  }
}

TEST(ProcessFile, KeepsSizeOnDiskAndScansTheTextModeContent) {
  findCommentCpp finder;
  std::string lf = writeTempFile("lf.cpp", "// a\n// b\nx;\n");
  std::string crlf = writeTempFile("crlf.cpp", "// a\r\n// b\r\nx;\r\n");
  fileStats withLf = finder.processFile(lf, true);
  fileStats withCrLf = finder.processFile(crlf, true);
  EXPECT_EQ(describe(withLf), "size=13 chars=8 code=5 comments=1 lines=1 todo=0 fixme=0");
  // The same counts, but the size on disk includes the three CR bytes.
  EXPECT_EQ(describe(withCrLf), "size=16 chars=8 code=5 comments=1 lines=1 todo=0 fixme=0");
  EXPECT_EQ(withCrLf.filename, crlf);

  std::string cut = writeTempFile("cut.cpp", "x; // a\x1A// b\n");
  EXPECT_EQ(describe(finder.processFile(cut, true)),
            "size=13 chars=4 code=3 comments=1 lines=1 todo=0 fixme=0");
}

TEST(ProcessFile, EmptyFileKeepsItsName) {
  findCommentCpp finder;
  std::string path = writeTempFile("empty.cpp", "");
  fileStats stats = finder.processFile(path, true);
  EXPECT_EQ(describe(stats), kZero);
  EXPECT_EQ(stats.filename, path);
}

TEST(ProcessFile, UnreadablePathsGiveTheZeroRecordAndAReason) {
  std::string dir = writeTempFile("anchor", "");
  dir = dir.substr(0, dir.rfind('/'));
  std::string fifo = dir + "/pipe";
  unlink(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string socketPath = dir + "/sock";
  unlink(socketPath.c_str());
  int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {dir + "/missing.cpp", "No such file or directory"},
      {dir, "is a directory"},
      {fifo, "not a regular file"},  // must return at once, not wait for a writer
      {socketPath, "not a regular file"},
      {"/dev/null", "not a regular file"},
  };
  findCommentCpp finder;
  for (const auto& c : cases) {
    std::string reason;
    fileStats stats = finder.processFile(c.path, true, &reason);
    EXPECT_EQ(describe(stats), kZero) << c.path;
    EXPECT_EQ(stats.filename, "") << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
  }
  close(sock);
}

}  // namespace
}  // namespace quillstat
