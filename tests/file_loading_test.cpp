#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "engine/file_loading.h"
#include "engine/c_like_scan.h"
#include "engine/scanner.h"
#include "engine_test_util.h"

namespace quillstat {
namespace {

const char kZero[] = "size=0 chars=0 code=0 comments=0 lines=0 todo=0 fixme=0";

// Reads the file at `path` piece by piece; returns the pieces joined and the
// length of the longest piece in *longest.
std::string readInPieces(const std::string& path, size_t* longest) {
  std::vector<char> buffer;
  textFileReader file(machineFileSystem(), &buffer);
  ioError error;
  EXPECT_TRUE(file.open(path, pathType::unchecked, &error));
  std::string content;
  *longest = 0;
  const char* data = nullptr;
  size_t length = 0;
  while (file.next(&data, &length, &error) && length > 0) {
    content.append(data, length);
    *longest = std::max(*longest, length);
  }
  return content;
}

TEST(TextFileReader, RemovesCrBeforeLfAndEndsAtCtrlZ) {
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
    size_t longest = 0;
    EXPECT_EQ(readInPieces(writeTempFile("small.txt", c.raw), &longest), c.delivered);
  }
}

TEST(TextFileReader, AppliesTextModeAcrossChunkBoundaries) {
  // `fill` ends one byte before the first chunk boundary, so the next byte
  // is the last one of the first read.
  const std::string fill(kReadChunkSize - 1, 'a');
  const std::string big(3 * kReadChunkSize, 'b');
  const struct {
    const char* name;
    std::string raw;
    std::string delivered;
  } cases[] = {
      {"CR LF split by the boundary", fill + "\r\nc", fill + "\nc"},
      {"lone CR at the boundary", fill + "\rc", fill + "\rc"},
      {"CR CR LF over the boundary", fill.substr(1) + "\r\r\nc", fill.substr(1) + "\r\nc"},
      {"CR as the last byte, at the boundary", fill + "\r", fill + "\r"},
      {"CR as the last byte, past the boundary", fill + "cd\r", fill + "cd\r"},
      {"0x1A right after a CR at the boundary", fill + "\r\x1A\r\nc", fill + "\r"},
      {"0x1A in the fourth read", big + "x\r\n\x1Ay", big + "x\n"},
      {"0x1A as the first byte of the second read", fill + "c\x1A", fill + "c"},
  };
  for (const auto& c : cases) {
    size_t longest = 0;
    const std::string delivered = readInPieces(writeTempFile("chunks.txt", c.raw), &longest);
    EXPECT_TRUE(delivered == c.delivered) << c.name << ": " << delivered.size() << " bytes, "
                                          << c.delivered.size() << " expected";
    // Memory stays one chunk (and a held CR) whatever the size of the file.
    EXPECT_LE(longest, kReadChunkSize + 1) << c.name;
  }
}

// The counts come from the text-mode content, the size from the disk.
TEST(ScanPath, KeepsSizeOnDiskAndScansTheTextModeContent) {
  const struct {
    const char* raw;
    const char* expected;
  } cases[] = {
      {"// a\n// b\nx;\n", "size=13 chars=8 code=5 comments=1 lines=1 todo=0 fixme=0"},
      {"// a\r\n// b\r\nx;\r\n", "size=16 chars=8 code=5 comments=1 lines=1 todo=0 fixme=0"},
      {"x; // a\x1A// b\n", "size=13 chars=4 code=3 comments=1 lines=1 todo=0 fixme=0"},
      {"", kZero},
  };
  for (const auto& c : cases) {
    const std::string path = writeTempFile("file.cpp", c.raw);
    const fileStats stats = scanCppFile(path, true);
    EXPECT_EQ(describe(stats), c.expected) << c.raw;
    EXPECT_EQ(stats.filename, path);  // an empty file keeps its name too
  }
}

TEST(ScanPath, UnreadablePathsGiveTheZeroRecordAndAReason) {
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
    ioError error;
  } cases[] = {
      {dir + "/missing.cpp", systemError(ENOENT)},
      {"", systemError(ENOENT)},  // no name is no file, not the working directory
      {dir, isDirectoryError},
      {fifo, notRegularFileError},  // must return at once, not wait for a writer
      {socketPath, notRegularFileError},
      {"/dev/null", notRegularFileError},
  };
  for (const auto& c : cases) {
    ioError error;
    fileStats stats = scanCppFile(c.path, true, &error);
    EXPECT_EQ(describe(stats), kZero) << c.path;
    EXPECT_EQ(stats.filename, "") << c.path;
    EXPECT_EQ(error, c.error) << c.path;
  }
  // A path the walk saw as a regular file may have been replaced since: the
  // open must still neither wait on a FIFO nor accept a directory.
  for (const std::string& replaced : {fifo, dir}) {
    ioError error;
    EXPECT_EQ(scanCppFile(replaced, true, &error, pathType::regularFile), fileStats{});
    EXPECT_EQ(error, replaced == fifo ? notRegularFileError : isDirectoryError);
  }
  close(sock);
}

}  // namespace
}  // namespace quillstat
