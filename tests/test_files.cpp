#include "test_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace quillstat {

namespace fs = std::filesystem;

fs::path testDirectory() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  // A build tree names its own root, so that two checkouts tested at once
  // never clear each other's files.
  const char* root = std::getenv("QUILLSTAT_TEST_ROOT");
  fs::path dir = (root != nullptr ? fs::path(root) : fs::temp_directory_path() / "quillstat_tests") /
                 (std::string(test->test_suite_name()) + "." + test->name());
  fs::create_directories(dir);
  return dir;
}

fs::path freshTestDirectory() {
  fs::remove_all(testDirectory());
  return testDirectory();
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path writeFile(const fs::path& path, const std::string& content) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  return path;
}

#ifndef _WIN32
void makeSocket(const fs::path& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.string().size(), sizeof(address.sun_path));
  path.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0) << path;
  close(fd);
}
#endif

std::set<std::string> namesIn(const fs::path& directory) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  size_t from = at < 16 ? 0 : at - 16;
  return testing::AssertionFailure()
         << "first difference at offset " << at << " (sizes " << actual.size() << " and "
         << expected.size() << ")\n  actual:   " << testing::PrintToString(actual.substr(from, 32))
         << "\n  expected: " << testing::PrintToString(expected.substr(from, 32));
}

std::string xmlReport(const std::string& records) {
  return "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n" + records + "</main>\r\n";
}

std::string xmlRecord(const std::string& name, int64_t chars, int64_t size, int64_t comments,
                      int64_t lines, int64_t fixme, int64_t todo) {
  return "  <file filename='" + name + "' countCommentChars='" + std::to_string(chars) +
         "' sizeFile='" + std::to_string(size) + "'  countOfComment='" +
         std::to_string(comments) + "' countCodeLine='" + std::to_string(lines) +
         "'  fixmeWordsCount='" + std::to_string(fixme) + "' todoWordsCount='" +
         std::to_string(todo) + "' />\r\n";
}

std::string htmlRecord(const std::string& name, int64_t chars, int64_t size, int64_t comments,
                       int64_t lines, int64_t fixme, int64_t todo) {
  return "  <tr>\r\n    <td>" + name + "</td> <td>" + std::to_string(chars) + "</td> <td>" +
         std::to_string(size) + "</td> <td>" + std::to_string(comments) + "</td>    <td>" +
         std::to_string(lines) + "</td> <td>" + std::to_string(fixme) + "</td>    <td>" +
         std::to_string(todo) + "</td></tr>\r\n";
}

}  // namespace quillstat
