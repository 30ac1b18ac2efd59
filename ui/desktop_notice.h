#ifndef QUILLSTAT_UI_DESKTOP_NOTICE_H_
#define QUILLSTAT_UI_DESKTOP_NOTICE_H_

#include <string>

namespace quillstat {

// Shows `text`, already written on stderr, to a user who started the program
// where stderr shows nowhere: on Windows, in a message box when the console
// closes with the program (started from the desktop or a file manager).
// Does nothing when the program runs in a console or terminal, nor on POSIX,
// where a build without the window has no way to show a box. Returns when
// the box is closed.
void showDesktopNotice(const std::string& text);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_DESKTOP_NOTICE_H_
