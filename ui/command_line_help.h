#ifndef QUILLSTAT_UI_COMMAND_LINE_HELP_H_
#define QUILLSTAT_UI_COMMAND_LINE_HELP_H_

#include <string>

namespace quillstat {

// The help of the command line, every option of the option table
// (option_table.h) in its order, in each form the program shows it. All
// texts are UTF-8.

// The caption of the command-line help box.
extern const char commandLineHelpCaption[];

// The help as lines separated by a single LF: a heading, a line per option
// ("-f filename - имя файла для проверки"), the exit statuses. For the
// help box each line but the last ends in 17 blanks, as it always did;
// `-h` prints it with neither.
std::string commandLineHelpText(bool forHelpBox);

// The manual page, quillstat(1), in the roff of man(7), all ASCII.
std::string manualPage();

// The rows of the HTML help's table of options, "<tr><td><code>-f
// filename</code></td><td>имя файла для проверки</td></tr>", one a line.
std::string htmlOptionRows();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_COMMAND_LINE_HELP_H_
