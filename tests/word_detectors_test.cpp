#include <string>

#include <gtest/gtest.h>

#include "engine/c_like_scan.h"
#include "engine/scanner.h"
#include "engine/word_detectors.h"

namespace quillstat {
namespace {

// Runs a line comment holding `text` through the C++ scanner and returns
// "todo=N fixme=N".
std::string wordsIn(const std::string& comment) {
  fileStats s = scannerOf<cppScanner>().scanBuffer(comment.data(), comment.size(), true);
  return "todo=" + std::to_string(s.todoWordsCount) + " fixme=" + std::to_string(s.fixmeWordsCount);
}

TEST(WordDetectors, CountWholeWordsInAnyCase) {
  const struct {
    std::string comment;
    std::string expected;
  } cases[] = {
      {"// todo:\n", "todo=1 fixme=0"},
      {"// todos\n", "todo=0 fixme=0"},
      {"// mytodo\n", "todo=0 fixme=0"},
      {"// TODOLIST\n", "todo=0 fixme=0"},
      {"// todo2\n", "todo=1 fixme=0"},
      {"// _todo_\n", "todo=1 fixme=0"},
      {"// ToDo\n", "todo=1 fixme=0"},
      {"// FIXME fixme FiXmE.\n", "todo=0 fixme=3"},
      {"// fixmetodo todofixme\n", "todo=0 fixme=0"},
      {"// todo fixme\n", "todo=1 fixme=1"},
      // Bytes from 0x80 up are no letters: a word after Cyrillic (Windows-1251) counts.
      {"// \xE7\xE0todo\n", "todo=1 fixme=0"},
      {"// todo\xE7\n", "todo=1 fixme=0"},
      // No character follows the word, so the classic rules do not count it
      // (the exact rules do), in a line comment or a block comment left open.
      {"// fixme", "todo=0 fixme=0"},
      {"/* x */ // todo", "todo=0 fixme=0"},
      {"/* todo", "todo=0 fixme=0"},
      // A broken match is not retried: "ttodo" starts with a letter before "todo".
      {"// ttodo\n", "todo=0 fixme=0"},
  };
  for (const auto& c : cases) EXPECT_EQ(wordsIn(c.comment), c.expected) << c.comment;
}

}  // namespace
}  // namespace quillstat
