#ifndef QUILLSTAT_REPORT_JSON_REPORT_H_
#define QUILLSTAT_REPORT_JSON_REPORT_H_

#include <string>

#include "analysis/analysis_result.h"
#include "report/report_blocks.h"
#include "report/report_settings.h"

namespace quillstat {

// The parts of the JSON report (RFC 8259, UTF-8, LF line ends): an object
// with the program, the format version, the run (see runDescription), the
// records as "files", after a directory run the "total", then the arrays
// "languages" and "directories" of the blocks of those kinds, with -l auto
// the "skipped" files by reason (and when a walk passed entries over, their
// count by reason, with or without -l auto), and the unreadable inputs as
// "failures".
// Figures are integers; "commentPercent" and "commentLineDensity" are the
// text report's percentages with their six decimals. A name that is not
// UTF-8 is written with U+FFFD for each byte that is not, beside
// "pathBytes": every byte of the name, two lower-case hex digits each.

// Raised whenever a reader would have to change: a member renamed, removed
// or given another meaning. New members do not raise it: "label" (after
// "mode", when --label gave one) and "todos" (last, as the JSON todo list
// writes its entries, when the run listed its words) came so. Version 3 is
// that of reports with the line figures, which now hold the doc comments
// and the embedded code (whose CSV columns follow "language"); a report
// without them is still written, byte for byte, as version 2.
inline constexpr int kJsonFormatVersion = 3;
inline constexpr int kJsonFormatVersionWithoutLines = 2;

// The formatVersion of a report that shows, or does not show, the line figures.
constexpr int jsonFormatVersion(bool lineFigures) {
  return lineFigures ? kJsonFormatVersion : kJsonFormatVersionWithoutLines;
}

// The document up to the opening of the "files" array.
std::string jsonHeader(const reportSettings& settings);

// A block: an element of "files" or of another array, or the "total".
void formatJsonBlock(const reportBlock& block, std::string* out);

// The rest: closes "files" when no total did, the skipped files, the
// failures, the todo entries when settings.run.todoEntries, the end.
std::string jsonFooter(const analysisResult& result, const reportSettings& settings);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_JSON_REPORT_H_
