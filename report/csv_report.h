#ifndef QUILLSTAT_REPORT_CSV_REPORT_H_
#define QUILLSTAT_REPORT_CSV_REPORT_H_

#include <string>

#include "analysis/analysis_result.h"
#include "report/report_blocks.h"
#include "report/report_settings.h"

namespace quillstat {

// The parts of the CSV report (RFC 4180, UTF-8 without a byte order mark,
// CR LF line ends): a header row, then a row per block, whose "kind" is
// "file", "total", "language" or "directory" (the skipped files have no
// row), then a row per entry that the walk passed over, whose "kind" is
// "danglingLink" or "notRegularFile", with its path and zeros. The total
// and the languages have an empty path; a language's name is in
// "language". A field that holds a comma, a quote, CR or LF is
// quoted, its quotes doubled. "commentPercent" and "commentLineDensity" are
// the text report's percentages with their six decimals. A name that is not
// UTF-8 is written with U+FFFD for each byte that is not, and "pathBytes"
// holds every byte of the name as two lower-case hex digits (empty for a
// UTF-8 name). The columns of the line figures and then "language" follow
// "pathBytes" where the report has them, so that no column ever moves.

std::string csvHeader(const reportContent& content);

void formatCsvBlock(const reportBlock& block, std::string* out);

// The rows of result.skippedEntries, in their order; empty when there are none.
std::string csvFooter(const analysisResult& result, const reportContent& content);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_CSV_REPORT_H_
