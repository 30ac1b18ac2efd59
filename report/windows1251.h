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

// Appends `utf8` to *out in Windows-1251, one byte per character it has.
// Every byte that does not start a valid UTF-8 sequence (a stray continuation
// byte, a truncated or overlong sequence, a surrogate) is taken as one U+FFFD
// and, like every character Windows-1251 lacks, written as `policy` says.
// Safe to call from several threads.
void appendWindows1251(std::string_view utf8, unmappable policy, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_WINDOWS1251_H_
