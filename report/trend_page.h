#ifndef QUILLSTAT_REPORT_TREND_PAGE_H_
#define QUILLSTAT_REPORT_TREND_PAGE_H_

#include <string>
#include <vector>

#include "report/report_reading.h"

namespace quillstat {

// One report as the trend shows it.
struct trendReport {
  std::string label;  // its --label, or what the caller chose (its date)
  readReport report;
};

// One self-contained HTML page (UTF-8, no script, nothing fetched): three
// charts over `reports` in the order given, the comment-line density, the
// comment lines and the todo and fixme words, each with a line for all
// files and one per language; then a table of the same figures. When a
// report lacks the line figures (classic rules), the charts show the comment
// share and the comments instead, for every report. Each point of a chart is
// an SVG circle with data-series, data-label and data-value (six decimals
// for a density), for the tests and for scripts.
std::string trendPage(const std::vector<trendReport>& reports);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_TREND_PAGE_H_
