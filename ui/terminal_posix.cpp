#include "ui/terminal.h"

#include <unistd.h>

namespace quillstat {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace quillstat
