#ifndef QUILLSTAT_REPORT_REPORT_WRITER_H_
#define QUILLSTAT_REPORT_REPORT_WRITER_H_

#include <string>

#include "analysis/analysis_result.h"
#include "engine/io_error.h"
#include "report/report_format.h"
#include "report/report_settings.h"

namespace quillstat {

class reportFile;

// Writes the report of `result` to `outputPath` as `settings` say, creating
// or replacing the file as a whole (see report_file.h): the format's header,
// the blocks (see report_blocks.h), the footer. Windows-1251 writes what it
// lacks as "?" (txt) or a character reference (xml, html); UTF-8 (and so
// json and csv) writes U+FFFD for each byte of a name that is not UTF-8.
// Returns false, with the reason in *error, when the file cannot be created
// or written; an existing report is then left as it was.
bool writeReport(const std::string& outputPath, const reportSettings& settings,
                 const analysisResult& result, ioError* error);

// Writes the same report into `file`, opened and not yet committed: the
// caller commits it, or abandons it by destroying it. Returns false, with
// the reason in *error, when a write fails.
bool writeReport(reportFile& file, const reportSettings& settings, const analysisResult& result,
                 ioError* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_WRITER_H_
