#include <iostream>
#include <string>
#include <vector>

#include "ui/interrupt.h"
#include "ui/program_entry.h"

// The shell has already split the words, so argv goes straight to the scan.
int main(int argc, char** argv) {
  if (!quillstat::endCleanlyOnInterrupt()) {
    std::cerr << "quillstat: cannot handle interrupts; an interrupted run may leave a "
                 "temporary file beside its report\n";
  }
  std::vector<std::string> tokens(argv + 1, argv + argc);
  return quillstat::runProgram(tokens, argc, argv);
}
