// --files-from: the listed files, in list order, whatever the list holds.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

class FileList : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory();
    writeFile(root_ / "src/a.cpp", "int a; // x\n");   // 12 bytes, 4 comment characters
    writeFile(root_ / "src/b.h", "/* b */\nx;\n");     // 11 bytes, 7 comment characters
    fs::create_directories(root_ / "src/sub");
    mkfifo((root_ / "src/fifo.cpp").c_str(), 0644);
  }

  // Runs the shell `script` in the test's directory; returns its exit status.
  int shell(const std::string& script) {
    writeFile(root_ / "run.sh", "Q='" QUILLSTAT_EXECUTABLE "'\n" + script);
    const std::string command = "cd '" + root_.string() + "' && bash run.sh >out 2>err";
    const int status = std::system(command.c_str());
    output_ = readFile(root_ / "out");
    errors_ = readFile(root_ / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path root_;
  std::string output_;
  std::string errors_;
};

// An entry that cannot be read keeps its place as the all-zero record; a
// path listed twice counts twice; blank entries and a CR before LF are no
// part of a path. The total: 11 + 12 + 11 bytes, 7 + 4 + 7 comment characters.
TEST_F(FileList, KeepsTheListsOrderAndReportsWhatCannotBeRead) {
  const std::string zero = "file,,0,0,0,0,0,0,0.000000,\r\n";
  const std::string b = "file,src/b.h,11,7,1,1,0,0,63.636364,\r\n";
  const std::string expected =
      "kind,path,size,commentChars,comments,codeLines,todo,fixme,commentPercent,pathBytes\r\n" +
      b + zero + "file,src/a.cpp,12,4,1,1,0,0,33.333333,\r\n" + b + zero + zero + zero +
      "total,,34,18,3,3,0,0,52.941176,\r\n";
  const std::string unreadable =
      "quillstat: cannot read 'missing.c': No such file or directory\n"
      "quillstat: cannot read 'src/fifo.cpp': not a regular file\n"
      "quillstat: cannot read 'src/sub': is a directory\n"
      "quillstat: cannot read 'src/a.cpp/x': Not a directory\n";
  writeFile(root_ / "list",
            "src/b.h\nmissing.c\n\nsrc/a.cpp\r\nsrc/b.h\nsrc/fifo.cpp\nsrc/sub\nsrc/a.cpp/x\n");
  EXPECT_EQ(shell("$Q --files-from list -t csv -o r.csv"), 2);
  EXPECT_TRUE(sameBytes(readFile(root_ / "r.csv"), expected));
  EXPECT_EQ(errors_, unreadable);

  // The same from a pipe, NUL-separated, the last path without its NUL.
  EXPECT_EQ(shell("printf 'src/b.h\\0missing.c\\0\\0src/a.cpp\\0src/b.h\\0src/fifo.cpp\\0src/sub"
                  "\\0src/a.cpp/x' "
                  "| $Q --files-from - --null -t csv -o -"),
            2);
  EXPECT_TRUE(sameBytes(output_, expected));
  EXPECT_EQ(errors_, unreadable);

  // JSON names the failures with their reasons, which say what the
  // messages say: a file where a directory was wanted is no missing file.
  EXPECT_EQ(shell("$Q --files-from list -t json -o - | jq -r '.failures[] | .path + \" \" + "
                  ".reason + \": \" + .message'"),
            0);
  EXPECT_EQ(output_,
            "missing.c notFound: No such file or directory\n"
            "src/fifo.cpp notRegularFile: not a regular file\n"
            "src/sub isDirectory: is a directory\n"
            "src/a.cpp/x other: Not a directory\n");
}

TEST_F(FileList, RefusesAListItCannotUseAndNeverOverwritesAListedFile) {
  const struct {
    std::string script;
    std::string errors;
  } cases[] = {
      {"$Q --files-from nolist -o r.txt",
       "quillstat: cannot read the file list 'nolist': No such file or directory\n"},
      {"$Q --files-from src -o r.txt", "quillstat: cannot read the file list 'src': Is a directory\n"},
      {"$Q --files-from - -d src -o r.txt < /dev/null",
       "quillstat: --files-from names the files to analyse: leave out -f and -d\n"},
      // A list of NUL-ended paths read as lines would be one path.
      {"printf 'src/a.cpp\\0src/b.h\\0' | $Q --files-from - -o r.txt",
       "quillstat: the file list '-' holds a NUL byte: its paths end in NUL? then add --null\n"},
      {"echo src/a.cpp | $Q --files-from - -o src/a.cpp",
       "quillstat: will not write the report over 'src/a.cpp': it is one of the analysed files\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell(c.script), 1) << c.script;
    EXPECT_EQ(errors_, c.errors) << c.script;
  }
  EXPECT_FALSE(fs::exists(root_ / "r.txt"));
  EXPECT_EQ(readFile(root_ / "src/a.cpp"), "int a; // x\n");
}

}  // namespace
}  // namespace quillstat
