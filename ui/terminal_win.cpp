#include <windows.h>

#include "ui/terminal.h"

namespace quillstat {

bool standardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace quillstat
