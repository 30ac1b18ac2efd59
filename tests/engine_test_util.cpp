#include "engine_test_util.h"

#include <vector>

#include "engine/c_like_scan.h"
#include "engine/scanner.h"

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

fileStats scanCppFile(const std::string& path, bool includeFirstComment, ioError* error,
                      pathType type) {
  std::vector<char> buffer;
  ioError ignored;
  return scanPath(scannerOf<cppScanner>(), machineFileSystem(), path, includeFirstComment,
                  &buffer, error != nullptr ? error : &ignored, type);
}

}  // namespace quillstat
