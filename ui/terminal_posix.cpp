#include "ui/terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace quillstat {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

size_t terminalColumns() {
  struct winsize size = {};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

}  // namespace quillstat
