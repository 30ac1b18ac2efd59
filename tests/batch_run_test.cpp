// The built program, run as a user would run it.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <iconv.h>

#include <gtest/gtest.h>

#include "analysis/language_table.h"
#include "program_runner.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// The expected report text is written here in UTF-8; reports are Windows-1251.
std::string windows1251(const std::string& utf8) {
  iconv_t convert = iconv_open("WINDOWS-1251", "UTF-8");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t outLeft = out.size();
  iconv(convert, &in, &inLeft, &to, &outLeft);
  iconv_close(convert);
  out.resize(out.size() - outLeft);
  return out;
}

class BatchRun : public testing::Test {
 protected:
  void SetUp() override {
    root_ = freshTestDirectory();
    // 12 bytes: 4 comment characters, 1 comment, 1 mark.
    writeFile(root_ / "src/a.cpp", "int a; // x\n");
    // 11 bytes: 7 comment characters, 1 comment, 1 mark.
    writeFile(root_ / "src/sub/b.h", "/* b */\nx;\n");
    writeFile(root_ / "src/notes.txt", "// not selected\n");
  }

  // Runs the program in the test's directory with the blank-separated
  // `arguments`; returns its exit status.
  int run(const std::string& arguments) {
    std::vector<std::string> words;
    for (size_t start = 0; start < arguments.size();) {
      size_t end = std::min(arguments.find(' ', start), arguments.size());
      words.push_back(arguments.substr(start, end - start));
      start = end + 1;
    }
    programEnd end = runProgram(root_, words);
    stdout_ = end.out;
    stderr_ = end.err;
    return end.exitStatus;
  }

