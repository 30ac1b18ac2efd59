// The report commands as a user runs them: what merge refuses, and compare
// over revisions of a repository made here, read from git's object store.
#include "ui/report_commands.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

TEST(ReportCommands, MergeRefusesWithStatusOneAndWritesNothing) {
  const fs::path root = freshTestDirectory();
  writeFile(root / "a.c", "int a; /* todo */\n");
  writeFile(root / "b.cpp", "int b;\n");
  const std::vector<std::string> json = {"-t", "json", "--todo-list", "/dev/null", "-o"};
  auto run = [&](std::vector<std::string> arguments, const std::string& output) {
    arguments.insert(arguments.end(), json.begin(), json.end());
    arguments.push_back(output);
    ASSERT_EQ(runProgram(root.string(), arguments).exitStatus, 0);
  };
  run({"-f", "a.c", "-l", "auto"}, "a.json");
  run({"-f", "b.cpp", "-l", "auto"}, "b.json");
  run({"-f", "b.cpp", "-l", "auto", "-nf"}, "b-nf.json");
  run({"-f", "b.cpp", "-l", "auto", "--label", "x"}, "b-label.json");
  writeFile(root / "v1.json", "{\"program\": \"quillstat\", \"version\": \"0.1\", \"formatVersion\": 1}");
  const struct {
    std::vector<std::string> arguments;
    std::string error;
  } cases[] = {
      {{"merge", "a.json", "b-nf.json", "-o", "out"},
       "quillstat: cannot merge: 'a.json' and 'b-nf.json' come from different runs: first "
       "comment (-nf) 'counted' and 'left out'\n"},
      {{"merge", "a.json", "b.json", "b-label.json", "-o", "out"},
       "quillstat: cannot merge: 'b.cpp' is in both 'b.json' and 'b-label.json'\n"},
      {{"merge", "a.json", "v1.json", "-o", "out"},
       "quillstat: cannot use 'v1.json': it was written by quillstat 0.1 in format 1; this "
       "version reads formats 2 and 3\n"},
      // The todo list cannot be written: the report is not written either.
      {{"merge", "a.json", "b.json", "-o", "out", "--todo-list", "missing/list"},
       "quillstat: cannot write todo list 'missing/list': No such file or directory\n"},
      {{"merge", "a.json", "-x", "-o", "out"},
       "quillstat: merge does not take '-x'; it takes -o, -t, --encoding, --by-dir, --label, "
       "--todo-list\n"},
  };
  for (const auto& c : cases) {
    const programEnd end = runProgram(root.string(), c.arguments);
    EXPECT_EQ(end.exitStatus, 1) << c.arguments[2];
    EXPECT_EQ(end.err, c.error);
    EXPECT_FALSE(fs::exists(root / "out"));
  }
}

// Runs `command` in `directory` through the shell; its exit status.
int shell(const fs::path& directory, const std::string& command) {
  return std::system(("cd '" + directory.string() + "' && " + command + " >/dev/null 2>&1").c_str());
}

TEST(ReportCommands, CompareReadsRevisionsWithoutTouchingTheWorkTree) {
  if (std::system("git --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "git is missing";
  const fs::path repo = freshTestDirectory() / "repo";
  const std::string git = "git -c user.name=t -c user.email=t@t -c commit.gpgsign=false ";
  fs::create_directories(repo);
  ASSERT_EQ(shell(repo, "git init -q ."), 0);
  writeFile(repo / "src/a.c", "// TODO: keep\nint a;\n");
  writeFile(repo / "src/b.c", "/* FIXME: drop */ int b;\n");
  ASSERT_EQ(shell(repo, "git add -A && " + git + "commit -qm v1 && git tag v1"), 0);
  // v2: the todo in a.c moves down a line, b.c goes, c.c brings a new word.
  writeFile(repo / "src/a.c", "int z;\n// TODO: keep\nint a;\n");
  fs::remove(repo / "src/b.c");
  writeFile(repo / "src/c.c", "int c; // TODO: new\n");
  ASSERT_EQ(shell(repo, "git add -A && " + git + "commit -qm v2 && git tag v2"), 0);
  // The work tree differs from v2 by an uncommitted word, which only a run
  // over the work tree sees.
  writeFile(repo / "src/c.c", "int c; // TODO: new\n// FIXME: local\n");
  const std::string before = readFile(repo / "src/c.c");
  const fs::file_time_type indexTime = fs::last_write_time(repo / ".git/index");

  const std::vector<std::string> run = {"-d", "src", "-l", "auto", "-t", "txt"};
  auto compare = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "compare");
    arguments.insert(arguments.end(), run.begin(), run.end());
    return runProgram(repo.string(), arguments);
  };
  programEnd end = compare({"git:v1", "git:v2"});
  ASSERT_EQ(end.exitStatus, 0) << end.err;
  const std::string newWords = "new todo/fixme: 1\n  src/c.c:1: todo: int c; // TODO: new\n";
  EXPECT_NE(end.out.find(newWords), std::string::npos) << end.out;
  EXPECT_NE(end.out.find("gone todo/fixme: 1\n  src/b.c:1: fixme: /* FIXME: drop */ int b;\n"),
            std::string::npos)
      << end.out;
  EXPECT_NE(end.out.find("all files  +1 -1 ~1"), std::string::npos) << end.out;

  // Without HEAD, the head is the work tree; the changed files' words grew.
  end = compare({"git:v2", "--fail-if-worse", "--max-new-todo", "0"});
  EXPECT_EQ(end.exitStatus, 3) << end.err;
  EXPECT_NE(end.out.find("new todo/fixme: 1\n  src/c.c:2: fixme: // FIXME: local\n"),
            std::string::npos)
      << end.out;
  // The revision's run is the work tree's but for the one file changed since.
  EXPECT_NE(end.out.find("all files  +0 -0 ~1"), std::string::npos) << end.out;
  EXPECT_EQ(end.err,
            "quillstat: the todo and fixme words of the changed files grew from 1 to 2 "
            "(allowed: 0 more)\n");
  end = compare({"git:v2", "--fail-if-worse", "--max-new-todo", "1"});
  EXPECT_EQ(end.exitStatus, 0) << end.err;

  end = compare({"git:no-such-tag"});
  EXPECT_EQ(end.exitStatus, 1);
  EXPECT_NE(end.err.find("quillstat: cannot read 'git:no-such-tag' of 'src': git ls-tree ended "
                         "with status 128\n"),
            std::string::npos)
      << end.err;

  EXPECT_EQ(readFile(repo / "src/c.c"), before);
  EXPECT_FALSE(fs::exists(repo / "src/b.c"));
  EXPECT_EQ(fs::last_write_time(repo / ".git/index"), indexTime);
}

}  // namespace
}  // namespace quillstat
