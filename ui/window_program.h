#ifndef QUILLSTAT_UI_WINDOW_PROGRAM_H_
#define QUILLSTAT_UI_WINDOW_PROGRAM_H_

#include "engine/io_error.h"

namespace quillstat {

// The window is a program of its own, "quillstat-window", installed beside
// this one, so that a batch run needs no window toolkit at all.
inline constexpr char windowProgramName[] = "quillstat-window";

// Whether a window can be shown: on Linux a display, unless Qt is told to
// use a platform that needs none (offscreen, as the window's tests do).
bool windowSystemAvailable();

// Runs the window program in place of this process, with the arguments
// argv[1..argc) (which the window toolkit reads). Returns only when it
// cannot: notFound when no window program is installed beside this one.
ioError startWindowProgram(int argc, char** argv);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_WINDOW_PROGRAM_H_
