#ifndef QUILLSTAT_UI_TERMINAL_H_
#define QUILLSTAT_UI_TERMINAL_H_

#include <cstddef>

namespace quillstat {

// Whether standard error goes to a terminal, where someone watches it (and
// not to a file, a pipe or a CI log). The platform part lives in
// terminal_<platform>.cpp.
bool standardErrorIsTerminal();

// Whether standard output goes to a terminal.
bool standardOutputIsTerminal();

// How many columns wide the terminal of standard error is now (a window may
// be resized at any time), or 0 when it cannot be told.
size_t terminalColumns();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_TERMINAL_H_
