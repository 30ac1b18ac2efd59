#ifndef QUILLSTAT_REPORT_REPORT_SETTINGS_H_
#define QUILLSTAT_REPORT_REPORT_SETTINGS_H_

#include <string>

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
};

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
  runDescription run;                                 // json only
  // The words for a failure, which only the front ends make, so that a JSON
  // failure's reason and message agree; json only, and its failures go
  // without a message, their reason by the error's kind, when unset.
  failureWords (*describeError)(const ioError& error) = nullptr;
};

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_SETTINGS_H_
