#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/command_line.h"
#include "ui/program_entry.h"

// Windows hands the program its raw command line, without its own name; it
// is split by the same rules the original program used.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  std::vector<std::string> tokens;
  if (commandLine != nullptr && *commandLine != '\0') {
    tokens = quillstat::splitCommandLine(commandLine, ' ', '"');
  }
  return quillstat::runProgram(tokens, __argc, __argv);
}
