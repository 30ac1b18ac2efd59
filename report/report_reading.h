#ifndef QUILLSTAT_REPORT_REPORT_READING_H_
#define QUILLSTAT_REPORT_REPORT_READING_H_

#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_result.h"
#include "analysis/file_analysis.h"
#include "report/report_settings.h"

namespace quillstat {

// A JSON report read back: enough to write every report of its run again,
// byte for byte, but for what the JSON does not keep (see below).
struct readReport {
  runDescription run;  // as its "language", "mode", "label" and "options" say
  fileRules rules;     // the rules its language and mode name
  // The records (a file that could not be read as the all-zero one with
  // noLanguage), the skipped counts, the failures and, when it holds them,
  // the todo entries. The walk's passed-over entries have no path (the JSON
  // counts them only); countCodeChars, which no report shows, is 0.
  analysisResult result;
  std::vector<std::string> failureMessages;  // the failures' "message", "" when none
  bool hasTodos = false;  // a "todos" array: the run listed its words
};

// Reads the JSON report `text`. Returns false with the reason in *error when
// it is no JSON, no report of this program, of another formatVersion ("was
// written by quillstat 0.9 in format 1; this version reads formats 2 and 3"), or
// lacks or mistypes a member it needs (naming the member).
bool readJsonReport(std::string_view text, readReport* report, std::string* error);

// The kind of failure the JSON reason `name` stands for; other for any
// other name.
ioError::kind failureKindNamed(std::string_view name);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_READING_H_
