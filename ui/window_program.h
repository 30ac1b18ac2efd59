#ifndef QUILLSTAT_UI_WINDOW_PROGRAM_H_
#define QUILLSTAT_UI_WINDOW_PROGRAM_H_

#include <string>

#include "engine/io_error.h"

namespace quillstat {

// The window is a program of its own, "quillstat-window", installed beside
// this one, so that a batch run needs no window toolkit at all.
inline constexpr char windowProgramName[] = "quillstat-window";

// The exit status when no window can be shown, as for an unreadable input:
// nothing was done that the user asked for.
inline constexpr int noWindowStatus = 2;

// Says on stderr, and in a desktop notice (desktop_notice.h), that no window
// can be shown and why, with how to run a batch instead; returns
// noWindowStatus. The batch program and the window program both end so.
int explainBatchMode(const std::string& why);

// Whether a window can be shown: on Linux a display, unless Qt is told to
// use a platform that needs none (offscreen, as the window's tests do).
bool windowSystemAvailable();

// Runs the window program in place of this process, with the arguments
// argv[1..argc) (which the window toolkit reads). Returns only when it
// cannot: notFound when no window program is installed beside this one.
ioError startWindowProgram(int argc, char** argv);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_WINDOW_PROGRAM_H_
