// The quality gate and the exit status when several things go wrong, run
// through the built program.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

TEST(QualityGate, FailsAWrittenReportWithStatusThreeAfterWorseFailures) {
  const fs::path root = freshTestDirectory();
  // 15 bytes, "// todo" 7 comment characters: 46.666667 %.
  writeFile(root / "src/a.cpp", "int a; // todo\n");
  // 15 bytes, "/* fixme */" 11 comment characters. The tree: 18 of 30, 60 %,
  // and two todo and fixme words; of its three lines one is a comment line
  // and two are code lines: a density of 33.333333 %.
  writeFile(root / "src/b.cpp", "/* fixme */\nx;\n");
  const std::string share = "quillstat: comment share: ";
  const std::string words = "quillstat: todo and fixme words: ";
  const std::string density = "quillstat: comment-line density: ";
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string errors;
    bool written;
  } cases[] = {
      {{"-d", "src", "--fail-under", "60", "--max-todo", "2"}, 0, "", true},
      {{"-d", "src", "--fail-under", "60.000001"},
       3, share + "60.000000%, below --fail-under 60.000001\n", true},
      {{"-d", "src", "--max-todo", "1", "--fail-under", "61"},
       3, share + "60.000000%, below --fail-under 61\n" + words + "2, above --max-todo 1\n", true},
      // The figure is compared as the report shows it: 46.6666...% shows as
      // 46.666667, which is not below 46.666667.
      {{"-f", "src/a.cpp", "--fail-under", "46.666667", "--max-todo", "1"}, 0, "", true},
      {{"-f", "src/a.cpp", "--fail-under", "46.666668", "--max-todo", "0"},
       3, share + "46.666667%, below --fail-under 46.666668\n" + words + "1, above --max-todo 0\n",
       true},
      {{"-d", "src", "-x", "--fail-under-lines", "33.333333"}, 0, "", true},
      {{"-d", "src", "-x", "--fail-under-lines=33.4"},
       3, density + "33.333333%, below --fail-under-lines 33.4\n", true},
      // Classic figures have no lines to compare.
      {{"-d", "src", "--fail-under-lines", "1"},
       1, "quillstat: --fail-under-lines needs the line figures of the exact rules: add -x or -l "
          "auto\n", false},
      // An unreadable input (2) comes first.
      {{"-f", "nothing.cpp", "--fail-under", "1"},
       2,
       "quillstat: cannot read 'nothing.cpp': No such file or directory\n" + share +
           "0.000000%, below --fail-under 1\n",
       true},
      // A report that cannot be written or a limit that cannot be used stops
      // the run before anything is read: no figure is compared.
      {{"-d", "src", "-o", "nodir/r.txt", "--max-todo", "0"},
       1, "quillstat: cannot write report 'nodir/r.txt': No such file or directory\n", false},
      {{"-d", "src", "--fail-under", "abc", "--max-todo", "-1"},
       1,
       "quillstat: --fail-under 'abc': the limit is a percentage from 0 to 100\n"
       "quillstat: --max-todo '-1': the limit is a whole number from 0 to 9223372036854775807\n",
       false},
      {{"-d", "src", "--fail-under", "100.5", "--encoding", "latin1", "--max-todo"},
       1,
       "quillstat: --fail-under '100.5': the limit is a percentage from 0 to 100\n"
       "quillstat: --encoding 'latin1': the encoding is one of windows-1251, utf-8\n"
       "quillstat: --max-todo needs a value\n",
       false},
  };
  for (const auto& c : cases) {
    fs::remove(root / "r.txt");
    std::vector<std::string> arguments = {"-o", "r.txt"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const programEnd end = runProgram(root, arguments);
    const std::string shown = c.arguments[0] + " " + c.arguments[1] + " " + c.arguments[2];
    EXPECT_EQ(end.exitStatus, c.status) << shown;
    EXPECT_EQ(end.err, c.errors) << shown;
    EXPECT_EQ(fs::exists(root / "r.txt"), c.written) << shown;
  }
}

}  // namespace
}  // namespace quillstat
