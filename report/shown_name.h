#ifndef QUILLSTAT_REPORT_SHOWN_NAME_H_
#define QUILLSTAT_REPORT_SHOWN_NAME_H_

#include <string>
#include <string_view>

namespace quillstat {

// How a name or a user's value is shown in a line of text that people,
// editors and terminals read (the todo list, messages on stderr, a text
// report on a terminal): each control byte, 0x00 to 0x1F and 0x7F, is
// written as C writes it in a string, "\t", "\n", "\r", or else "\x" and two
// lower-case hex digits ("\x1b"); every other byte as it is. So a name never
// ends a line early, nor reaches a terminal as an escape sequence:
// "a\nb.c" shows as the 6 characters `a\nb.c`.
//
// A backslash stays as it is: it is Windows's separator, and names there
// cannot hold control bytes, so its paths show as they are written. The
// cost is on POSIX, where a name that holds a backslash and an 'n' shows
// like one that holds a line end; the JSON forms keep every name exact.
void appendShownName(std::string_view name, std::string* out);

// The same, as a string of its own.
std::string shownName(std::string_view name);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_SHOWN_NAME_H_
