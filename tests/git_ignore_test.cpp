#include "analysis/git_ignore.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/directory_walk.h"
#include "analysis/foreign_files.h"
#include "analysis/git_repository.h"
#include "analysis/ignore_stack.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// Worked out from gitignore(5) by hand: the ignore file at the root (or at
// "base"), a path, whether it is a directory, and whether git ignores it.
TEST(IgnoreListTest, FollowsTheDocumentedRules) {
  const struct {
    const char* patterns;
    const char* base;
    const char* path;
    bool directory;
    bool ignored;
  } cases[] = {
      {"*.o\n", "", "a/b/x.o", false, true},                 // no '/': any depth
      {"*.o\n", "", "a/x.c", false, false},
      {"/x.o\n", "", "a/x.o", false, false},                 // a leading '/' anchors
      {"/x.o\n", "", "x.o", false, true},
      {"a/x.o\n", "", "b/a/x.o", false, false},              // so does a middle one
      {"build/\n", "", "build", false, false},               // directories only
      {"build/\n", "", "src/build", true, true},
      {"*.log\n!keep.log\n", "", "keep.log", false, false},  // the last match wins
      {"!keep.log\n*.log\n", "", "keep.log", false, true},
      {"\\#x\n", "", "#x", false, true},                     // escapes
      {"#x\n", "", "#x", false, false},
      {"\\!x\n", "", "!x", false, true},
      {"x \n", "", "x", false, true},                        // trailing blanks dropped
      {"x\\ \n", "", "x ", false, true},                     // unless escaped
      {"x\\ \n", "", "x", false, false},
      {"**/lib\n", "", "a/b/lib", true, true},               // "**/" any leading dirs
      {"a/**/b\n", "", "a/b", false, true},                  // "/**/" zero or more
      {"a/**/b\n", "", "a/x/y/b", false, true},
      {"a/**\n", "", "a/x/y", false, true},                  // "/**" all beneath
      {"a/**\n", "", "a", true, false},
      {"a/*/b\n", "", "a/x/y/b", false, false},              // '*' within a name
      {"x?z\n", "", "x/z", false, false},
      {"[a-c]x\n", "", "bx", false, true},
      {"[!a-c]x\n", "", "bx", false, false},
      {"[[:digit:]]x\n", "", "7x", false, true},
      {"x.c\r\n", "", "x.c", false, true},                   // CRLF lines
      {"/x.c\n", "sub/", "sub/x.c", false, true},            // relative to its directory
      {"/x.c\n", "sub/", "sub/a/x.c", false, false},
  };
  for (const auto& c : cases) {
    const ignoreList list(c.patterns, c.base);
    EXPECT_EQ(list.decides(c.path, c.directory).value_or(false), c.ignored)
        << c.patterns << " on " << c.path;
  }
}

// Whether git is installed, so the differential tests can run.
bool haveGit() { return std::system("git --version >/dev/null 2>&1") == 0; }

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char block[4096];
  for (size_t got; (got = fread(block, 1, sizeof block, pipe)) > 0;) output.append(block, got);
  pclose(pipe);
  return output;
}

// The files a walk of `directory` selects with git's rules, one a line,
// relative to `root`, sorted as git sorts them (by bytes).
std::string walkedWithRules(const fs::path& root, const fs::path& directory) {
  fileSystem& files = machineFileSystem();
  const std::optional<workTree> tree = findWorkTree(files, directory.string());
  if (!tree) return "no work tree";
  const fs::path home = root / "home";
  auto environment = [&home](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "HOME") return home.string();
    return std::nullopt;
  };
  ignoreStack ignores(files, *tree, readRepositoryFacts(files, *tree, environment));
  walkSelection selection{[](std::string_view) { return true; }, true, {},
                          pathExclusions({"**/.git/"}), &ignores, false};
  std::vector<std::string> paths;
  std::vector<inputFailure> failures;
  std::vector<skippedEntry> skipped;
  collectFiles(files, directory.string(), selection,
               [&](std::string path) { paths.push_back(fs::relative(path, directory).string()); },
               &failures, &skipped);
  std::sort(paths.begin(), paths.end());
  std::string listed;
  for (const std::string& path : paths) listed += path + "\n";
  return listed;
}

std::string listedByGit(const fs::path& root, const fs::path& directory) {
  return run("cd '" + directory.string() + "' && HOME='" + (root / "home").string() +
             "' XDG_CONFIG_HOME= git -c core.quotePath=false ls-files --cached --others "
             "--exclude-standard | LC_ALL=C sort");
}

