#include "engine/file_loading.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "engine/c_like_scan.h"
#include "engine/scanner.h"
#include "engine_test_util.h"
#include "test_files.h"

namespace quillstat {
namespace {

const char kZero[] = "size=0 chars=0 code=0 comments=0 marks=0 todo=0 fixme=0";

// Writes `content` to `name` in the test's directory and returns its path.
std::string writeTempFile(const std::string& name, const std::string& content) {
  return writeFile(testDirectory() / name, content).string();
}

// Reads `path` from the machine's file system and scans it with the C++
// scanner, as an analysis does; *error says why it could not be read.
fileStats scanCppFile(const std::string& path, ioError* error,
                      pathType type = pathType::unchecked) {
  std::vector<char> buffer;
  return scanPath(scannerOf<cppScanner>(), machineFileSystem(), path, true, &buffer, error, type);
}

// The text mode of the reader, on its own and where the chunks meet: `fill`
// ends one byte before the first chunk boundary, so the byte after it is the
// last one of the first read.
TEST(TextFileReader, RemovesCrBeforeLfAndEndsAtCtrlZEvenAcrossChunks) {
  const std::string fill(kReadChunkSize - 1, 'a');
  const std::string big(3 * kReadChunkSize, 'b');
  const struct {
    const char* what;
    std::string raw;
    std::string delivered;
  } cases[] = {
      {"CR LF", "a\r\nb\r\n", "a\nb\n"},
      {"lone CRs stay", "a\rb\r", "a\rb\r"},
      {"only the CR right before LF goes", "a\r\r\nb", "a\r\nb"},
      {"0x1A ends the content", "ab\x1A\r\ncd", "ab"},
      {"0x1A alone", "\x1A", ""},
      {"no line ends", "no line ends", "no line ends"},
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
    std::vector<char> buffer;
    textFileReader file(machineFileSystem(), &buffer);
    ioError error;
    ASSERT_TRUE(file.open(writeTempFile("file.txt", c.raw), pathType::unchecked, &error));
    std::string delivered;
    size_t longest = 0;
    const char* data = nullptr;
    size_t length = 0;
    while (file.next(&data, &length, &error) && length > 0) {
      delivered.append(data, length);
      longest = std::max(longest, length);
    }
    EXPECT_TRUE(delivered == c.delivered) << c.what << ": " << delivered.size() << " bytes, "
                                          << c.delivered.size() << " expected";
    // Memory stays one chunk (and a held CR) whatever the size of the file.
    EXPECT_LE(longest, kReadChunkSize + 1) << c.what;
  }
}

// The counts come from the text-mode content, the size from the disk.
TEST(ScanPath, KeepsSizeOnDiskAndScansTheTextModeContent) {
  const struct {
    const char* raw;
    const char* expected;
  } cases[] = {
      {"// a\n// b\nx;\n", "size=13 chars=8 code=5 comments=1 marks=1 todo=0 fixme=0"},
      {"// a\r\n// b\r\nx;\r\n", "size=16 chars=8 code=5 comments=1 marks=1 todo=0 fixme=0"},
      {"x; // a\x1A// b\n", "size=13 chars=4 code=3 comments=1 marks=1 todo=0 fixme=0"},
      {"", kZero},
  };
  for (const auto& c : cases) {
    const std::string path = writeTempFile("file.cpp", c.raw);
    ioError error;
    const fileStats stats = scanCppFile(path, &error);
    EXPECT_EQ(describe(stats), c.expected) << c.raw;
    EXPECT_EQ(stats.filename, path);  // an empty file keeps its name too
  }
}

// Alike whether a directoryReuse keeps the directory of the last file or
// not, in the order of the cases: a directory after another, and back.
TEST(ScanPath, UnreadablePathsGiveTheZeroRecordAndAReason) {
  const std::string dir = testDirectory().string();
  const std::string fifo = dir + "/pipe", socket = dir + "/sock";
  std::filesystem::remove(fifo);
  std::filesystem::remove(socket);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  makeSocket(socket);
  const std::string file = writeTempFile("file.cpp", "x;\n");
  const char kFileCpp[] = "size=3 chars=0 code=3 comments=0 marks=1 todo=0 fixme=0";
  const struct {
    std::string path;
    ioError error;
  } cases[] = {
      {dir + "/missing.cpp", systemError(ENOENT)},
      {"", systemError(ENOENT)},  // no name is no file, not the working directory
      {dir, isDirectoryError},
      {dir + "/", isDirectoryError},
      {fifo, notRegularFileError},  // must return at once, not wait for a writer
      {socket, notRegularFileError},
      {"/dev/null", notRegularFileError},
      {file + "/x.cpp", systemError(ENOTDIR)},
      {dir + "/missing/x.cpp", systemError(ENOENT)},
      {file, {}},
      {file + "/", systemError(ENOTDIR)},
  };
  for (const bool reusing : {false, true}) {
    std::optional<directoryReuse> reuse;
    if (reusing) reuse.emplace();
    for (const auto& c : cases) {
      ioError error;
      const fileStats stats = scanCppFile(c.path, &error);
      EXPECT_EQ(error, c.error) << c.path << (reusing ? ", reusing" : "");
      EXPECT_EQ(describe(stats), c.error.failed() ? kZero : kFileCpp) << c.path;
    }
  }
  // A path the walk saw as a regular file may have been replaced since: the
  // open must still neither wait on a FIFO nor accept a directory.
  for (const std::string& replaced : {fifo, dir}) {
    ioError error;
    EXPECT_EQ(scanCppFile(replaced, &error, pathType::regularFile), fileStats{});
    EXPECT_EQ(error, replaced == fifo ? notRegularFileError : isDirectoryError);
  }
}

}  // namespace
}  // namespace quillstat
