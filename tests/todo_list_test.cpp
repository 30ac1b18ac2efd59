// The todo list, as the built program writes it: each counted word at its
// line and column, worked out by hand from the file's bytes.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// A file's bytes are read 128 KiB at a time.
constexpr size_t kChunk = 128 * 1024;

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  for (size_t start = 0; start < line.size();) {
    const size_t end = std::min(line.find(' ', start), line.size());
    out.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::string repeat(const std::string& text, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += text;
  return out;
}

TEST(TodoList, PlacesEachCountedWordAtItsLineAndColumn) {
  const struct {
    const char* scenario;
    std::string content;
    std::string options;
    std::string expected;
  } cases[] = {
      {"CR LF line ends are one line end", "/* todo a */\r\nint x; // TODO: b\r\n", "",
       "a.cpp:1:4: todo: /* todo a */\na.cpp:2:11: todo: int x; // TODO: b\n"},
      {"a lone CR ends a line; blanks cut, a control byte shown as '?'",
       "x;\r\t// fixme\x01 now \f\n", "",
       "a.cpp:2:5: fixme: // fixme? now\n"},
      {"a word on the second line of a block comment", "/* one\n   fixme two */ x;", "-x",
       "a.cpp:2:4: fixme: fixme two */ x;\n"},
      {"-nf leaves the first comment out of the comment figures, not its words",
       "/* todo a */ x; // todo b\n", "-nf",
       "a.cpp:1:4: todo: /* todo a */ x; // todo b\na.cpp:1:20: todo: /* todo a */ x; // todo b\n"},
      {"whole words: todo2 and x_fixme are, todos and mytodo are not",
       "// todos, mytodo, todo2 and x_fixme\n", "",
       "a.cpp:1:19: todo: // todos, mytodo, todo2 and x_fixme\n"
       "a.cpp:1:31: fixme: // todos, mytodo, todo2 and x_fixme\n"},
      {"a word split between two reads, on a line too long to show whole",
       "/*" + std::string(kChunk - 4, ' ') + "todo */\n", "",
       "a.cpp:1:" + std::to_string(kChunk - 1) + ": todo: todo */\n"},
      {"CR LF lines up to a split word: the column counts the line's bytes",
       repeat("x;\r\n", kChunk / 4 - 1) + "//todo\r\n", "",
       "a.cpp:" + std::to_string(kChunk / 4) + ":3: todo: //todo\n"},
      {"a line longer than 400 bytes shows 400 from the word and \"...\"",
       "// fixme " + std::string(500, 'y') + "\n", "",
       "a.cpp:1:4: fixme: fixme " + std::string(394, 'y') + "...\n"},
      {"lone CRs and LFs, many, each end a line",
       repeat("x;\r", 40) + repeat("y;\n", 40) + "// todo\n", "", "a.cpp:81:4: todo: // todo\n"},
      {"words on both sides of a read's end, blanks across it cut from the line's end",
       "// todo " + std::string(kChunk - 108, 'a') + std::string(200, ' ') + "fixme\n", "",
       "a.cpp:1:4: todo: todo " + std::string(395, 'a') + "...\na.cpp:1:" +
           std::to_string(kChunk + 101) + ": fixme: fixme\n"},
      {"the 400 bytes end before a UTF-8 character they would split",
       "// fixme  " + repeat("\xD0\xB6", 250) + "\n", "",
       "a.cpp:1:4: fixme: fixme  " + repeat("\xD0\xB6", 196) + "...\n"},
      {"a word that ends the file is listed by the exact rules", "x; // todo", "-x",
       "a.cpp:1:7: todo: x; // todo\n"},
      {"and not by the classic ones, which do not count it", "x; // todo", "", ""},
      {"JSON", "// todo \"q\"\n", "-t json",
       "[\n  {\"path\": \"a.cpp\", \"line\": 1, \"column\": 4, \"word\": \"todo\", \"text\": "
       "\"// todo \\\"q\\\"\"}\n]\n"},
      {"JSON, no word", "x;\n", "-t json", "[]\n"},
  };
  const fs::path root = freshTestDirectory();
  for (const auto& c : cases) {
    writeFile(root / "a.cpp", c.content);
    std::vector<std::string> arguments = {"-f", "a.cpp", "-o", "r.txt", "--todo-list", "-"};
    if (!c.options.empty()) {
      for (const std::string& word : words(c.options)) arguments.push_back(word);
    }
    const programEnd end = runProgram(root, arguments);
    EXPECT_EQ(end.exitStatus, 0) << c.scenario << ": " << end.err;
    EXPECT_TRUE(sameBytes(end.out, c.expected)) << c.scenario;
  }
}

// A name cannot forge entries: each word is one line whatever its file's
// name holds, control bytes escaped, a backslash as it is.
TEST(TodoList, ANameStaysOnItsWordsLine) {
  const fs::path root = freshTestDirectory();
  const std::string forged = "zz.c:1:4: todo: x\nreal.c:1:1: fixme: INJECTED\nx.c";
  writeFile(root / "src" / forged, "// todo\n");
  writeFile(root / "src/e\x1b[31m\\.c", "/* fixme */\n");
  const programEnd end = runProgram(root, {"-d", "src", "-e", "*.c", "-o", "r.txt",
                                           "--todo-list", "-"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;
  EXPECT_TRUE(sameBytes(end.out,
                        "src/e\\x1b[31m\\.c:1:4: fixme: /* fixme */\n"
                        "src/zz.c:1:4: todo: x\\nreal.c:1:1: fixme: INJECTED\\nx.c:1:4: todo: "
                        "// todo\n"));
  // The report file names the file as it always has.
  EXPECT_NE(readFile(root / "r.txt").find("src/" + forged + "\r\n"), std::string::npos);
}

TEST(TodoList, IsAnOutputLikeTheReport) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "src/b.cpp", "// fixme b\n");
  writeFile(root / "src/a.cpp", "// todo a\n");
  // An earlier list inside the tree is about to be replaced: no input.
  writeFile(root / "src/list.txt", "src/a.cpp:1:4: todo: // todo a\n");
  programEnd end = runProgram(
      root, {"-d", "src", "-s", "-e", "*.*", "-o", "r.txt", "--todo-list", "src/list.txt"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;
  EXPECT_TRUE(sameBytes(readFile(root / "src/list.txt"),
                        "src/a.cpp:1:4: todo: // todo a\nsrc/b.cpp:1:4: fixme: // fixme b\n"));

  // A named input is never written over, and one file cannot hold both.
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"-f", "src/a.cpp", "-o", "r.txt", "--todo-list", "src/a.cpp"},
        std::vector<std::string>{"-f", "src/a.cpp", "-o", "r.txt", "--todo-list", "r.txt"}}) {
    end = runProgram(root, arguments);
    EXPECT_EQ(end.exitStatus, 1) << end.err;
    EXPECT_NE(end.err, "");
  }
  EXPECT_EQ(readFile(root / "src/a.cpp"), "// todo a\n");
}

}  // namespace
}  // namespace quillstat
