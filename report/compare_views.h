#ifndef QUILLSTAT_REPORT_COMPARE_VIEWS_H_
#define QUILLSTAT_REPORT_COMPARE_VIEWS_H_

#include <string>
#include <string_view>

#include "report/report_compare.h"

namespace quillstat {

// The views of a comparison (report_compare.h): `view` is "txt" (aligned
// columns for a terminal or a log), "markdown" (a pull-request comment: the
// table and the new entries), "html" (one self-contained page) or "json"
// (every figure, the entries new and gone, for scripts). Each shows the
// total, then every language and every directory: files added, removed and
// changed, comment lines (comments under the classic rules), the density
// and the todo and fixme words, before and after; then the entries new and
// gone. `baseName` and `headName` say what was compared. UTF-8, LF line
// ends; a name that is not UTF-8 has U+FFFD for each byte that is not.
std::string formatComparison(const comparison& c, std::string_view view,
                             const std::string& baseName, const std::string& headName);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_COMPARE_VIEWS_H_
