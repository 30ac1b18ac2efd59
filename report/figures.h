#ifndef QUILLSTAT_REPORT_FIGURES_H_
#define QUILLSTAT_REPORT_FIGURES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/file_stats.h"

namespace quillstat {

// The numbers of every report, printed the same way whatever the process
// locale (a Russian one would print "25,000000").

// Appends `value` in decimal.
void appendInt(int64_t value, std::string* out);

// Appends `value` with six decimals, correctly rounded, like "%f".
void appendSixDecimals(double value, std::string* out);

// The comment characters as a percentage of the size, 0 for an empty file.
double commentPercent(const fileStats& stats);

// The comment-line density: comment lines as a percentage of the comment
// and code lines, 0 when there are none.
double commentLineDensity(const fileStats& stats);

// Appends the line figures of `stats` in the order of the reports' columns
// (lines, blank, comment and code lines, then the density with six
// decimals), each after `separator`.
void appendLineColumns(const fileStats& stats, std::string_view separator, std::string* out);

// `percent` rounded to the six decimals that the reports print: a limit
// compared with it agrees with what the reports show.
double asShown(double percent);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_FIGURES_H_
