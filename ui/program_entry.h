#ifndef QUILLSTAT_UI_PROGRAM_ENTRY_H_
#define QUILLSTAT_UI_PROGRAM_ENTRY_H_

#include <string>
#include <vector>

namespace quillstat {

// The one road from a command line to an exit status, for every platform's
// entry: `tokens` are the words after the program's name (argv on POSIX,
// splitCommandLine of the raw line on Windows); argc and argv go to the
// window toolkit when the line names no batch run.
int runProgram(const std::vector<std::string>& tokens, int argc, char** argv);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_PROGRAM_ENTRY_H_
