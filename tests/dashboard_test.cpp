// The dashboard's rules that its page only draws: which files it names as
// most in need of comments, and data that no file name can break out of.
// The page itself is checked in Chromium (dashboard_browser_test.mjs).
#include "report/dashboard.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/report_writer.h"
#include "test_files.h"

namespace quillstat {
namespace {

fileRecord record(int64_t size, int64_t commentChars, unsigned language = 0) {
  fileStats stats;
  stats.sizeFile = size;
  stats.countCommentChars = commentChars;
  stats.filename = std::to_string(size);
  return {stats, language};
}

TEST(Dashboard, NeedyFilesAreTheLargestWithTheLowestShare) {
  analysisResult result;
  // Files 0 to 21: 100 to 310 bytes, 50 of comment each, so the larger the
  // lower the share.
  for (int i = 0; i < 22; ++i) result.records.push_back(record(100 + 10 * i, 50));
  result.records.push_back(record(10, 0));                // 22: no comment, but too small
  result.records.push_back(record(0, 0));                 // 23: empty
  result.records.push_back(record(0, 0, noLanguage));     // 24: could not be read
  result.records.push_back(record(310, 50));              // 25: as large and as bare as 21
  // The 20 largest are 21 and 25 (310 bytes), then 20 down to 3; lowest
  // share first, the tie in record order.
  std::vector<size_t> expected = {21, 25};
  for (size_t i = 20; i >= 3; --i) expected.push_back(i);
  EXPECT_EQ(needyFiles(result), expected);
}

TEST(Dashboard, NoNameEndsTheDataScript) {
  analysisResult result;
  // A name may hold "</script>", "<!--" and the line separators U+2028 and
  // U+2029, which a script's text must not hold as they are.
  result.records.push_back(record(5, 0));
  result.records[0].stats.filename = "a</script><!--\xE2\x80\xA8\xE2\x80\xA9.c";
  result.fromDirectory = true;
  reportSettings settings;
  settings.format = reportFormat::dashboard;
  const std::string path = (freshTestDirectory() / "d.html").string();
  ioError error;
  ASSERT_TRUE(writeReport(path, settings, result, &error));
  const std::string page = readFile(path);
  EXPECT_NE(page.find("\"a\\u003c/script>\\u003c!--\\u2028\\u2029.c\""), std::string::npos);
  // The data script's own end and the drawing script's: no other.
  size_t ends = 0;
  for (size_t at = page.find("</script>"); at != std::string::npos; at = page.find("</script>", at + 1)) {
    ++ends;
  }
  EXPECT_EQ(ends, 2u);
  EXPECT_EQ(page.find("\xE2\x80\xA8"), std::string::npos);
}

}  // namespace
}  // namespace quillstat
