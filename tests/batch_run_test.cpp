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

TEST_F(BatchRun, ReportsUnreadableInputsAndStillWrites) {
  EXPECT_EQ(run("-f missing.cpp -o out.txt"), 2);
  EXPECT_EQ(stderr_, "quillstat: cannot read 'missing.cpp': No such file or directory\n");
  // The zero record with an empty name is the report's one block.
  EXPECT_EQ(readFile(root_ / "out.txt").substr(0, 13), windows1251("Имя файла: \r\n"));

  EXPECT_EQ(run("-d nowhere -o out.xml -t xml"), 2);
  EXPECT_EQ(stderr_, "quillstat: cannot read 'nowhere': No such file or directory\n");
  EXPECT_NE(readFile(root_ / "out.xml").find("filename='AllFiles'"), std::string::npos);
}

TEST_F(BatchRun, FailsWhenTheReportCannotBeWritten) {
  EXPECT_EQ(run("-f src/a.cpp -o nodir/r.txt"), 1);
  EXPECT_EQ(stderr_, "quillstat: cannot write report 'nodir/r.txt': No such file or directory\n");
  EXPECT_EQ(run("-f src/a.cpp -o src"), 1);
  EXPECT_EQ(stderr_, "quillstat: cannot write report 'src': Is a directory\n");
}

TEST_F(BatchRun, NeverWritesOverAnAnalysedFile) {
  EXPECT_EQ(run("-f src/a.cpp -o src/a.cpp"), 1);
  EXPECT_EQ(stderr_,
            "quillstat: will not write the report over 'src/a.cpp': it is one of the analysed "
            "files\n");
  EXPECT_EQ(readFile(root_ / "src/a.cpp"), "int a; // x\n");
  // The same file reached through another path, inside a directory run.
  EXPECT_EQ(run("-d src -s -o src/sub/../sub/b.h"), 1);
  EXPECT_EQ(readFile(root_ / "src/sub/b.h"), "/* b */\nx;\n");
}

TEST_F(BatchRun, PrintsHelpAndVersion) {
  EXPECT_EQ(run("-o -h -f src/a.cpp"), 0);
  EXPECT_EQ(stdout_,
            "Параметры запуска:\n"
            "-f filename - имя файла для проверки\n"
            "-d dirname - имя директории для проверки\n"
            "-o filename - файл с результатом работы (необходимо указать)\n"
            "-t type - типа выходного файла [txt|xml|html] (txt по умолчанию)\n"
            "-s - для поиска по диреториям, искать ли в поддиреториях (поумолчанию не "
            "установлен)\n"
            "-nf - включать ли в статисткику первый комментария (по умолчанию не установлен)\n"
            "-l lang - тим языка для анализа комментариев [C++|Delphi|Php|Java] (C++ по "
            "умолчанию)\n"
            "-e 'extanation list' - разрешение файлов для анализа (например "
            "'*.c;*.cpp;*.h;*.hpp') (по умолчанию используются стандартные расширения данного "
            "языка)\n");
  EXPECT_FALSE(fs::exists(root_ / "-h"));
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(stdout_, "quillstat 0.9\n");
  // Output that cannot be written is no success.
  int status = std::system("'" QUILLSTAT_EXECUTABLE "' --version >/dev/full 2>/dev/null");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

TEST_F(BatchRun, WithoutADisplayExplainsBatchMode) {
  EXPECT_EQ(run("-f src/a.cpp"), 2);
  EXPECT_NE(stderr_.find("quillstat -d DIR -o REPORT"), std::string::npos) << stderr_;
  EXPECT_EQ(stdout_, "");
}

}  // namespace
}  // namespace quillstat
