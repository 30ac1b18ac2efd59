#ifndef QUILLSTAT_ANALYSIS_MASKS_H_
#define QUILLSTAT_ANALYSIS_MASKS_H_

#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// `c` with A to Z in lower case: bytes from 0x80 up stay as they are,
// whatever the locale. Names are compared and sorted this way.
inline char foldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Splits a mask list such as "*.cpp;*.h" into literal name endings: every
// '*' and '?' is removed and the rest of each mask is kept as it stands
// (blanks included). A token closed by ';' is kept even when empty as long
// as another character follows; the last token only when not empty.
// "*.cpp;*.h" gives ".cpp", ".h"; "*" gives none; "*;*.cpp" gives "", ".cpp".
std::vector<std::string> splitMasks(std::string_view masks);

// True when `name` (a bare file name) is selected by `tokens`: when a token
// is exactly "." (all files), or `name` ends with a token, ASCII letters
// compared without regard to case. The empty token selects every name.
bool nameMatches(std::string_view name, const std::vector<std::string>& tokens);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_MASKS_H_
