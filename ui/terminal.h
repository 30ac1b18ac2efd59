#ifndef QUILLSTAT_UI_TERMINAL_H_
#define QUILLSTAT_UI_TERMINAL_H_

namespace quillstat {

// Whether standard error goes to a terminal, where someone watches it (and
// not to a file, a pipe or a CI log). The platform part lives in
// terminal_<platform>.cpp.
bool standardErrorIsTerminal();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_TERMINAL_H_
