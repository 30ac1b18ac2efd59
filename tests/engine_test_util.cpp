#include "engine_test_util.h"

#include "test_files.h"

namespace quillstat {

std::string describe(const fileStats& s) {
  return "size=" + std::to_string(s.sizeFile) + " chars=" + std::to_string(s.countCommentChars) +
         " code=" + std::to_string(s.countCodeChars) + " comments=" +
         std::to_string(s.countOfComment) + " lines=" + std::to_string(s.countCodeLine) +
         " todo=" + std::to_string(s.todoWordsCount) + " fixme=" + std::to_string(s.fixmeWordsCount);
}

std::string writeTempFile(const std::string& name, const std::string& content) {
  std::filesystem::path path = testDirectory() / name;
  writeFile(path, content);
  return path.string();
}

}  // namespace quillstat
