#ifndef QUILLSTAT_REPORT_DASHBOARD_H_
#define QUILLSTAT_REPORT_DASHBOARD_H_

#include <cstddef>
#include <vector>

#include "analysis/analysis_result.h"
#include "engine/io_error.h"
#include "report/report_file.h"
#include "report/report_settings.h"

namespace quillstat {

// The dashboard: one HTML page (UTF-8) that holds everything it shows, its
// style, its script and the analysis as JSON, and loads nothing: the overall
// figures, the comment share (and the comment-line density after an exact
// run) per language and per top-level directory as bar charts, the files
// that most need comments, the todo list (result.todos) and a table of
// every file that sorts by any column and filters by path. The script draws
// only the rows in view, so a tree of 100,000 files stays quick.

// How many files the page names as most in need of comments.
inline constexpr size_t kNeedyFileCount = 20;

// The records (indices into result.records) that most need comments: of the
// max(kNeedyFileCount, a tenth of the readable files) largest files (ties in
// record order), the kNeedyFileCount with the lowest comment share, lowest
// first (ties: the larger first, then record order). Files that could not
// be read or are empty are never among them.
std::vector<size_t> needyFiles(const analysisResult& result);

// Writes the page into `file` (open), which the caller commits. Returns
// false, with the reason in *error, when a write fails.
bool writeDashboard(reportFile& file, const reportSettings& settings,
                    const analysisResult& result, ioError* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_DASHBOARD_H_
