#ifndef QUILLSTAT_REPORT_CSV_REPORT_H_
#define QUILLSTAT_REPORT_CSV_REPORT_H_

#include <string>
#include <string_view>

#include "engine/file_stats.h"

namespace quillstat {

// The parts of the CSV report (RFC 4180, UTF-8 without a byte order mark,
// CR LF line ends): a header row, a row per record whose "kind" is "file",
// and after a directory run the total, whose "kind" is "total" and whose
// path is empty. A field that holds a comma, a quote, CR or LF is quoted,
// its quotes doubled. "commentPercent" is the text report's percentage with
// its six decimals. A name that is not UTF-8 is written with U+FFFD for
// each byte that is not, and "pathBytes" holds every byte of the name as
// two lower-case hex digits (empty for a UTF-8 name).

inline constexpr std::string_view csvHeader =
    "kind,path,size,commentChars,comments,codeLines,todo,fixme,commentPercent,pathBytes\r\n";

void formatCsvRecord(const fileStats& stats, std::string* out);
void formatCsvTotal(const fileStats& total, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_CSV_REPORT_H_
