#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "engine/windows_api.h"
#include "ui/command_line.h"
#include "ui/interrupt.h"
#include "ui/program_entry.h"
#include "ui/windows_console.h"

// Windows hands the program one raw command line. Its wide form is taken, so
// that names outside the system's code page arrive intact, and split by the
// program's own rules, as the original program split WinMain's lpCmdLine.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  quillstat::connectStandardStreams();
  if (!quillstat::endCleanlyOnInterrupt()) {
    std::cerr << "quillstat: cannot handle interrupts; an interrupted run may leave a "
                 "temporary file beside its report\n";
  }
  const std::string line = quillstat::fromWide(GetCommandLineW());
  std::vector<std::string> tokens =
      quillstat::splitCommandLine(quillstat::windowsArguments(line), ' ', '"');
  return quillstat::runProgram(tokens, __argc, __argv);
}
