#ifndef QUILLSTAT_REPORT_REPORT_WRITER_H_
#define QUILLSTAT_REPORT_REPORT_WRITER_H_

#include <string>

#include "analysis/analysis_result.h"
#include "engine/io_error.h"
#include "report/report_format.h"

namespace quillstat {

// Writes the report of `result` to `outputPath` in Windows-1251, creating or
// replacing the file as a whole (see report_file.h): the format's header, the
// blocks (see report_blocks.h), the footer. Returns false, with the reason in
// *error, when the file cannot be created or written; an existing report is
// then left as it was.
bool writeReport(const std::string& outputPath, reportFormat format, const analysisResult& result,
                 ioError* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_WRITER_H_
