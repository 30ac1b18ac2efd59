#include "report/report_writer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "report/home_page.h"
#include "test_files.h"

namespace quillstat {
namespace {

namespace fs = std::filesystem;

// Expected texts in Windows-1251, written out by hand: Cyrillic А..Я are
// 0xC0..0xDF, а..я 0xE0..0xFF.
const std::string fileName1251 = "\xC8\xEC\xFF \xF4\xE0\xE9\xEB\xE0";  // Имя файла
const std::string allFiles1251 = "\xC2\xF1\xE5 \xF4\xE0\xE9\xEB\xFB";   // Все файлы
const std::string comments1251 = "\xEA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE5\xE2";  // комментариев
const std::string count1251 = "\xEA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE";  // количество
const std::string Count1251 = "\xCA\xEE\xEB\xE8\xF7\xE5\xF1\xF2\xE2\xEE";  // Количество
const std::string hello1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";                  // Привет

std::string textBlock(const std::string& name, const std::string& chars, const std::string& size,
                      const std::string& comments, const std::string& lines,
                      const std::string& percent, const std::string& perComment,
                      const std::string& words) {
  return fileName1251 + ": " + name + "\r\n" +
         "  \xF1\xE8\xEC\xE2\xEE\xEB\xEE\xE2 " + comments1251 +
         "(\xF0\xE0\xE7\xEC\xE5\xF0 \xF4\xE0\xE9\xEB\xE0): " + chars + " (" + size + ")\r\n" +
         "  " + count1251 + " " + comments1251 + ": " + comments + " \r\n" +
         "  \xEF\xF0\xE8\xEC\xE5\xF0\xED\xEE\xE5 " + count1251 +
         " \xF1\xF2\xF0\xEE\xEA \xEA\xEE\xE4\xE0: " + lines + "\r\n" +
         "  % " + comments1251 + ": " + percent + " % \r\n" +
         "  \xEA\xEE\xEB-\xE2\xEE \xF1\xF2\xF0\xEE\xEA/\xEA\xEE\xEB-\xE2\xEE " + comments1251 +
         ": " + perComment + "\r\n" +
         "  fixme+todo \xF1\xEB\xEE\xE2: " + words + "\r\n\r\n";
}

const std::string xmlHeader = "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n";
const std::string xmlFooter = "</main>\r\n";
const std::string htmlHeader =
    "<html>\n<body>\n<table border=1>\r\n  <tr>\r\n    <td>" + fileName1251 + "</td> <td>" +
    Count1251 + " \xF1\xE8\xEC\xE2\xEE\xEB\xEE\xE2 " + comments1251 +
    "</td> <td>\xD0\xE0\xE7\xEC\xE5\xF0 \xF4\xE0\xE9\xEB\xE0</td> <td>" + Count1251 + " " +
    comments1251 + "</td>    <td>" + Count1251 + " \xF1\xF2\xF0\xEE\xEA \xEA\xEE\xE4\xE0</td> <td>" +
    Count1251 + " \xF1\xEB\xEE\xE2 fixme</td>    <td>" + Count1251 +
    " \xF1\xEB\xEE\xE2 todo</td></tr>\r\n";
const std::string htmlFooter = std::string("</table>\r\n</body><br><a href=\"") + homePageAddress +
                               "\" target=_balnk>Quillstat \xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0 "
                               "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\r\n</html>\r\n";

// Two files; the second name needs escaping in XML and HTML and holds a
// character Windows-1251 lacks. Their total: 1500 bytes, 300 comment
// characters, 15 comments, 60 lines, todo 2, fixme 4.
std::vector<fileStats> twoFiles() {
  // size, comment chars, code chars, comments, lines, todo, fixme, name
  return {{1000, 250, 750, 10, 40, 2, 3, "src/a.cpp"},
          {500, 50, 450, 5, 20, 0, 1, "src/Привет & 'ü'.cpp"}};
}

// Writes a report that must succeed and returns its bytes.
std::string writeAndRead(const fs::path& path, reportFormat format,
                         const std::vector<fileStats>& records, bool fromDirectory) {
  ioError error;
  EXPECT_TRUE(writeReport(path.string(), format, {records, fromDirectory, {}}, &error));
  return readFile(path);
}

TEST(ReportWriter, SameResultsWrittenInEachFormatAgree) {
  fs::path dir = freshTestDirectory();
  const std::vector<fileStats> results = twoFiles();
  EXPECT_TRUE(sameBytes(
      writeAndRead(dir / "r.txt", reportFormat::txt, results, true),
      textBlock("src/a.cpp", "250", "1000", "10", "40", "25.000000", "4.000000", "5") +
          textBlock("src/" + hello1251 + " & '?'.cpp", "50", "500", "5", "20", "10.000000",
                    "4.000000", "1") +
          textBlock(allFiles1251, "300", "1500", "15", "60", "20.000000", "4.000000", "6")));
  EXPECT_TRUE(sameBytes(
      writeAndRead(dir / "r.xml", reportFormat::xml, results, true),
      xmlHeader +
          "  <file filename='src/a.cpp' countCommentChars='250' sizeFile='1000'  "
          "countOfComment='10' countCodeLine='40'  fixmeWordsCount='3' todoWordsCount='2' />\r\n"
          "  <file filename='src/" + hello1251 + " &amp; &#39;&#252;&#39;.cpp' "
          "countCommentChars='50' sizeFile='500'  countOfComment='5' countCodeLine='20'  "
          "fixmeWordsCount='1' todoWordsCount='0' />\r\n"
          "  <file filename='AllFiles' countCommentChars='300' sizeFile='1500'  "
          "countOfComment='15' countCodeLine='60'  fixmeWordsCount='4' todoWordsCount='2' />\r\n" +
          xmlFooter));
  EXPECT_TRUE(sameBytes(
      writeAndRead(dir / "r.html", reportFormat::html, results, true),
      htmlHeader +
          "  <tr>\r\n    <td>src/a.cpp</td> <td>250</td> <td>1000</td> <td>10</td>    "
          "<td>40</td> <td>3</td>    <td>2</td></tr>\r\n"
          "  <tr>\r\n    <td>src/" + hello1251 + " &amp; &#39;&#252;&#39;.cpp</td> <td>50</td> "
          "<td>500</td> <td>5</td>    <td>20</td> <td>1</td>    <td>0</td></tr>\r\n"
          "  <tr>\r\n    <td>" + allFiles1251 + "</td> <td>300</td> <td>1500</td> <td>15</td>    "
          "<td>60</td> <td>4</td>    <td>2</td></tr>\r\n" +
          htmlFooter));
}

struct frameCase {
  reportFormat format;
  std::vector<fileStats> results;
  bool fromDirectory;
  std::string expected;
};

TEST(ReportWriter, TotalFollowsOnlyADirectoryAnalysisEvenOfNoFiles) {
  const std::string zeroText =
      textBlock(allFiles1251, "0", "0", "0", "0", "0.000000", "0.000000", "0");
  const std::string zeroXml =
      "  <file filename='AllFiles' countCommentChars='0' sizeFile='0'  countOfComment='0' "
      "countCodeLine='0'  fixmeWordsCount='0' todoWordsCount='0' />\r\n";
  const std::string zeroHtml = "  <tr>\r\n    <td>" + allFiles1251 +
                               "</td> <td>0</td> <td>0</td> <td>0</td>    <td>0</td> <td>0</td>    "
                               "<td>0</td></tr>\r\n";
  const frameCase cases[] = {
      {reportFormat::txt, {}, false, ""},
      {reportFormat::txt, {}, true, zeroText},
      {reportFormat::txt, {twoFiles()[0]}, false,
       textBlock("src/a.cpp", "250", "1000", "10", "40", "25.000000", "4.000000", "5")},
      {reportFormat::xml, {}, false, xmlHeader + xmlFooter},
      {reportFormat::xml, {}, true, xmlHeader + zeroXml + xmlFooter},
      {reportFormat::html, {}, false, htmlHeader + htmlFooter},
      {reportFormat::html, {}, true, htmlHeader + zeroHtml + htmlFooter},
  };
  fs::path dir = freshTestDirectory();
  for (const frameCase& c : cases) {
    SCOPED_TRACE("format " + std::to_string(static_cast<int>(c.format)) + ", " +
                 std::to_string(c.results.size()) + " records" +
                 (c.fromDirectory ? ", after a directory" : ", after a file"));
    EXPECT_TRUE(sameBytes(writeAndRead(dir / "r", c.format, c.results, c.fromDirectory),
                          c.expected));
  }
}

TEST(ReportWriter, XmlReportParsesAndKeepsTheNames) {
  fs::path dir = freshTestDirectory();
  struct named {
    std::string name;
    std::string parsed;  // the attribute value a parser gives back, in UTF-8
  };
  const named names[] = {
      {"it's & <that> \"one\".cpp", "it's & <that> \"one\".cpp"},
      {"Привет/мир.pas", "Привет/мир.pas"},
      {"100%s%%.c", "100%s%%.c"},
      {"", ""},
      {"ü and \xF0\x9F\x98\x80.cpp", "ü and \xF0\x9F\x98\x80.cpp"},
      {"tab\tlf\ncr\r.cpp", "tab\tlf\ncr\r.cpp"},
      {"bell\x07.cpp", "bell?.cpp"},
      {"\xEF\xBF\xBE.cpp", "?.cpp"},
      {"\xFF.cpp", "\xEF\xBF\xBD.cpp"},  // not UTF-8: U+FFFD
  };
  std::vector<fileStats> results;
  std::string expected;
  for (const named& n : names) {
    results.push_back({10, 1, 9, 1, 1, 0, 0, n.name});
    expected += n.parsed + '\0';
  }
  expected += "AllFiles";
  fs::path report = dir / "names.xml";
  ioError error;
  ASSERT_TRUE(writeReport(report.string(), reportFormat::xml, {results, true, {}}, &error));

  EXPECT_EQ(std::system(("xmllint --noout '" + report.string() + "'").c_str()), 0);
  {
    fs::path script = dir / "names.py";
    std::ofstream(script) << "import sys, xml.etree.ElementTree as et\n"
                             "root = et.parse(sys.argv[1]).getroot()\n"
                             "names = [e.get('filename').encode('utf-8') for e in root]\n"
                             "open(sys.argv[2], 'wb').write(b'\\0'.join(names))\n";
    fs::path out = dir / "names.bin";
    ASSERT_EQ(std::system(("python3 '" + script.string() + "' '" + report.string() + "' '" +
                           out.string() + "'").c_str()),
              0);
    EXPECT_EQ(readFile(out), expected);
  }
}

}  // namespace
}  // namespace quillstat
