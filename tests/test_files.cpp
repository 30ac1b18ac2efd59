#include "test_files.h"

#include <fstream>
#include <iterator>

namespace quillstat {

namespace fs = std::filesystem;

fs::path testDirectory() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  fs::path dir = fs::temp_directory_path() / "quillstat_tests" /
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

void writeFile(const fs::path& path, const std::string& content) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

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

}  // namespace quillstat
