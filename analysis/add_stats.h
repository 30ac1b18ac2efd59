#ifndef QUILLSTAT_ANALYSIS_ADD_STATS_H_
#define QUILLSTAT_ANALYSIS_ADD_STATS_H_

#include "engine/file_stats.h"

namespace quillstat {

// The field-wise sum of the seven counters of a and b, with an empty name.
// Totals start from the all-zero record and add each record in list order.
fileStats addStats(const fileStats& a, const fileStats& b);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_ADD_STATS_H_
