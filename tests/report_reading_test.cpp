// JSON read back: the strict reader of RFC 8259, a report's schema and its
// format version, and the rules by which merge joins reports.
#include "report/report_reading.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/directory_walk.h"
#include "report/json_reader.h"
#include "report/report_merge.h"

namespace quillstat {
namespace {

// A short dump of a value: strings quoted, numbers as written, arrays and
// objects with their parts.
std::string dump(const jsonValue& value) {
  switch (value.type) {
    case jsonValue::kind::null: return "null";
    case jsonValue::kind::boolean: return value.boolean ? "true" : "false";
    case jsonValue::kind::number: return value.text;
    case jsonValue::kind::string: return "'" + value.text + "'";
    case jsonValue::kind::array: {
      std::string out = "[";
      for (const jsonValue& item : value.items) out += (out.size() > 1 ? " " : "") + dump(item);
      return out + "]";
    }
    case jsonValue::kind::object: {
      std::string out = "{";
      for (const auto& [name, item] : value.members) {
        out += (out.size() > 1 ? " " : "") + name + ":" + dump(item);
      }
      return out + "}";
    }
  }
  return "?";
}

TEST(JsonReader, ReadsEveryFormOfValue) {
  const struct {
    const char* text;
    const char* dump;
  } good[] = {
      {" {\"a\": [1, -0, 2.5e+3, true, null]}\n", "{a:[1 -0 2.5e+3 true null]}"},
      {"\"\\u00e9\\n\\/\\\\\"", "'\xc3\xa9\n/\\'"},
      {"\"\\ud83d\\ude00\"", "'\xf0\x9f\x98\x80'"},  // a surrogate pair
      {"\"\xd0\xb6\"", "'\xd0\xb6'"},                // UTF-8 as it is
      {"[]", "[]"},
      {"{}", "{}"},
  };
  for (const auto& row : good) {
    jsonValue value;
    std::string error;
    ASSERT_TRUE(parseJson(row.text, &value, &error)) << row.text << ": " << error;
    EXPECT_EQ(dump(value), row.dump) << row.text;
  }
}

TEST(JsonReader, RefusesWhatTheRfcDoesNotAllow) {
  const struct {
    const char* text;
    const char* error;
  } bad[] = {
      {"[1,]", "line 1: expected a value"},
      {"{\"a\":1,}", "line 1: expected a member name"},
      {"[01]", "line 1: a number with a leading zero"},
      {"[1.]", "line 1: expected digits after '.'"},
      {"// c\n1", "line 1: expected a value"},
      {"\"\\ud800\"", "line 1: a lone surrogate"},
      {"\"\xe9\"", "line 1: a string that is not UTF-8"},
      {"\"\xc0\xaf\"", "line 1: a string that is not UTF-8"},  // overlong '/'
      {"\"a\tb\"", "line 1: a control character in a string"},
      {"[1]\n[2]", "line 2: text after the value"},
      {"[\n\"a", "line 2: a string without its end"},
      {"nul", "line 1: unknown word"},
      {"", "line 1: unexpected end"},
  };
  for (const auto& row : bad) {
    jsonValue value;
    std::string error;
    EXPECT_FALSE(parseJson(row.text, &value, &error)) << row.text;
    EXPECT_EQ(error, row.error) << row.text;
  }
  std::string deep(65, '[');
  deep += std::string(65, ']');
  jsonValue value;
  std::string error;
  EXPECT_FALSE(parseJson(deep, &value, &error));
  EXPECT_EQ(error, "line 1: nested too deeply");
}

TEST(JsonReader, IntegersAreWholeNumbersOf64Bits) {
  const struct {
    const char* text;
    std::optional<int64_t> integer;
  } rows[] = {
      {"9223372036854775807", INT64_MAX}, {"-12", -12},     {"9223372036854775808", std::nullopt},
      {"1.5", std::nullopt},              {"1e3", std::nullopt}, {"\"7\"", std::nullopt},
  };
  for (const auto& row : rows) {
    jsonValue value;
    std::string error;
    ASSERT_TRUE(parseJson(row.text, &value, &error)) << row.text;
    EXPECT_EQ(value.integer(), row.integer) << row.text;
  }
}

// A report of the given run, with one record per path, as the JSON report
// writes them.
std::string reportText(const std::string& language, const std::string& mode,
                       const std::vector<std::string>& paths, const std::string& more = "",
                       int formatVersion = 2) {
  std::string text = "{\"program\": \"quillstat\", \"version\": \"0.9\", \"formatVersion\": " +
                     std::to_string(formatVersion) + ", \"language\": \"" + language +
                     "\", \"mode\": \"" + mode +
                     "\", \"options\": {\"input\": \"fileList\", \"path\": \"l\", "
                     "\"countFirstComment\": true}, \"files\": [";
  for (size_t i = 0; i < paths.size(); ++i) {
    text += (i > 0 ? ", " : "") + std::string("{\"path\": \"") + paths[i] +
            "\", \"size\": 10, \"commentChars\": 4, \"comments\": 1, \"statementMarks\": 2, "
            "\"todo\": 1, \"fixme\": 0, \"commentPercent\": 40.000000" +
            (mode == "exact" ? ", \"lines\": 2, \"blankLines\": 0, \"commentLines\": 1, "
                               "\"codeLines\": 1, \"commentLineDensity\": 50.000000}"
                             : "}");
  }
  return text + "], \"total\": {}, \"failures\": []" + more + "}";
}

TEST(ReportReading, ReadsTheRunTheRecordsTheFailuresAndTheWords) {
  const std::string text =
      "{\"program\": \"quillstat\", \"version\": \"0.9\", \"formatVersion\": 2,"
      " \"language\": \"auto\", \"mode\": \"exact\", \"label\": \"v1\","
      " \"options\": {\"input\": \"directory\", \"path\": \"src\", \"recursive\": true,"
      " \"masks\": \"\", \"countFirstComment\": false},"
      " \"files\": [{\"path\": \"src/caf\xef\xbf\xbd.c\", \"pathBytes\": \"7372632f636166e92e63\","
      " \"language\": \"C\", \"size\": 5, \"commentChars\": 2, \"comments\": 1,"
      " \"statementMarks\": 0, \"todo\": 0, \"fixme\": 1, \"commentPercent\": 40.000000,"
      " \"lines\": 3, \"blankLines\": 1, \"commentLines\": 1, \"codeLines\": 1,"
      " \"commentLineDensity\": 50.000000, \"docComments\": 1, \"docCommentLines\": 2},"
      " {\"path\": \"\", \"size\": 0, \"commentChars\": 0, \"comments\": 0,"
      " \"statementMarks\": 0, \"todo\": 0, \"fixme\": 0, \"commentPercent\": 0.000000,"
      " \"lines\": 0, \"blankLines\": 0, \"commentLines\": 0, \"codeLines\": 0,"
      " \"commentLineDensity\": 0.000000}],"
      " \"total\": {}, \"skipped\": {\"unknownLanguage\": 4, \"binary\": 0, \"danglingLink\": 1,"
      " \"notRegularFile\": 0},"
      " \"failures\": [{\"path\": \"src/x.c\", \"reason\": \"accessDenied\", \"message\": \"no\"}],"
      " \"todos\": [{\"path\": \"src/caf\xef\xbf\xbd.c\", \"pathBytes\": \"7372632f636166e92e63\","
      " \"line\": 2, \"column\": 4, \"word\": \"fixme\", \"text\": \"// FIXME\"}]}";
  readReport report;
  std::string error;
  ASSERT_TRUE(readJsonReport(text, &report, &error)) << error;
  EXPECT_EQ(report.run.label, "v1");
  EXPECT_EQ(report.run.input, inputKind::directory);
  EXPECT_TRUE(report.run.recursive);
  EXPECT_FALSE(report.run.countFirstComment);
  // The walk's prefix of the directory, with this platform's separator.
  EXPECT_EQ(report.result.root, walkPrefix("src"));
  ASSERT_EQ(report.result.records.size(), 2u);
  const fileStats& file = report.result.records[0].stats;
  EXPECT_EQ(file.filename, "src/caf\xe9.c");  // the bytes, not the U+FFFD
  EXPECT_EQ(file.fixmeWordsCount, 1);
  EXPECT_EQ(file.commentLines, 1);
  EXPECT_EQ(file.docComments, 1);
  EXPECT_EQ(file.docCommentLines, 2);
  // A record written before doc comments were counted has none.
  EXPECT_EQ(report.result.records[1].stats.docComments, 0);
  EXPECT_EQ(report.result.records[1].language, noLanguage);
  EXPECT_EQ(report.result.skipped.unknownLanguage, 4);
  EXPECT_EQ(report.result.skippedEntries.size(), 1u);
  ASSERT_EQ(report.result.failures.size(), 1u);
  EXPECT_EQ(report.result.failures[0].error.what, ioError::kind::accessDenied);
  EXPECT_EQ(report.failureMessages, std::vector<std::string>{"no"});
  ASSERT_TRUE(report.hasTodos);
  EXPECT_EQ(report.result.todos[0].kind, wordKind::fixme);
  EXPECT_EQ(report.result.todos[0].path, "src/caf\xe9.c");
}

TEST(ReportReading, RefusesReportsItCannotRead) {
  const struct {
    std::string text;
    const char* error;
  } bad[] = {
      {reportText("C++", "classic", {"a"}, "", 1),
       "it was written by quillstat 0.9 in format 1; this version reads formats 2 and 3"},
      {"{\"program\": \"other\"}", "it is no JSON report of quillstat"},
      {"[1", "it is no JSON (line 1: expected ',' or ']')"},
      {reportText("Klingon", "classic", {"a"}),
       "the language \"Klingon\" with the mode \"classic\" is unknown to this version"},
      {reportText("C++", "classic", {"a"}, ", \"todos\": 3"), "\"todos\" is no array"},
  };
  for (const auto& row : bad) {
    readReport report;
    std::string error;
    EXPECT_FALSE(readJsonReport(row.text, &report, &error)) << row.text;
    EXPECT_EQ(error, row.error);
  }
}

TEST(ReportMerge, JoinsReportsOfOneRunAndRefusesOthers) {
  const struct {
    std::vector<std::string> texts;
    const char* error;  // nullptr: merged
  } rows[] = {
      {{reportText("C++", "classic", {"a", "b"}), reportText("C++", "classic", {"c"})}, nullptr},
      {{reportText("C++", "classic", {"a"}), reportText("Java", "classic", {"c"})},
       "'r0' and 'r1' come from different runs: language (-l) 'C++' and 'Java'"},
      {{reportText("C++", "classic", {"a"}), reportText("C++", "exact", {"c"})},
       "'r0' and 'r1' come from different runs: mode (-x) 'classic' and 'exact'"},
      {{reportText("C++", "classic", {"a"}), reportText("C++", "classic", {"b"}),
        reportText("C++", "classic", {"c", "a"})},
       "'a' is in both 'r0' and 'r2'"},
  };
  for (const auto& row : rows) {
    std::vector<namedReport> parts;
    for (const std::string& text : row.texts) {
      parts.push_back({"r" + std::to_string(parts.size()), {}});
      std::string error;
      ASSERT_TRUE(readJsonReport(text, &parts.back().report, &error)) << error;
    }
    readReport merged;
    std::string error;
    EXPECT_EQ(mergeReports(parts, &merged, &error), row.error == nullptr);
    if (row.error != nullptr) {
      EXPECT_EQ(error, row.error);
      continue;
    }
    EXPECT_EQ(merged.run.input, inputKind::fileList);
    EXPECT_EQ(merged.run.path, "-");
    EXPECT_FALSE(merged.hasTodos);  // neither part listed its words
    ASSERT_EQ(merged.result.records.size(), 3u);
    EXPECT_EQ(merged.result.records[2].stats.filename, "c");
    EXPECT_EQ(totalOf(merged.result).todoWordsCount, 3);
  }
}

}  // namespace
}  // namespace quillstat
