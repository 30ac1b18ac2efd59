#include "report/figures.h"

#include <charconv>

namespace quillstat {

// std::to_chars rather than printf: no fixed buffer for a block, and no
// locale.
void appendInt(int64_t value, std::string* out) {
  char digits[24];
  out->append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The largest finite double needs 309 digits before the point.
void appendSixDecimals(double value, std::string* out) {
  char digits[330];
  out->append(digits, std::to_chars(digits, digits + sizeof digits, value,
                                    std::chars_format::fixed, 6).ptr);
}

double commentPercent(const fileStats& stats) {
  if (stats.sizeFile == 0) return 0.0;
  // The division comes first, then the factor 100: where the two orders round
  // differently, this is the one whose last digit the reports have always shown.
  return static_cast<double>(stats.countCommentChars) / static_cast<double>(stats.sizeFile) *
         100.0;
}

double commentLineDensity(const fileStats& stats) {
  const int64_t counted = stats.commentLines + stats.codeLines;
  if (counted == 0) return 0.0;
  return static_cast<double>(stats.commentLines) / static_cast<double>(counted) * 100.0;
}

void appendLineColumns(const fileStats& stats, std::string_view separator, std::string* out) {
  for (int64_t value : {stats.lines, stats.blankLines, stats.commentLines, stats.codeLines}) {
    out->append(separator);
    appendInt(value, out);
  }
  out->append(separator);
  appendSixDecimals(commentLineDensity(stats), out);
}

double asShown(double percent) {
  std::string text;
  appendSixDecimals(percent, &text);
  double shown = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), shown);
  return shown;
}

}  // namespace quillstat
