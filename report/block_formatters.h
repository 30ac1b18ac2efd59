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

// The plain-text block: eight lines, the name, six figures (among them the
// comment share of the size in percent and the code lines per comment, both
// 0 when their divisor is 0) and an empty line.
inline constexpr int textBlockLineCount = 8;

// Appends line `line` (below textBlockLineCount) of the plain-text block of
// `stats` without its line end; `total` names the block "Все файлы" in place
// of stats.filename. The text report ends each line with CR LF; the window's
// summary shows each line as a row.
void appendTextLine(const fileStats& stats, bool total, int line, std::string* out);

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
