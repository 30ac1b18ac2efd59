#ifndef QUILLSTAT_UI_SHELL_COMPLETION_H_
#define QUILLSTAT_UI_SHELL_COMPLETION_H_

#include <string>

namespace quillstat {

// The bash completion of quillstat, made from the option table
// (option_table.h): a script that bash-completion loads for the command
// `quillstat`. It completes the option names; after an option whose value
// is one of a list (-t, -l, --encoding) that list's values, quoted as the
// shell needs ("Visual\ Basic"); file names after a file's option and
// directory names after -d; nothing after any other option's value. A
// long option's value written after '=' completes the same. The script
// needs bash alone, not the helpers of bash-completion.
std::string bashCompletion();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_SHELL_COMPLETION_H_
