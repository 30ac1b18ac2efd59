#include "report/own_output.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/report_file.h"
#include "report/report_writer.h"
#include "report/todo_list.h"
#include "test_files.h"

namespace quillstat {
namespace {

// What each writer writes first is taken for its own, whatever the run: the
// rule is checked against the writers themselves, so that it follows them.
TEST(OwnOutput, EveryReportAndTodoListIsKnownByItsStart) {
  const std::string path = (freshTestDirectory() / "out").string();
  fileStats stats;
  stats.filename = "src/\xff.c";  // not UTF-8 in either encoding
  analysisResult records;
  records.records.push_back({stats, 0});
  analysisResult emptyTree;  // the total alone
  emptyTree.fromDirectory = true;
  analysisResult skippedFile;  // a file run whose file was skipped
  skippedFile.skipped.unknownLanguage = 1;
  const reportContent contents[] = {{}, {true, true, 1}};

  for (const analysisResult* result : {&records, &emptyTree, &skippedFile}) {
    for (const reportFormatRow& row : reportFormats) {
      for (textEncoding encoding : {textEncoding::windows1251, textEncoding::utf8}) {
        for (const reportContent& content : contents) {
          reportSettings settings;
          settings.format = row.format;
          settings.encoding = encoding;
          settings.content = content;
          ioError error;
          ASSERT_TRUE(writeReport(path, settings, *result, &error));
          const std::string head = readFile(path).substr(0, ownOutputHeadSize);
          EXPECT_TRUE(looksLikeOwnOutput(head)) << row.name << ": " << head.substr(0, 80);
        }
      }
    }
  }
  const std::vector<todoItem> lists[] = {
      {},
      {{"src/1:2: todo: x.c", 3, 4, wordKind::fixme, "// FIXME"}},
      {{std::string(4096, 'p'), 1, 1, wordKind::todo, "// TODO"}},
  };
  for (const std::vector<todoItem>& todos : lists) {
    for (todoListForm form : {todoListForm::lines, todoListForm::json}) {
      ioError error;
      reportFile file;
      ASSERT_TRUE(file.open(path, &error) && writeTodoList(file, form, todos, &error) &&
                  file.commit(&error));
      const std::string head = readFile(path).substr(0, ownOutputHeadSize);
      EXPECT_TRUE(looksLikeOwnOutput(head)) << head.substr(0, 80);
    }
  }
}

TEST(OwnOutput, SourcesAreNotTakenForIt) {
  const char* const sources[] = {
      "int main() {}\n",
      "\n",
      "<html>\n<body>\n<p>hello</p>\n",
      "<html>\n<body>\n<table border=1>\n",
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<main/>\n",
      "<?xml version='1.0' encoding='UTF-8'?>\n<main>\n",
      "<!DOCTYPE html>\n<html lang=\"ru\">\n",
      "{\"program\": \"quillstat\"}\n",
      "[1, 2]\n",
      "[]",
      "kind,path,size\r\n",
      "Имя файла",
      "a.c:12: todo: x\n",    // a column is due too
      "a.c:x:5: todo: y\n",   // and numbers
      ":12:5: todo: y\n",     // and a path
      "x\na.c:1:1: todo: y\n",  // on the first line
  };
  for (const char* source : sources) EXPECT_FALSE(looksLikeOwnOutput(source)) << source;
  EXPECT_TRUE(looksLikeOwnOutput(""));  // nothing to lose
}

}  // namespace
}  // namespace quillstat
