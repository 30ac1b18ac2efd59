#ifndef QUILLSTAT_REPORT_DASHBOARD_PAGE_H_
#define QUILLSTAT_REPORT_DASHBOARD_PAGE_H_

#include <string_view>

namespace quillstat {

// The dashboard page around its data (see dashboard.h): the markup, the
// style and the opening of the data script; then the closing of the data
// script, the script that draws the page, and the end.
extern const std::string_view dashboardPageStart;
extern const std::string_view dashboardPageEnd;

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_DASHBOARD_PAGE_H_
