#ifndef QUILLSTAT_UI_COMMAND_LINE_HELP_H_
#define QUILLSTAT_UI_COMMAND_LINE_HELP_H_

#include <string>

namespace quillstat {

// The caption of the command-line help box (UTF-8).
extern const char commandLineHelpCaption[];

// The command-line help: nine lines separated by a single LF, each of the
// first eight ending in 17 blanks, the last with neither (UTF-8). The help
// box shows it as it stands; `-h` prints it without the trailing blanks.
std::string commandLineHelpText();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_COMMAND_LINE_HELP_H_