// Trees of random names under random ignore files, in every index version:
// the walk selects exactly what git lists.
TEST(GitIgnoreDifferentialTest, SelectsWhatGitLists) {
  if (!haveGit()) GTEST_SKIP() << "git is not installed";
  const char* names[] = {"a", "b.c", "x.o", "build", "lib", "keep.log", "#h", "!b", "sp ", "d.min.js"};
  const char* patterns[] = {"*.o",    "!x.o",   "build/", "/a",       "a/**/b.c", "**/lib",
                            "lib/",   "*.log",  "!keep.log", "\\#h", "\\!b",  "sp\\ ",
                            "b/*",    "[ab]",   "a/",     "!a/b.c",   "*",      "!*/",
                            "?.c",    "#a",     "/lib/*.c", "**/b/**", "x.[!o]"};
  std::mt19937 random(7);
  auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
  for (int round = 0; round < 40; ++round) {
    const fs::path root = freshTestDirectory();
    const fs::path tree = root / "tree";
    fs::create_directories(root / "home/.config/git");
    ASSERT_EQ(run("git init -q '" + tree.string() + "' 2>&1"), "");
    for (int file = 0; file < 30; ++file) {
      fs::path path = tree;
      for (size_t depth = pick(3); depth > 0; --depth) path /= names[pick(4) == 0 ? 3 : pick(5)];
      path /= names[pick(std::size(names))];
      std::error_code ignore;
      fs::create_directories(path.parent_path(), ignore);
      if (!ignore && !fs::exists(path)) writeFile(path, "x\n");
    }
    auto rules = [&] {
      std::string text;
      for (size_t n = pick(5); n > 0; --n) text += std::string(patterns[pick(std::size(patterns))]) + "\n";
      return text;
    };
    // Some files are tracked before the rules come, so the index keeps them.
    run("cd '" + tree.string() + "' && git add -A >/dev/null 2>&1 && git reset -q " +
        "$(git ls-files | sed -n '2~3p') >/dev/null 2>&1; git update-index --index-version " +
        std::to_string(2 + round % 3) + " >/dev/null 2>&1");
    writeFile(tree / ".gitignore", rules());
    for (const auto& entry : fs::recursive_directory_iterator(tree)) {
      if (entry.is_directory() && entry.path().filename() != ".git" &&
          entry.path().string().find("/.git") == std::string::npos && pick(2) == 0) {
        writeFile(entry.path() / ".gitignore", rules());
      }
    }
    writeFile(tree / ".git/info/exclude", rules());
    writeFile(root / "home/.config/git/ignore", rules());
    const std::string expected = listedByGit(root, tree);
    EXPECT_EQ(walkedWithRules(root, tree), expected)
        << "round " << round << " in " << tree << "\n" << run("cd '" + tree.string() + "' && head -50 $(find . -name .gitignore) .git/info/exclude");
    if (fs::is_directory(tree / "a")) {
      EXPECT_EQ(walkedWithRules(root, tree / "a"), listedByGit(root, tree / "a")) << "round " << round;
    }
  }
}

// A .git file leads to a worktree's own directory; outside any work tree
// the rules read nothing.
TEST(GitIgnoreDifferentialTest, FindsWorkTreesAsGitDoes) {
  if (!haveGit()) GTEST_SKIP() << "git is not installed";
  const fs::path root = freshTestDirectory();
  fs::create_directories(root / "home");
  writeFile(root / "main/.gitignore", "*.o\n");
  writeFile(root / "main/a.c", "x\n");
  run("cd '" + (root / "main").string() + "' && git init -q . && git add -A && git -c " +
      "user.name=a -c user.email=a@b commit -qm x && git worktree add -q ../linked 2>&1");
  writeFile(root / "linked/b.o", "x\n");
  writeFile(root / "linked/new.c", "x\n");
  EXPECT_EQ(walkedWithRules(root, root / "linked"), ".gitignore\na.c\nnew.c\n");
  EXPECT_EQ(walkedWithRules(root, root / "linked"), listedByGit(root, root / "linked"));
  writeFile(root / "plain/.gitignore", "*.o\n");
  EXPECT_EQ(walkedWithRules(root, root / "plain"), "no work tree");
}

// The other people's code, the generated and the minified, as
// foreign_files.h describes them.
TEST(ForeignFilesTest, TellsVendoredGeneratedAndMinified) {
  EXPECT_TRUE(vendoredDirectory("node_modules"));
  EXPECT_TRUE(vendoredDirectory("third_party"));
  EXPECT_FALSE(vendoredDirectory("Vendor"));  // case counts
  EXPECT_FALSE(vendoredDirectory("lib"));
  EXPECT_TRUE(minifiedName("app.min.js"));
  EXPECT_TRUE(minifiedName("site.min.css"));
  EXPECT_FALSE(minifiedName("min.js"));
  auto lines = [](int count, size_t length) {
    std::string text;
    for (int line = 0; line < count; ++line) text += std::string(length, 'x') + "\n";
    return text;
  };
  const std::string longLines = std::string(300, 'x') + "\n" + std::string(900, 'y');
  const struct {
    std::string text;
    bool generated;
  } cases[] = {
      {"// Code generated by stringer; DO NOT EDIT.\npackage x\n", true},
      {"/* @generated by relay */\n", true},
      {"// <auto-generated>\n//   by a tool\n", true},
      {"/* A Bison parser, made by GNU Bison 3.8. */\n", true},
      {std::string(10, '\n') + "// DO NOT EDIT\n", false},  // past the first ten lines
      {"// do not edit\n", false},                            // case counts
      {longLines, true},                                      // 1,201 bytes in 2 lines
      {std::string(300, 'x') + "\n", false},                  // too short to tell
      {lines(60, 19), false},                                 // 1,200 bytes in 60 lines
      {lines(3, 250) + std::string(251, 'x'), true},          // 1,004 bytes in 4 lines: 251 each
      {lines(3, 250) + std::string(247, 'x'), false},         // 1,000 bytes in 4 lines: 250 each
      {lines(4, 400), true},                                  // 1,604 bytes in 5 lines
      {lines(4, 400) + lines(30, 9), false},                  // 1,904 bytes in 35 lines, short ones last
  };
  for (const auto& c : cases) {
    EXPECT_EQ(generatedText(c.text), c.generated) << c.text.substr(0, 60);
  }
}

}  // namespace
}  // namespace quillstat
