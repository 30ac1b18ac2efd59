#ifndef QUILLSTAT_REPORT_JSON_REPORT_H_
#define QUILLSTAT_REPORT_JSON_REPORT_H_

#include <string>
#include <string_view>

#include "analysis/analysis_result.h"
#include "engine/file_stats.h"
#include "report/report_settings.h"

namespace quillstat {

// The parts of the JSON report (RFC 8259, UTF-8, LF line ends): an object
// with the program, the format version, the run (see runDescription), the
// records as "files", after a directory run the "total", and the unreadable
// inputs as "failures". Figures are integers; "commentPercent" is the text
// report's percentage with its six decimals. A name that is not UTF-8 is
// written with U+FFFD for each byte that is not, beside "pathBytes": every
// byte of the name, two lower-case hex digits each.

// The document up to the opening of the "files" array.
std::string jsonHeader(const reportSettings& settings);

// One element of "files"; consecutive ones are separated by
// jsonBetweenRecords.
void formatJsonRecord(const fileStats& stats, std::string* out);
inline constexpr std::string_view jsonBetweenRecords = ",";

// Closes "files" and writes the "total".
void formatJsonTotal(const fileStats& total, std::string* out);

// The rest: closes "files" when no total did, the failures, the end.
std::string jsonFooter(const analysisResult& result, const reportSettings& settings);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_JSON_REPORT_H_
