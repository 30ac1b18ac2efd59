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

// How a report is written.
struct reportSettings {
  reportFormat format = reportFormat::txt;
  textEncoding encoding = textEncoding::windows1251;  // txt, xml and html only
  runDescription run;                                 // json only
  // The text of a failure ("No such file or directory"), which only the
  // front ends make; json only, and its failures go without one when unset.
  std::string (*describeError)(const ioError& error) = nullptr;
};

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_SETTINGS_H_
