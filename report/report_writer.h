#ifndef QUILLSTAT_REPORT_REPORT_WRITER_H_
#define QUILLSTAT_REPORT_REPORT_WRITER_H_

#include <string>
#include <vector>

#include "engine/file_stats.h"
#include "report/report_format.h"

namespace quillstat {

// Writes the report of `results` to `outputPath` in Windows-1251, creating or
// replacing the file as a whole (see report_file.h): the format's header, one
// block per record in list order, the total block when `fromDirectory` (also
// for an empty list), the footer. Returns false, with the reason in *error,
// when the file cannot be created or written; an existing report is then
// left as it was.
bool writeReport(const std::string& outputPath, reportFormat format,
                 const std::vector<fileStats>& results, bool fromDirectory, std::string* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_WRITER_H_
