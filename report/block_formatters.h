#ifndef QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_
#define QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_

#include <string>

#include "engine/file_stats.h"

namespace quillstat {

// Each formatter appends one block, with CR LF line ends, to *out. Blocks are
// UTF-8 (the native text of this program); the report writer converts them to
// Windows-1251. Record formatters print stats.filename, escaped for XML and
// HTML; total formatters print the fixed name ("Все файлы", or "AllFiles" in
// XML). countCodeChars is printed in no block.

// The plain-text block, with the comment share of the size in percent and the
// code lines per comment (both 0 when their divisor is 0).
void formatTextRecord(const fileStats& stats, std::string* out);
void formatTextTotal(const fileStats& total, std::string* out);

// One <file .../> element of the XML report.
void formatXmlRecord(const fileStats& stats, std::string* out);
void formatXmlTotal(const fileStats& total, std::string* out);

// One table row of the HTML report.
void formatHtmlRecord(const fileStats& stats, std::string* out);
void formatHtmlTotal(const fileStats& total, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_
