#include "report/report_writer.h"

#include <iconv.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "test_files.h"

namespace quillstat {
namespace {

reportSettings inFormat(reportFormat format) {
  reportSettings settings;
  settings.format = format;
  return settings;
}

namespace fs = std::filesystem;

// The expected reports are written here in UTF-8 and converted by iconv,
// not by the program's own encoder.
std::string windows1251(const std::string& utf8) {
  iconv_t convert = iconv_open("WINDOWS-1251", "UTF-8");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  size_t inLeft = utf8.size(), outLeft = out.size();
  EXPECT_NE(iconv(convert, &in, &inLeft, &to, &outLeft), static_cast<size_t>(-1)) << utf8;
  iconv_close(convert);
  out.resize(out.size() - outLeft);
  return out;
}

std::string textBlock(const std::string& name, const std::string& chars, const std::string& size,
                      const std::string& comments, const std::string& lines,
                      const std::string& percent, const std::string& perComment,
                      const std::string& words) {
  return "Имя файла: " + name + "\r\n  символов комментариев(размер файла): " + chars + " (" +
         size + ")\r\n  количество комментариев: " + comments +
         " \r\n  примерное количество строк кода: " + lines + "\r\n  % комментариев: " + percent +
         " % \r\n  кол-во строк/кол-во комментариев: " + perComment + "\r\n  fixme+todo слов: " +
         words + "\r\n\r\n";
}

const std::string htmlHeader =
    "<html>\n<body>\n<table border=1>\r\n  <tr>\r\n    <td>Имя файла</td> <td>Количество "
    "символов комментариев</td> <td>Размер файла</td> <td>Количество комментариев</td>    "
    "<td>Количество строк кода</td> <td>Количество слов fixme</td>    <td>Количество слов "
    "todo</td></tr>\r\n";
const std::string htmlFooter =
    "</table>\r\n</body><br><a href=\"https://quillstat.example.org/\" target=_balnk>Quillstat "
    "страница программы\r\n</html>\r\n";

// Writes a report that must succeed and returns its bytes.
std::string written(reportFormat format, const std::vector<fileStats>& records,
                    bool fromDirectory) {
  const fs::path path = testDirectory() / "report";
  ioError error;
  EXPECT_TRUE(writeReport(path.string(), inFormat(format), {records, fromDirectory, {}}, &error));
  return readFile(path);
}

TEST(ReportWriter, EachFormatFramesTheRecordsWithATotalOnlyAfterADirectory) {
  // The second name needs escaping in XML and HTML and holds a character
  // Windows-1251 lacks. The total: 1500 bytes, 300 comment characters,
  // 15 comments, 60 lines, todo 2, fixme 4.
  const std::vector<fileStats> two = {{1000, 250, 750, 10, 40, 2, 3, "src/a.cpp"},
                                      {500, 50, 450, 5, 20, 0, 1, "src/Привет & 'ü'.cpp"}};
  const std::string a =
      textBlock("src/a.cpp", "250", "1000", "10", "40", "25.000000", "4.000000", "5");
  const std::string escaped = "src/Привет &amp; &#39;&#252;&#39;.cpp";
  const struct {
    const char* what;
    reportFormat format;
    std::vector<fileStats> records;
    bool fromDirectory;
    std::string expected;  // in UTF-8
  } cases[] = {
      {"text", reportFormat::txt, two, true,
       a + textBlock("src/Привет & '?'.cpp", "50", "500", "5", "20", "10.000000", "4.000000", "1") +
           textBlock("Все файлы", "300", "1500", "15", "60", "20.000000", "4.000000", "6")},
      {"xml", reportFormat::xml, two, true,
       xmlReport(xmlRecord("src/a.cpp", 250, 1000, 10, 40, 3, 2) +
                 xmlRecord(escaped, 50, 500, 5, 20, 1, 0) +
                 xmlRecord("AllFiles", 300, 1500, 15, 60, 4, 2))},
      {"html", reportFormat::html, two, true,
       htmlHeader + htmlRecord("src/a.cpp", 250, 1000, 10, 40, 3, 2) +
           htmlRecord(escaped, 50, 500, 5, 20, 1, 0) +
           htmlRecord("Все файлы", 300, 1500, 15, 60, 4, 2) + htmlFooter},
      {"text of a file", reportFormat::txt, {two[0]}, false, a},
      {"text of nothing", reportFormat::txt, {}, false, ""},
      {"text of an empty directory", reportFormat::txt, {}, true,
       textBlock("Все файлы", "0", "0", "0", "0", "0.000000", "0.000000", "0")},
      {"xml of nothing", reportFormat::xml, {}, false, xmlReport("")},
      {"xml of an empty directory", reportFormat::xml, {}, true,
       xmlReport(xmlRecord("AllFiles", 0, 0, 0, 0, 0, 0))},
      {"html of nothing", reportFormat::html, {}, false, htmlHeader + htmlFooter},
      {"html of an empty directory", reportFormat::html, {}, true,
       htmlHeader + htmlRecord("Все файлы", 0, 0, 0, 0, 0, 0) + htmlFooter},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(sameBytes(written(c.format, c.records, c.fromDirectory), windows1251(c.expected)))
        << c.what;
  }
}

// A parser takes each name back from the report as it was, or with '?'
// where XML has no place for a character.
TEST(ReportWriter, XmlReportParsesAndKeepsTheNames) {
  const struct {
    std::string name;
    std::string parsed;  // in UTF-8
  } names[] = {
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
  std::vector<fileStats> records;
  std::string expected;
  for (const auto& n : names) {
    records.push_back({10, 1, 9, 1, 1, 0, 0, n.name});
    expected += n.parsed + '\0';
  }
  const fs::path dir = freshTestDirectory();
  ioError error;
  ASSERT_TRUE(writeReport((dir / "r.xml").string(), inFormat(reportFormat::xml),
                          {records, true, {}}, &error));
  EXPECT_EQ(std::system(("xmllint --noout '" + (dir / "r.xml").string() + "'").c_str()), 0);
  writeFile(dir / "names.py",
            "import sys, xml.etree.ElementTree as et\n"
            "names = [e.get('filename').encode('utf-8') for e in et.parse('r.xml').getroot()]\n"
            "open('names.bin', 'wb').write(b'\\0'.join(names))\n");
  ASSERT_EQ(std::system(("cd '" + dir.string() + "' && python3 names.py").c_str()), 0);
  EXPECT_EQ(readFile(dir / "names.bin"), expected + "AllFiles");
}

}  // namespace
}  // namespace quillstat
