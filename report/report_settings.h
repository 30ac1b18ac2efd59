#ifndef QUILLSTAT_REPORT_REPORT_SETTINGS_H_
#define QUILLSTAT_REPORT_REPORT_SETTINGS_H_

#include <functional>
#include <string>

#include "analysis/file_analysis.h"
#include "engine/io_error.h"
#include "report/report_format.h"

namespace quillstat {

// What was analysed.
enum class inputKind { file, directory, fileList };

// The run that made a report, as the JSON report tells it.
struct runDescription {
  std::string language;      // the language row's name, "C++"
  std::string mode;          // how the scanner lexes, "classic"
  inputKind input = inputKind::file;
  std::string path;          // the file, directory or list as named ("-": standard input)
  bool recursive = false;    // directories only
  std::string masks;         // directories only: the mask list in effect
  bool countFirstComment = true;
  std::string label;         // --label: what the report stands for; written when given
  // The words were listed (--todo-list): the report holds them as "todos".
  bool todoEntries = false;
};

// What the reports show beyond the figures they always had.
struct reportContent {
  bool lineFigures = false;      // the line figures and the comment-line density
  bool recordLanguages = false;  // each record names its language (-l auto)
  int directoryDepth = 0;        // a total per directory down to this depth (--by-dir)
  // The txt, html and csv reports show the control bytes of names as shownName
  // does (shown_name.h): for a terminal, which would act on them.
  bool namesEscaped = false;
};

// What the reports of an analysis by `rules` show, with the totals of the
// directories down to `directoryDepth` (0: none).
inline reportContent contentOf(const fileRules& rules, int directoryDepth) {
  return {showsLineFigures(rules), rules.language == detectedLanguage, directoryDepth};
}

// What a front end says of a failure: the message stderr shows and the
// kind that message tells, which the JSON reason names.
struct failureWords {
  ioError::kind kind;
  std::string message;
};

// How a report is written.
struct reportSettings {
  reportFormat format = reportFormat::txt;
  textEncoding encoding = textEncoding::windows1251;  // txt, xml and html only
  reportContent content;
  runDescription run;                                 // json only
  // The words for a failure, which only the front ends make, so that a JSON
  // failure's reason and message agree; json only, and its failures go
  // without a message, their reason by the error's kind, when unset.
  std::function<failureWords(const ioError& error)> describeError;
};

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_SETTINGS_H_
