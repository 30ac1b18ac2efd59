#ifndef QUILLSTAT_UI_ERROR_TEXT_H_
#define QUILLSTAT_UI_ERROR_TEXT_H_

#include <string>

#include "engine/io_error.h"
#include "report/report_settings.h"

namespace quillstat {

// The language of the program's own words.
enum class textLanguage { english, russian };

// The message for `error`, as the front ends print it: the system's own text
// for a failure it reported ("No such file or directory"), the program's own
// words for what it found itself ("is a directory", "not a regular file"),
// in `language` (the window speaks Russian). Call it from one thread at a
// time (the platform part may use a shared buffer).
std::string errorText(const ioError& error, textLanguage language = textLanguage::english);

// errorText's English message with the kind it tells, for the JSON report's
// reason: the error's own kind, except for the system's "not a directory"
// (a file named where a directory was wanted), which the core sorts with the
// missing files while its text says the file is there: "other".
failureWords describeFailure(const ioError& error);

// The platform's part (error_text_<platform>.cpp): the system's text for its
// error number, and whether that number means "not a directory".
std::string systemErrorText(int systemCode);
bool meansNotADirectory(int systemCode);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_ERROR_TEXT_H_