  // Runs the program with `arguments` through the shell, which may redirect
  // its output; returns its exit status, and its stderr in stderr_.
  int runInShell(const std::string& arguments) {
    const std::string command = "cd '" + root_.string() + "' && '" QUILLSTAT_EXECUTABLE "' " +
                                arguments + " 2>err";
    const int status = std::system(command.c_str());
    stderr_ = readFile(root_ / "err");
    fs::remove(root_ / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path root_;
  std::string stdout_;
  std::string stderr_;
};

TEST_F(BatchRun, WritesATextReportOfATree) {
  ASSERT_EQ(run("-d src -s -o out.txt"), 0) << stderr_;
  EXPECT_EQ(stdout_ + stderr_, "");
  const std::string expected = windows1251(
      "Имя файла: src/a.cpp\r\n"
      "  символов комментариев(размер файла): 4 (12)\r\n"
      "  количество комментариев: 1 \r\n"
      "  примерное количество строк кода: 1\r\n"
      "  % комментариев: 33.333333 % \r\n"
      "  кол-во строк/кол-во комментариев: 1.000000\r\n"
      "  fixme+todo слов: 0\r\n"
      "\r\n"
      "Имя файла: src/sub/b.h\r\n"
      "  символов комментариев(размер файла): 7 (11)\r\n"
      "  количество комментариев: 1 \r\n"
      "  примерное количество строк кода: 1\r\n"
      "  % комментариев: 63.636364 % \r\n"
      "  кол-во строк/кол-во комментариев: 1.000000\r\n"
      "  fixme+todo слов: 0\r\n"
      "\r\n"
      "Имя файла: Все файлы\r\n"
      "  символов комментариев(размер файла): 11 (23)\r\n"
      "  количество комментариев: 2 \r\n"
      "  примерное количество строк кода: 2\r\n"
      "  % комментариев: 47.826087 % \r\n"
      "  кол-во строк/кол-во комментариев: 1.000000\r\n"
      "  fixme+todo слов: 0\r\n"
      "\r\n");
  const std::string actual = readFile(root_ / "out.txt");
  EXPECT_TRUE(sameBytes(actual, expected));
}

TEST_F(BatchRun, WritesXmlAndHtmlReports) {
  ASSERT_EQ(run("-d src/ -nf -t xml -o out.xml"), 0) << stderr_;
  // Not recursive, and without the first comment each file has none left.
  const std::string xml =
      "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n"
      "  <file filename='src/a.cpp' countCommentChars='0' sizeFile='12'  countOfComment='0' "
      "countCodeLine='1'  fixmeWordsCount='0' todoWordsCount='0' />\r\n"
      "  <file filename='AllFiles' countCommentChars='0' sizeFile='12'  countOfComment='0' "
      "countCodeLine='1'  fixmeWordsCount='0' todoWordsCount='0' />\r\n"
      "</main>\r\n";
  std::string actual = readFile(root_ / "out.xml");
  EXPECT_TRUE(sameBytes(actual, xml));

  ASSERT_EQ(run("-f src/sub/b.h -t html -o out.html"), 0) << stderr_;
  const std::string html = windows1251(
      "<html>\n<body>\n<table border=1>\r\n  <tr>\r\n    <td>Имя файла</td> "
      "<td>Количество символов комментариев</td> <td>Размер файла</td> "
      "<td>Количество комментариев</td>    <td>Количество строк кода</td> "
      "<td>Количество слов fixme</td>    <td>Количество слов todo</td></tr>\r\n"
      "  <tr>\r\n    <td>src/sub/b.h</td> <td>7</td> <td>11</td> <td>1</td>    <td>1</td> "
      "<td>0</td>    <td>0</td></tr>\r\n"
      "</table>\r\n</body><br><a href=\"https://quillstat.example.org/\" "
      "target=_balnk>Quillstat страница программы\r\n</html>\r\n");
  actual = readFile(root_ / "out.html");
  EXPECT_TRUE(sameBytes(actual, html));
}

TEST_F(BatchRun, ExactOptionPicksTheExactRulesAndTheLineFigures) {
  // 24 bytes; a compiler directive is a comment only by the classic rules.
  writeFile(root_ / "pas/u.pas", "{$mode objfpc}\nx; { c }\n");
  // 12 bytes, one code line. Go has exact rules only.
  writeFile(root_ / "go/m.go", "x := 1 // c\n");
  const std::string classicEnd = "  fixmeWordsCount='0' todoWordsCount='0' />";
  const std::string exactEnd = classicEnd.substr(0, classicEnd.size() - 3);
  const struct {
    const char* arguments;
    std::string figures;
  } cases[] = {
      {"-d pas -l Delphi",
       "countCommentChars='19' sizeFile='24'  countOfComment='2' countCodeLine='1'" + classicEnd},
      {"-d pas -l Delphi -x",
       "countCommentChars='5' sizeFile='24'  countOfComment='1' countCodeLine='1'" + exactEnd +
           " lines='2' blankLines='0' commentLines='0' codeLines='2' />"},
      {"-d pas -l Delphi --exact",
       "countCommentChars='5' sizeFile='24'  countOfComment='1' countCodeLine='1'" + exactEnd +
           " lines='2' blankLines='0' commentLines='0' codeLines='2' />"},
      // Reports knew Go before the line figures: without -x they stay as they were.
      {"-d go -l Go",
       "countCommentChars='4' sizeFile='12'  countOfComment='1' countCodeLine='0'" + classicEnd},
      {"-d go -l Go -x",
       "countCommentChars='4' sizeFile='12'  countOfComment='1' countCodeLine='0'" + exactEnd +
           " lines='1' blankLines='0' commentLines='0' codeLines='1' />"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(run(std::string(c.arguments) + " -t xml -o out.xml"), 0) << stderr_;
    EXPECT_NE(readFile(root_ / "out.xml").find(c.figures), std::string::npos) << c.arguments;
  }
}

// -l auto takes the files its names tell, skips and counts binary files and
// files of no known language, and walks no version-control directory.
TEST_F(BatchRun, AutoDetectionSkipsWhatItCannotRead) {
  writeFile(root_ / "t/a.cpp", "x;\n");
  writeFile(root_ / "t/B.GO", "x\n");
  writeFile(root_ / "t/notes.xyz", "x\n");  // an unknown extension: skipped unread
  writeFile(root_ / "t/NOTES", "x\n");      // no extension, no "#!": unknown
  writeFile(root_ / "t/cut.go", std::string("x\x1A\0", 3));  // NUL after text mode's end
  std::string lines;  // in lines as code has them, so not minified
  for (int line = 0; line < 128; ++line) lines += std::string(63, 'x') + '\n';
  writeFile(root_ / "t/late.go", lines + '\0');  // NUL past 8 KiB: text
  writeFile(root_ / "t/.git/x.cpp", "x;\n");
  writeFile(root_ / "t/sub/.svn/y.cpp", "x;\n");
  writeFile(root_ / "t/gen/z.cpp", "x;\n");
  ASSERT_EQ(run("-d t -s -l auto --exclude gen/ -t csv -o out.csv"), 0) << stderr_;
  std::string rows;  // kind, path and language of each row
  std::istringstream csv(readFile(root_ / "out.csv"));
  size_t languageColumn = 0;  // by the header's name: columns after it follow
  for (std::string row; std::getline(csv, row);) {
    std::vector<std::string> fields;
    std::istringstream cells(row);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (languageColumn == 0) {
      languageColumn = std::find(fields.begin(), fields.end(), "language") - fields.begin();
    }
    const std::string language = languageColumn < fields.size() ? fields[languageColumn] : "";
    rows += fields[0] + "," + fields[1] + "," + language + "\r";
  }
  EXPECT_EQ(rows,
            "kind,path,language\rfile,t/a.cpp,C++\rfile,t/B.GO,Go\rfile,t/late.go,Go\r"
            "total,,\rlanguage,,C++\rlanguage,,Go\r");
  const std::string skipped =
      windows1251("Пропущено файлов: 3 (язык не определён: 2, двоичных: 1)");
  ASSERT_EQ(run("-d t -s -l auto -o out.txt"), 0) << stderr_;
  EXPECT_NE(readFile(root_ / "out.txt").find(skipped + "\r\n\r\n"), std::string::npos);
  // A file of no language by its name is skipped as in a tree; a list is
  // left out by the directories its paths pass through.
  ASSERT_EQ(run("-f t/NOTES -l auto -o out.txt"), 0) << stderr_;
  EXPECT_EQ(readFile(root_ / "out.txt"),
            windows1251("Пропущено файлов: 1 (язык не определён: 1, двоичных: 0)\r\n\r\n"));
  writeFile(root_ / "list", "t/gen/z.cpp\nt/a.cpp\n");
  ASSERT_EQ(run("--files-from list --exclude t/gen/ -t csv -o out.csv"), 0) << stderr_;
  EXPECT_EQ(readFile(root_ / "out.csv").find("t/gen"), std::string::npos);
  EXPECT_NE(readFile(root_ / "out.csv").find("file,t/a.cpp,"), std::string::npos);
}

// In a git work tree -l auto counts what the team owns: not what git
// ignores (but what it tracks), nor vendored, generated or minified files,
// each counted by reason, each brought back by its option; a run in a
// language reads every masked file as always.
TEST_F(BatchRun, AutoDetectionCountsWhatTheTeamOwns) {
  if (std::system("git --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no git";
  writeFile(root_ / "w/.gitignore", "build/\n*.log.c\n");
  writeFile(root_ / "w/notes.xyz", "x\n");  // of no known language
  writeFile(root_ / "w/build/out.c", "x;\n");
  writeFile(root_ / "w/build/kept.c", "x;\n");           // tracked, so counted
  writeFile(root_ / "w/src/trace.log.c", "x;\n");
  writeFile(root_ / "w/src/own.c", "x;\n");
  writeFile(root_ / "w/vendor/lib.c", "x;\n");
  writeFile(root_ / "w/src/gen.c", "// Code generated by a tool. DO NOT EDIT.\nx;\n");
  writeFile(root_ / "w/src/app.min.js", "x;\n");
  ASSERT_EQ(std::system(("cd '" + (root_ / "w").string() +
                         "' && git init -q . && git add -f build/kept.c")
                            .c_str()),
            0);
  const struct {
    const char* options;
    const char* files;  // the records, blank-separated
    const char* skipped;
  } cases[] = {
      {"-l auto", "w/.gitignore w/build/kept.c w/src/own.c",
       "Пропущено файлов: 6 (язык не определён: 1, двоичных: 0, игнорируемых git: 2, "
       "сторонних: 1, сгенерированных: 2)"},
      {"-l auto --no-ignore --include-vendored --include-generated",
       "w/.gitignore w/build/kept.c w/build/out.c w/src/app.min.js w/src/gen.c w/src/own.c "
       "w/src/trace.log.c w/vendor/lib.c",
       "Пропущено файлов: 1 (язык не определён: 1, двоичных: 0)"},
      {"-l C -e *.c", "w/build/kept.c w/build/out.c w/src/gen.c w/src/own.c w/src/trace.log.c "
       "w/vendor/lib.c", nullptr},
  };
  for (const auto& c : cases) {
    const std::string arguments = "-d w -s " + std::string(c.options) + " -o out.txt";
    ASSERT_EQ(run(arguments), 0) << stderr_;
    const std::string report = readFile(root_ / "out.txt");
    std::string files;
    const std::string label = windows1251("Имя файла: ");
    for (size_t at = 0; (at = report.find(label + "w/", at)) != std::string::npos;) {
      at += label.size();
      const size_t end = report.find('\r', at);
      if (!files.empty()) files += ' ';
      files.append(report, at, end - at);
    }
    EXPECT_EQ(files, windows1251(c.files)) << c.options;
    if (c.skipped != nullptr) {
      EXPECT_NE(report.find(windows1251(c.skipped)), std::string::npos) << c.options << report;
    } else {
      EXPECT_EQ(report.find(windows1251("Пропущено")), std::string::npos) << c.options;
    }
  }
  ASSERT_EQ(run("-d w -s -l auto -t json -o out.json"), 0) << stderr_;
  EXPECT_NE(readFile(root_ / "out.json")
                .find("\"skipped\": {\"unknownLanguage\": 1, \"binary\": 0, \"ignored\": 2, "
                      "\"vendored\": 1, \"generated\": 2}"),
            std::string::npos);
}

// Each failure is said on stderr and gives its status; an unreadable input
// still lets the report be written, with the zero record in its place.
TEST_F(BatchRun, EachFailureIsSaidWithItsStatus) {
  fs::create_symlink("gone", root_ / "src/dead.lnk");
  const struct {
    const char* arguments;
    int status;
    const char* err;
    const char* report;  // how the report begins; "" for none
  } cases[] = {
      {"-f missing.cpp -o out.txt", 2,
       "quillstat: cannot read 'missing.cpp': No such file or directory\n", "Имя файла: \r\n"},
      {"-f  -o out.txt", 2,  // an empty name is no file, not the working directory
       "quillstat: cannot read '': No such file or directory\n", "Имя файла: \r\n"},
      {"-d nowhere -o out.txt", 2, "quillstat: cannot read 'nowhere': No such file or directory\n",
       "Имя файла: Все файлы\r\n"},
      // An empty name is no directory either.
      {"-d  -o out.txt", 2, "quillstat: cannot read '': no such file or directory\n",
       "Имя файла: Все файлы\r\n"},
      // A run that selects nothing says so, and still succeeds.
      {"-d src -e *.x -o out.txt", 0, "quillstat: no file in 'src' matches the masks '*.x'\n",
       "Имя файла: Все файлы\r\n"},
      // Nothing else selected: say what left the files out.
      {"-d src --exclude *.cpp -o out.txt", 0,
       "quillstat: every file in 'src' that matches the masks '*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx' "
       "is excluded by --exclude\n",
       "Имя файла: Все файлы\r\n"},
      {"-d src -s -l auto --exclude *.cpp --exclude sub/ --exclude *.txt -o out.txt", 0,
       "quillstat: every file in 'src' is excluded by --exclude\n", "Имя файла: Все файлы\r\n"},
      {"-d src -e *.x --exclude *.cpp -o out.txt", 0,
       "quillstat: no file in 'src' matches the masks '*.x'\n", "Имя файла: Все файлы\r\n"},
      // What -l auto leaves out by itself is no one's --exclude.
      {"-d hist -s -l auto --exclude *.x -o out.txt", 0,
       "quillstat: no file in 'hist' is of a language that -l auto knows\n",
       "Имя файла: Все файлы\r\n"},
      // A control byte in a name or a value is shown escaped.
      {"-f missing\x1b]0;T\a.cpp -o out.txt", 2,
       "quillstat: cannot read 'missing\\x1b]0;T\\x07.cpp': No such file or directory\n",
       "Имя файла: \r\n"},
      {"-d no\nwhere -o out.txt", 2,
       "quillstat: cannot read 'no\\nwhere': No such file or directory\n",
       "Имя файла: Все файлы\r\n"},
      {"-d src -e *.\x7f -o out.txt", 0,
       "quillstat: no file in 'src' matches the masks '*.\\x7f'\n", "Имя файла: Все файлы\r\n"},
      {"--files-from li\x1bst -o out.txt", 1,
       "quillstat: cannot read the file list 'li\\x1bst': No such file or directory\n", ""},
      {"-f src/a.cpp -o no\rdir/r.txt", 1,
       "quillstat: cannot write report 'no\\rdir/r.txt': No such file or directory\n", ""},
      // One that selects only what cannot be read says that instead.
      {"-d src -e *.lnk -o out.txt", 0,
       "quillstat: skipped 'src/dead.lnk': a symbolic link that leads nowhere\n",
       "Имя файла: Все файлы\r\n"},
      // Said before any source is read: the missing input goes unmentioned.
      {"-f missing.cpp -o nodir/r.txt", 1,
       "quillstat: cannot write report 'nodir/r.txt': No such file or directory\n", ""},
      {"-f src/a.cpp -o src", 1, "quillstat: cannot write report 'src': Is a directory\n", ""},
      {"-f src/a.cpp", 2,
       "quillstat: a batch run needs -o REPORT beside its input\n"
       "quillstat: no window system to show the window on; for a batch run name an input and a "
       "report:\n  quillstat -f FILE -o REPORT   or   quillstat -d DIR -o REPORT   (see "
       "quillstat -h)\n",
       ""},
  };
  writeFile(root_ / "hist/.git/x.cpp", "x;\n");
  for (const auto& c : cases) {
    fs::remove(root_ / "out.txt");
    EXPECT_EQ(run(c.arguments), c.status) << c.arguments;
    EXPECT_EQ(stderr_, c.err) << c.arguments;
    const std::string start = windows1251(c.report);
    EXPECT_EQ(readFile(root_ / "out.txt").substr(0, start.size()), start) << c.arguments;
  }
}

TEST_F(BatchRun, NeverWritesOverANamedInputButReplacesAReportInTheTree) {
  EXPECT_EQ(run("-f src/a.cpp -o src/a.cpp"), 1);
  EXPECT_EQ(stderr_,
            "quillstat: will not write the report over 'src/a.cpp': it is one of the analysed "
            "files\n");
  EXPECT_EQ(readFile(root_ / "src/a.cpp"), "int a; // x\n");
  EXPECT_EQ(run("-f src/sub/../a.cpp -o src/a.cpp"), 1);  // the same file by another path
  EXPECT_EQ(readFile(root_ / "src/a.cpp"), "int a; // x\n");

  // Nor is a source of a tree, by either output (a slip of the keyboard);
  // neither output is written then.
  writeFile(root_ / "r.txt", "old report");
  fs::create_hard_link(root_ / "src/a.cpp", root_ / "a-link.cpp");
  const struct {
    std::string how;
    const char* err;
  } slips[] = {
      {"-d src -s -o src/a.cpp --todo-list t.txt",
       "quillstat: will not write the report over 'src/a.cpp': it is one of the analysed files\n"},
      {"-d src -s -o r.txt --todo-list src/sub/b.h",
       "quillstat: will not write the todo list over 'src/sub/b.h': it is one of the analysed "
       "files\n"},
      {"-d src -s -o a-link.cpp",
       "quillstat: will not write the report over 'a-link.cpp': it is one of the analysed "
       "files\n"},
      {"-d src -s -o - >> src/a.cpp",
       "quillstat: will not write the report over '-': it is one of the analysed files\n"},
  };
  for (const auto& slip : slips) {
    EXPECT_EQ(runInShell(slip.how), 1) << slip.how;
    EXPECT_EQ(stderr_, slip.err) << slip.how;
    EXPECT_EQ(readFile(root_ / "src/a.cpp"), "int a; // x\n") << slip.how;
    EXPECT_EQ(readFile(root_ / "src/sub/b.h"), "/* b */\nx;\n") << slip.how;
    EXPECT_EQ(readFile(root_ / "r.txt"), "old report") << slip.how;
    EXPECT_FALSE(fs::exists(root_ / "t.txt")) << slip.how;
  }
  fs::remove(root_ / "a-link.cpp");

  // The report of an earlier run in the tree is left out, not refused, in
  // every format, also when standard output is redirected into the tree,
  // replacing the report or appending to it.
  for (const char* format : {"txt", "xml", "html", "json", "csv", "dashboard"}) {
    const std::string named = std::string("-d src -s -e *.* -t ") + format + " -o src/r." + format;
    for (int again = 0; again < 2; ++again) ASSERT_EQ(run(named), 0) << stderr_;
    const std::string report = readFile(root_ / "src" / ("r." + std::string(format)));
    EXPECT_NE(report.find("src/notes.txt"), std::string::npos) << format;
    EXPECT_EQ(report.find("src/r."), std::string::npos) << format;
    fs::remove(root_ / "src" / ("r." + std::string(format)));
  }
  const std::string redirect = "cd '" + root_.string() + "' && '" QUILLSTAT_EXECUTABLE
                               "' -d src -s -e '*.*' -t xml -o - ";
  const std::string named = "-d src -s -e *.* -t xml -o src/sub/../sub/r.xml";
  const std::string autoMode = "-d src -s -l auto -t xml -o src/sub/r.xml";  // XML is a language
  const std::string runs[] = {named, named, redirect + "> src/sub/r.xml",
                              redirect + ">> src/sub/r.xml", autoMode, autoMode};
  for (const std::string& how : runs) {
    if (!how.starts_with("cd")) {
      ASSERT_EQ(run(how), 0) << stderr_;
    } else {
      ASSERT_EQ(std::system(how.c_str()), 0) << how;
    }
    const std::string report = readFile(root_ / "src/sub/r.xml");
    EXPECT_NE(report.find("filename='src/a.cpp'"), std::string::npos);
    EXPECT_EQ(report.find("filename='src/sub/r.xml'"), std::string::npos) << how;
  }
}

// The report and the todo list are written both or neither: a place that
// cannot be written leaves both earlier files as they were.
TEST_F(BatchRun, AFailedOutputLeavesBothEarlierFilesAsTheyWere) {
  writeFile(root_ / "src/t.cpp", "// todo x\n");
  const char* const runs[] = {
      "-d src -o r.txt --todo-list nodir/t.txt",  // cannot be created
      "-d src -o r.txt --todo-list /dev/full",    // fails as it is written
      "-d src -o nodir/r.txt --todo-list t.txt",
      "-d src -o /dev/full --todo-list t.txt",
  };
  for (const char* arguments : runs) {
    writeFile(root_ / "r.txt", "old report");
    writeFile(root_ / "t.txt", "old list");
    EXPECT_EQ(run(arguments), 1) << arguments;
    EXPECT_NE(stderr_.find("quillstat: cannot write "), std::string::npos) << arguments;
    EXPECT_EQ(readFile(root_ / "r.txt"), "old report") << arguments;
    EXPECT_EQ(readFile(root_ / "t.txt"), "old list") << arguments;
  }
  EXPECT_EQ(namesIn(root_), (std::set<std::string>{"r.txt", "src", "t.txt"}));
}

// Two outputs may share a device, a pipe or a terminal, one after the
// other, but not a regular file, whatever the names.
TEST_F(BatchRun, OnlyARegularFileCannotTakeBothOutputs) {
  writeFile(root_ / "src/t.cpp", "// todo x\n");
  ASSERT_EQ(run("-f src/t.cpp -o /dev/null --todo-list /dev/null"), 0) << stderr_;
  // A pipe takes the report, then the list.
  runInShell("-f src/t.cpp -t csv -o - --todo-list - | cat > both");
  EXPECT_EQ(stderr_, "");
  const std::string both = readFile(root_ / "both");
  EXPECT_TRUE(both.starts_with("kind,path,")) << both;
  EXPECT_TRUE(both.ends_with("\r\nsrc/t.cpp:1:4: todo: // todo x\n")) << both;
  // A regular file would take them mixed.
  EXPECT_EQ(run("-f src/t.cpp -t csv -o - --todo-list -"), 1);
  EXPECT_EQ(stderr_, "quillstat: -o and --todo-list name the same file '-': give each its own\n");

  // r.txt, where it exists before the run, holds "old"; sub/h.txt is
  // another name of it.
  fs::create_directories(root_ / "sub");
  const std::string same = "quillstat: -o and --todo-list name the same file ";
  const struct {
    const char* how;
    bool exists;
    std::string err;
    const char* left;  // what r.txt holds after the run; "none" if nothing
  } clashes[] = {
      {"-o r.txt --todo-list ./r.txt", false, same + "'r.txt' (as './r.txt'): give each its own\n",
       "none"},
      {"-o r.txt --todo-list r.txt", false, same + "'r.txt': give each its own\n", "none"},
      {"-o sub/../r.txt --todo-list r.txt", true,
       same + "'sub/../r.txt' (as 'r.txt'): give each its own\n", "old"},
      {"-o r.txt --todo-list sub/h.txt", true,
       same + "'r.txt' (as 'sub/h.txt'): give each its own\n", "old"},
      // Standard output's file, which the shell has emptied.
      {"-o - --todo-list r.txt > r.txt", true, same + "'-' (as 'r.txt'): give each its own\n", ""},
  };
  for (const auto& clash : clashes) {
    fs::remove(root_ / "r.txt");
    fs::remove(root_ / "sub/h.txt");
    if (clash.exists) {
      writeFile(root_ / "r.txt", "old");
      fs::create_hard_link(root_ / "r.txt", root_ / "sub/h.txt");
    }
    EXPECT_EQ(runInShell(std::string("-f src/t.cpp ") + clash.how), 1) << clash.how;
    EXPECT_EQ(stderr_, clash.err);
    EXPECT_EQ(fs::exists(root_ / "r.txt") ? readFile(root_ / "r.txt") : "none", clash.left)
        << clash.how;
  }
}

// The report goes through a descriptor that the shell opened, after what
// is there already, whatever the descriptor leads to.
TEST_F(BatchRun, WritesThroughOpenDescriptors) {
  const std::string report =
      "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n"
      "  <file filename='src/a.cpp' countCommentChars='4' sizeFile='12'  countOfComment='1' "
      "countCodeLine='1'  fixmeWordsCount='0' todoWordsCount='0' />\r\n</main>\r\n";
  const struct {
    const char* script;
    std::string log;
  } cases[] = {
      {"echo EARLIER > log; $Q -o /dev/stdout >> log", "EARLIER\n" + report},
      {"{ echo before; $Q -o /dev/stdout; echo after; } > log", "before\n" + report + "after\n"},
      {"echo EARLIER > log; $Q -o /dev/fd/3 3>>log", "EARLIER\n" + report},
      {"$Q -o /dev/stdout | cat > log", report},
      {"$Q -o - | cat > log", report},
      {"$Q -o /dev/stderr 2>&1 | cat > log", report},
      {"$Q -o /proc/self/fd/3 3>&1 | cat > log", report},
      {"$Q -o >(cat > log); wait $!", report},
      // A terminal, in raw mode so that it passes the bytes as they are;
      // "-" there is read by a person, in UTF-8 unless asked otherwise.
      {"script -qec 'stty raw -echo; $Q -o /dev/stdout' /dev/null < /dev/null > log", report},
      {"script -qec 'stty raw -echo; $Q -o -' /dev/null < /dev/null > log",
       "<?xml version='1.0' encoding='UTF-8'?>" + report.substr(report.find('\r'))},
      {"script -qec 'stty raw -echo; $Q -o - --encoding windows-1251' /dev/null < /dev/null > log",
       report},
  };
  for (const auto& c : cases) {
    writeFile(root_ / "run.sh", std::string("set -e -o pipefail\nexport Q='") +
                                    QUILLSTAT_EXECUTABLE + " -f src/a.cpp -t xml'\n" + c.script);
    const std::string command = "cd '" + root_.string() + "' && bash run.sh";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.script;
    EXPECT_TRUE(sameBytes(readFile(root_ / "log"), c.log)) << c.script;
  }
}

// A terminal never gets a name's control bytes as they are: it would act
// on them ("\x1b]0;T\a" sets the window's title).
TEST_F(BatchRun, ATerminalGetsControlBytesOfNamesEscaped) {
  writeFile(root_ / "t/e\x1b]0;T\a.cpp", "x;\n");
  const struct {
    const char* output;
    std::string shows;  // in the report, in UTF-8
  } cases[] = {
      {"-o -", "Имя файла: t/e\\x1b]0;T\\x07.cpp\r\n"},
      {"-t html -o -", "<td>t/e\\x1b]0;T\\x07.cpp</td>"},
      {"-t csv -o -", "file,t/e\\x1b]0;T\\x07.cpp,3,"},
  };
  for (const auto& c : cases) {
    writeFile(root_ / "run.sh", std::string("set -e\nscript -qec 'stty raw -echo; ") +
                                    QUILLSTAT_EXECUTABLE + " -d t " + c.output +
                                    "' /dev/null < /dev/null > log\n");
    ASSERT_EQ(std::system(("cd '" + root_.string() + "' && bash run.sh").c_str()), 0);
    const std::string log = readFile(root_ / "log");
    EXPECT_NE(log.find(c.shows), std::string::npos) << log;
    EXPECT_EQ(log.find('\x1b'), std::string::npos) << c.output;
  }
  // A report file keeps the name's bytes, as it always has.
  ASSERT_EQ(run("-d t -o out.txt"), 0) << stderr_;
  EXPECT_NE(readFile(root_ / "out.txt").find(windows1251("Имя файла: t/e\x1b]0;T\a.cpp\r\n")),
            std::string::npos);
}

TEST_F(BatchRun, WarnsOfIgnoredValues) {
  // Masks mean nothing to a file run: no warning of them.
  EXPECT_EQ(run("-f src/a.cpp -o out.txt -t XML -l delphi -j abc -e *.php,*.inc"), 0);
  // The languages' list grows with the table; its first rows are these.
  const std::string languages = "the language is one of C++, Delphi, Php, Java, ";
  const size_t listed = stderr_.find(languages);
  ASSERT_NE(listed, std::string::npos) << stderr_;
  const size_t listEnd = stderr_.find('\n', listed);
  EXPECT_EQ(stderr_.substr(0, listed + languages.size()) + stderr_.substr(listEnd),
            "quillstat: ignored -t 'XML': the report type is one of txt, xml, html, json, csv, dashboard\n"
            "quillstat: ignored -l 'delphi': " + languages + "\n"
            "quillstat: ignored -j 'abc': the number of workers is a whole number from 1 to "
            "4294967295\n");
  EXPECT_EQ(readFile(root_ / "out.txt").substr(0, 11), windows1251("Имя файла: "));
}

// A display that is named but cannot be opened ends as when there is none.
TEST_F(BatchRun, AWindowThatCannotOpenEndsWithItsReason) {
  const fs::path window = fs::path(QUILLSTAT_EXECUTABLE).parent_path() / "quillstat-window";
  if (!fs::exists(window)) GTEST_SKIP() << "built without the window";
  const std::string noWindow =
      "quillstat: cannot open the window; for a batch run name an input and a report:\n";
  const struct {
    const char* arguments;
    const char* firstLine;  // "" for any
  } cases[] = {{"", ""},
               {"-f src/a.cpp", "quillstat: a batch run needs -o REPORT beside its input\n"}};
  for (const auto& c : cases) {
    const std::string command = "cd '" + root_.string() +
                                "' && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:99 '"
                                QUILLSTAT_EXECUTABLE "' " + c.arguments + " 2>err";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << c.arguments << status;
    // The toolkit's own lines ("could not connect to display :99") may come between.
    const std::string said = readFile(root_ / "err");
    EXPECT_TRUE(said.starts_with(c.firstLine)) << said;
    EXPECT_TRUE(said.ends_with(noWindow + "  quillstat -f FILE -o REPORT   or   quillstat -d DIR "
                                          "-o REPORT   (see quillstat -h)\n")) << said;
  }
}

TEST_F(BatchRun, PrintsHelpAndVersion) {
  EXPECT_EQ(run("-o -h -f src/a.cpp"), 0);  // -h stops the scan: nothing is written
  EXPECT_FALSE(fs::exists(root_ / "-h"));
  // The window's help box, without the blanks that end its lines.
  EXPECT_TRUE(stdout_.starts_with("Параметры запуска:\n-f filename"));
  EXPECT_EQ(stdout_.find(" \n"), std::string::npos);
  EXPECT_NE(stdout_.find("\nКоды завершения: 0 - "), std::string::npos);
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(stdout_, "quillstat 0.9\n");
  // A line per row, five columns: name, file names, interpreters, comments, marks.
  EXPECT_EQ(run("-o r.txt --languages -f src/a.cpp"), 0);
  EXPECT_FALSE(fs::exists(root_ / "r.txt"));
  EXPECT_TRUE(stdout_.starts_with("C++\t*.cpp *.cc ")) << stdout_;
  for (const char* line : {"Go\t*.go\t\t// /*...*/\t; {\n",
                           "Delphi\t*.pas *.dpr *.pp *.lpr *.dpk\t\t// {...} (*...*)\t;\n",
                           "Haskell\t*.hs\t\t-- {-...-}(nested)\t\n",
                           "CMake\tCMakeLists.txt *.cmake\t\t# #[[...]]\t\n",
                           "Shell\t*.sh *.bash *.zsh *.ksh *.tc\tsh bash zsh ksh dash\t#\t\n",
                           "Fortran\t*.f90 *.f95 *.f03 *.f08\t\t!\t\n"}) {
    EXPECT_NE(stdout_.find(std::string("\n") + line), std::string::npos) << line;
  }
  EXPECT_EQ(std::count(stdout_.begin(), stdout_.end(), '\n'), languageCount);
  EXPECT_EQ(std::count(stdout_.begin(), stdout_.end(), '\t'), 4 * languageCount);
  // Output that cannot be written is no success.
  int status = std::system("'" QUILLSTAT_EXECUTABLE "' --version >/dev/full 2>/dev/null");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

}  // namespace
}  // namespace quillstat
