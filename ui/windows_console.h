#ifndef QUILLSTAT_UI_WINDOWS_CONSOLE_H_
#define QUILLSTAT_UI_WINDOWS_CONSOLE_H_

// The console of a Windows program. Built on Windows only.

namespace quillstat {

// Makes std::cout and std::cerr write text for a console as UTF-16, so that
// the program's UTF-8 (file names, the Russian help) shows as it is whatever
// the console's code page; output that is redirected stays UTF-8 bytes.
// Call once, first thing.
void connectStandardStreams();

// Whether the console closes when the program ends, taking its messages
// with it: the program was started from the desktop or a file manager, not
// from a console window, so a message is better shown in a box.
bool consoleClosesAtExit();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_WINDOWS_CONSOLE_H_
