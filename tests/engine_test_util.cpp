#include "engine_test_util.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace quillstat {

std::string describe(const fileStats& s) {
  return "size=" + std::to_string(s.sizeFile) + " chars=" + std::to_string(s.countCommentChars) +
         " code=" + std::to_string(s.countCodeChars) + " comments=" +
         std::to_string(s.countOfComment) + " lines=" + std::to_string(s.countCodeLine) +
         " todo=" + std::to_string(s.todoWordsCount) + " fixme=" + std::to_string(s.fixmeWordsCount);
}

std::string writeTempFile(const std::string& name, const std::string& content) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillstat_tests" /
                              (std::string(test->test_suite_name()) + "." + test->name());
  std::filesystem::create_directories(dir);
  std::filesystem::path path = dir / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  return path.string();
}

}  // namespace quillstat
