#ifndef QUILLSTAT_REPORT_WINDOWS1251_H_
#define QUILLSTAT_REPORT_WINDOWS1251_H_

#include <string>
#include <string_view>

namespace quillstat {

// What becomes of a character that Windows-1251 lacks.
enum class unmappable {
  questionMark,        // "?" (plain-text reports)
  characterReference,  // "&#252;" (XML and HTML reports)
};

// Appends `utf8` to *out in Windows-1251. A byte that is not valid UTF-8 is
// taken as U+FFFD and, like every character Windows-1251 lacks, written as
// `policy` says.
void appendWindows1251(std::string_view utf8, unmappable policy, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_WINDOWS1251_H_
