#include "report/block_formatters.h"

#include <string>

#include <gtest/gtest.h>

#include "report/figures.h"
#include "test_files.h"

namespace quillstat {
namespace {

// What `formatter` appends, for the record `stats`, to a string that holds
// text already.
std::string format(blockFormatter formatter, const fileStats& stats) {
  const skippedFiles none;
  const reportContent classic;
  std::string out = "before|";
  formatter({blockKind::record, stats, stats.filename, nullptr, none, classic, true, true}, &out);
  EXPECT_EQ(out.substr(0, 7), "before|");
  return out.substr(7);
}

// The whole layouts, and the totals' fixed names, are checked byte for byte
// in report_writer_test.cpp; here the numbers and the names.
TEST(BlockFormatters, TextBlockComputesShareLinesPerCommentAndWords) {
  const struct {
    const char* what;
    int64_t size, chars, comments, lines, todo, fixme;
    const char* percent;
    const char* perComment;
    const char* words;
  } cases[] = {
      {"empty file", 0, 0, 0, 0, 0, 0, "0.000000", "0.000000", "0"},
      {"quarter, four lines each", 1000, 250, 10, 40, 1, 1, "25.000000", "4.000000", "2"},
      {"lines without comments", 10, 0, 0, 7, 0, 0, "0.000000", "0.000000", "0"},
      {"comments without size", 0, 5, 1, 0, 0, 0, "0.000000", "0.000000", "0"},
      {"a third rounds down", 3, 1, 3, 2, 0, 4, "33.333333", "0.666667", "4"},
      {"all comment", 8, 8, 2, 1, 5, 0, "100.000000", "0.500000", "5"},
      {"beyond 32 bits", 5000000000, 2500000000, 1, 3000000000, 2000000000, 2000000000,
       "50.000000", "3000000000.000000", "4000000000"},
  };
  for (const auto& c : cases) {
    // The code characters (12345) are printed nowhere.
    const fileStats s{c.size, c.chars, 12345, c.comments, c.lines, c.todo, c.fixme, "f"};
    EXPECT_EQ(format(formatTextBlock, s),
              "Имя файла: f\r\n  символов комментариев(размер файла): " + std::to_string(c.chars) +
                  " (" + std::to_string(c.size) + ")\r\n  количество комментариев: " +
                  std::to_string(c.comments) + " \r\n  примерное количество строк кода: " +
                  std::to_string(c.lines) + "\r\n  % комментариев: " + c.percent +
                  " % \r\n  кол-во строк/кол-во комментариев: " + c.perComment +
                  "\r\n  fixme+todo слов: " + c.words + "\r\n\r\n")
        << c.what;
  }
}

// The text lines that show it are checked in report_writer_test.cpp.
TEST(BlockFormatters, CommentLineDensityIsOverCommentAndCodeLines) {
  const struct {
    int64_t blank, comment, code;
    const char* density;
  } cases[] = {{0, 0, 0, "0.000000"},  {3, 0, 0, "0.000000"},  // blank lines only: no divisor
               {0, 2, 1, "66.666667"}, {1, 5, 0, "100.000000"},
               {0, 1000000000, 8000000000, "11.111111"}};
  for (const auto& c : cases) {
    fileStats s;
    s.blankLines = c.blank, s.commentLines = c.comment, s.codeLines = c.code;
    std::string shown;
    appendSixDecimals(commentLineDensity(s), &shown);
    EXPECT_EQ(shown, c.density) << c.comment << " of " << c.comment + c.code;
  }
}

TEST(BlockFormatters, NamesAreEscapedForXmlAndHtmlOnly) {
  const struct {
    const char* what;
    std::string name;
    std::string inXml;
    std::string inHtml;  // the plain-text block always shows the name unchanged
  } cases[] = {
      {"empty", "", "", ""},
      {"percent signs are no format", "100%s%%.c", "100%s%%.c", "100%s%%.c"},
      {"cyrillic", "Привет/мир.pas", "Привет/мир.pas", "Привет/мир.pas"},
      {"markup characters", "a&b <c> \"d\" 'e'",
       "a&amp;b &lt;c&gt; &quot;d&quot; &#39;e&#39;", "a&amp;b &lt;c&gt; &quot;d&quot; &#39;e&#39;"},
      {"already an entity", "&amp;", "&amp;amp;", "&amp;amp;"},
      {"tab, newline, return", "a\tb\nc\rd", "a&#9;b&#10;c&#13;d", "a\tb\nc\rd"},
      {"other controls", std::string("a\x01\x1F\0z", 5), "a???z",
       std::string("a\x01\x1F\0z", 5)},
      {"noncharacters FFFE FFFF", "a\xEF\xBF\xBE\xEF\xBF\xBFz", "a??z", "a\xEF\xBF\xBE\xEF\xBF\xBFz"},
      {"FFFD and truncated EF stay for the encoder", "\xEF\xBF\xBD\xEF\xBF", "\xEF\xBF\xBD\xEF\xBF",
       "\xEF\xBF\xBD\xEF\xBF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fileStats s{0, 0, 0, 0, 0, 0, 0, c.name};
    const std::string firstLine = "Имя файла: " + c.name + "\r\n";
    EXPECT_EQ(format(formatTextBlock, s).substr(0, firstLine.size()), firstLine);
    EXPECT_EQ(format(formatXmlBlock, s), xmlRecord(c.inXml, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(format(formatHtmlBlock, s), htmlRecord(c.inHtml, 0, 0, 0, 0, 0, 0));
  }
}

}  // namespace
}  // namespace quillstat
