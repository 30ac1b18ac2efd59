// The built program, run as a user would run it.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <iconv.h>

#include <gtest/gtest.h>

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

TEST_F(BatchRun, ExactOptionPicksTheExactRules) {
  // 24 bytes; a compiler directive is a comment only by the classic rules.
  writeFile(root_ / "pas/u.pas", "{$mode objfpc}\nx; { c }\n");
  const struct {
    const char* option;
    const char* figures;
  } cases[] = {
      {"", "countCommentChars='19' sizeFile='24'  countOfComment='2' countCodeLine='1'"},
      {" -x", "countCommentChars='5' sizeFile='24'  countOfComment='1' countCodeLine='1'"},
      {" --exact", "countCommentChars='5' sizeFile='24'  countOfComment='1' countCodeLine='1'"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(run(std::string("-d pas -l Delphi -t xml -o out.xml") + c.option), 0) << stderr_;
    EXPECT_NE(readFile(root_ / "out.xml").find(c.figures), std::string::npos) << c.option;
  }
}

// Each failure is said on stderr and gives its status; an unreadable input
// still lets the report be written, with the zero record in its place.
TEST_F(BatchRun, EachFailureIsSaidWithItsStatus) {
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
      {"-f src/a.cpp -o nodir/r.txt", 1,
       "quillstat: cannot write report 'nodir/r.txt': No such file or directory\n", ""},
      {"-f src/a.cpp -o src", 1, "quillstat: cannot write report 'src': Is a directory\n", ""},
      {"-f src/a.cpp", 2,
       "quillstat: no window system to show the window on; for a batch run name an input and a "
       "report:\n  quillstat -f FILE -o REPORT   or   quillstat -d DIR -o REPORT   (see "
       "quillstat -h)\n",
       ""},
  };
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

  // The report of an earlier run in the tree is left out, not refused.
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(run("-d src -s -e *.* -t xml -o src/sub/../sub/r.xml"), 0) << stderr_;
    const std::string report = readFile(root_ / "src/sub/r.xml");
    EXPECT_NE(report.find("filename='src/notes.txt'"), std::string::npos);
    EXPECT_EQ(report.find("filename='src/sub/r.xml'"), std::string::npos) << round;
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
      // A terminal, in raw mode so that it passes the bytes as they are.
      {"script -qec 'stty raw -echo; $Q -o /dev/stdout' /dev/null < /dev/null > log", report},
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

TEST_F(BatchRun, WarnsOfIgnoredValues) {
  EXPECT_EQ(run("-f src/a.cpp -o out.txt -t XML -l delphi -j abc -e *.php,*.inc"), 0);
  // The languages are named in the table's order; those after the first rows
  // are left out here, so that a new row changes no expectation.
  const size_t first = stderr_.find("C++, Delphi, Php, Java, Go");
  ASSERT_NE(first, std::string::npos) << stderr_;
  const size_t rest = first + std::string("C++, Delphi, Php, Java, Go").size();
  EXPECT_EQ(stderr_.erase(rest, stderr_.find('\n', rest) - rest),
            "quillstat: ignored -t 'XML': the report type is one of txt, xml, html, json, csv\n"
            "quillstat: ignored -l 'delphi': the language is one of C++, Delphi, Php, Java, Go\n"
            "quillstat: ignored -j 'abc': the number of workers is a whole number from 1 up\n"
            "quillstat: the masks '*.php,*.inc' are taken as they stand, ',' and blanks "
            "included: masks are separated by ';', as in '*.c;*.h'\n");
  EXPECT_EQ(readFile(root_ / "out.txt").substr(0, 11), windows1251("Имя файла: "));
}

TEST_F(BatchRun, PrintsHelpAndVersion) {
  EXPECT_EQ(run("-o -h -f src/a.cpp"), 0);  // -h stops the scan: nothing is written
  EXPECT_FALSE(fs::exists(root_ / "-h"));
  // The window's help box, without the blanks that end its lines, then the
  // lines it lacks.
  EXPECT_TRUE(stdout_.starts_with("Параметры запуска:\n-f filename"));
  EXPECT_EQ(stdout_.find(" \n"), std::string::npos);
  EXPECT_NE(stdout_.find("\n-j N - "), std::string::npos);
  EXPECT_NE(stdout_.find("\nКоды завершения: 0 - "), std::string::npos);
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(stdout_, "quillstat 0.9\n");
  // Output that cannot be written is no success.
  int status = std::system("'" QUILLSTAT_EXECUTABLE "' --version >/dev/full 2>/dev/null");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

}  // namespace
}  // namespace quillstat
