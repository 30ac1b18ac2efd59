#ifndef QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_
#define QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_

#include <string>

#include "report/report_blocks.h"
#include "report/report_settings.h"

namespace quillstat {

// Each formatter appends one block, with CR LF line ends, to *out. Blocks are
// UTF-8 (the native text of this program); the report writer converts them to
// Windows-1251. Names are escaped for XML and HTML, and with
// content.namesEscaped their control bytes in txt, HTML and CSV too; the total
// is named "Все файлы" ("AllFiles" in XML). countCodeChars is printed in no
// block.
// Without content.lineFigures, the records and the total are the blocks the
// reports have always had.

// The plain-text block: its name; six figures (among them the comment
// share of the size in percent and the statement marks per comment, both 0
// when their divisor is 0), and with the line figures two more (the lines
// by class, the comment-line density); an empty line. The skipped files'
// block is one line and the empty one.
int textLineCount(const reportBlock& block);

// Appends line `line` (below textLineCount) of the plain-text block without
// its line end. The text report ends each line with CR LF; the window's
// summary shows each line as a row.
void appendTextLine(const reportBlock& block, int line, std::string* out);

void formatTextBlock(const reportBlock& block, std::string* out);

// An element of the XML report: <file/> for a record or the total,
// <skipped/>, <language/>, <directory/>.
void formatXmlBlock(const reportBlock& block, std::string* out);

// The HTML report's table: the header row, then a row per block.
void appendHtmlHeaderRow(const reportContent& content, std::string* out);
void formatHtmlBlock(const reportBlock& block, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_BLOCK_FORMATTERS_H_
