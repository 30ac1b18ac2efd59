// What compare finds between two runs: files added, removed and changed by
// group, the todo entries new and gone, and when the changed files are worse.
#include "report/report_compare.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/languages.h"
#include "report/compare_views.h"

namespace quillstat {
namespace {

struct file {
  const char* path;
  int64_t commentLines;
  int64_t codeLines;
  int64_t todo;
};

struct word {
  const char* path;
  int64_t line;
  const char* text;
};

// A directory run over `root` of C++ files read by the exact rules.
readReport runOf(const std::string& root, const std::vector<file>& files,
                 const std::vector<word>& words) {
  readReport report;
  report.rules = {*languageNamed("C++"), true};
  report.run.language = "C++";
  report.run.mode = "exact";
  report.run.input = inputKind::directory;
  report.hasTodos = true;
  report.result.root = root;
  for (const file& f : files) {
    fileStats stats;
    stats.filename = root + f.path;
    stats.commentLines = f.commentLines;
    stats.codeLines = f.codeLines;
    stats.todoWordsCount = f.todo;
    report.result.records.push_back({stats, report.rules.language});
  }
  for (const word& w : words) {
    report.result.todos.push_back({root + w.path, w.line, 1, wordKind::todo, w.text});
  }
  return report;
}

std::string dump(const comparedGroup& g) {
  return g.name + " +" + std::to_string(g.added) + " -" + std::to_string(g.removed) + " ~" +
         std::to_string(g.changed) + " lines " + std::to_string(g.before.commentLines) + ">" +
         std::to_string(g.after.commentLines);
}

std::string dump(const std::vector<todoItem>& items) {
  std::string out;
  for (const todoItem& item : items) out += item.path + ":" + std::to_string(item.line) + " ";
  return out;
}

TEST(ReportCompare, GroupsFilesAndMatchesWordsByFileAndText) {
  // Base and head are two checkouts: paths match below their roots.
  const readReport base = runOf("old/", {{"a.c", 2, 8, 1}, {"src/b.c", 1, 9, 2}, {"src/c.c", 5, 5, 0}},
                                {{"a.c", 3, "// TODO x"},
                                 {"src/b.c", 1, "// TODO y"},
                                 {"src/b.c", 7, "// TODO y"}});
  const readReport head = runOf("new/", {{"a.c", 2, 8, 1}, {"src/b.c", 1, 12, 2}, {"src/d/e.c", 0, 4, 1}},
                                {{"a.c", 3, "// TODO x"},
                                 {"src/b.c", 4, "// TODO y"},   // moved: neither new nor gone
                                 {"src/b.c", 9, "// TODO z"},   // the second y became z
                                 {"src/d/e.c", 1, "// TODO x"}});  // a text met elsewhere is new
  comparison c;
  std::string error;
  ASSERT_TRUE(compareReports(base, "b", head, "h", 1, &c, &error)) << error;
  EXPECT_EQ(dump(c.total), " +1 -1 ~1 lines 8>3");
  ASSERT_EQ(c.languages.size(), 1u);
  EXPECT_EQ(dump(c.languages[0]), "C++ +1 -1 ~1 lines 8>3");
  ASSERT_EQ(c.directories.size(), 2u);
  EXPECT_EQ(dump(c.directories[0]), ". +0 -0 ~0 lines 2>2");
  EXPECT_EQ(dump(c.directories[1]), "src/ +1 -1 ~1 lines 6>1");
  EXPECT_EQ(dump(c.changedFiles), " +0 -0 ~0 lines 6>1");
  EXPECT_EQ(dump(c.newTodos), "new/src/b.c:9 new/src/d/e.c:1 ");
  EXPECT_EQ(dump(c.goneTodos), "old/src/b.c:7 ");

  // The markdown comment shows only the groups where a file changed.
  const std::string markdown = formatComparison(c, "markdown", "b", "h");
  EXPECT_EQ(markdown.find("| . |"), std::string::npos) << markdown;
  EXPECT_NE(markdown.find("| src/ | +1 -1 ~1 | 6 → 1 | 30.00 → 5.88 (-24.12) | 2 → 3 (+1) |"),
            std::string::npos)
      << markdown;
}

TEST(ReportCompare, WorseWhenTheChangedFilesGainWordsOrLoseDensity) {
  // The changed file: 1 todo and 10 % density before.
  const readReport base = runOf("", {{"a.c", 1, 9, 1}, {"same.c", 0, 1, 5}}, {});
  const struct {
    file after;
    int64_t maxNewTodo;
    double maxDrop;
    size_t reasons;
  } rows[] = {
      {{"a.c", 1, 9, 1}, 0, 0, 0},    // unchanged
      {{"a.c", 1, 19, 1}, 0, 0, 1},   // density 10 -> 5
      {{"a.c", 1, 19, 1}, 0, 5, 0},   // a drop of 5 points allowed
      {{"a.c", 1, 9, 3}, 0, 0, 1},    // two more words
      {{"a.c", 1, 9, 3}, 2, 0, 0},    // two more allowed
      {{"a.c", 0, 10, 3}, 0, 0, 2},   // both
      {{"a.c", 2, 9, 0}, 0, 0, 0},    // better
  };
  for (const auto& row : rows) {
    const readReport head = runOf("", {row.after, {"same.c", 0, 1, 5}}, {});
    comparison c;
    std::string error;
    ASSERT_TRUE(compareReports(base, "b", head, "h", 1, &c, &error));
    std::vector<std::string> reasons;
    EXPECT_EQ(isWorse(c, row.maxNewTodo, row.maxDrop, &reasons), row.reasons > 0);
    EXPECT_EQ(reasons.size(), row.reasons) << row.after.codeLines << " " << row.after.todo;
  }
}

TEST(ReportCompare, RefusesReportsWithoutWordsOrOfAnotherRun) {
  readReport base = runOf("", {}, {});
  readReport head = runOf("", {}, {});
  head.hasTodos = false;
  comparison c;
  std::string error;
  EXPECT_FALSE(compareReports(base, "b.json", head, "h.json", 1, &c, &error));
  EXPECT_EQ(error, "'h.json' holds no todo entries: make it with --todo-list");
  head = runOf("", {}, {});
  head.run.countFirstComment = false;
  EXPECT_FALSE(compareReports(base, "b.json", head, "h.json", 1, &c, &error));
  EXPECT_EQ(error,
            "'b.json' and 'h.json' come from different runs: first comment (-nf) 'counted' and "
            "'left out'");
}

}  // namespace
}  // namespace quillstat
