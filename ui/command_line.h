#ifndef QUILLSTAT_UI_COMMAND_LINE_H_
#define QUILLSTAT_UI_COMMAND_LINE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_format.h"
#include "ui/quality_gate.h"

namespace quillstat {

// How many maximal runs of non-separator characters `text` holds, quote
// characters counted as ordinary ones. An upper bound on the tokens of
// splitCommandLine, since quoting can only join words.
size_t countWords(std::string_view text, char separator);

// Splits a raw command line into tokens: runs of separators split, leading
// and trailing ones are ignored, a quote character toggles quoting anywhere
// inside a token and is dropped, an unbalanced quote takes the rest of the
// line. A quoted empty token ("") is kept only when a character other than
// the separator follows its ending separator, or a second separator does.
std::vector<std::string> splitCommandLine(std::string_view text, char separator, char quote);

// The arguments of a whole Windows command line (GetCommandLineW's, as
// UTF-8): what follows the program's name, as WinMain's lpCmdLine has it.
// The name ends at the first blank, tab or other control character outside
// double quotes; the blanks and controls after it are skipped. A view into
// `line`. Example: "\"C:\\My Tools\\q.exe\"  -f a" gives "-f a".
std::string_view windowsArguments(std::string_view line);

// The options of one command line, each at its default until given.
struct commandLineOptions {
  std::optional<std::string> inputFile;       // -f
  std::optional<std::string> inputDirectory;  // -d
  std::optional<std::string> outputPath;      // -o
  std::optional<std::string> masks;           // -e
  reportFormat format = reportFormat::txt;    // -t txt|xml|html|json|csv
  unsigned languageIndex = 0;                 // -l: a language (languages.h), or detectedLanguage
  bool recursive = false;                     // -s
  bool noFirstComment = false;                // -nf
  bool exact = false;                         // -x or --exact: the exact rules
  unsigned jobs = 0;                          // -j N; 0: one worker per core
  // --encoding windows-1251|utf-8; unset, the report's place decides (batch_run.h)
  std::optional<textEncoding> encoding;
  std::optional<std::string> filesFrom;       // --files-from FILE ("-": standard input)
  bool nulSeparated = false;                  // --null: the list's paths end in NUL, not LF
  std::optional<std::string> todoList;        // --todo-list FILE ("-": standard output)
  std::vector<std::string> excludes;          // --exclude GLOB, each occurrence one more
  bool noIgnore = false;                      // --no-ignore: -l auto reads what git ignores too
  bool includeVendored = false;               // --include-vendored: -l auto reads vendored code
  bool includeGenerated = false;              // --include-generated: and generated files
  std::optional<std::string> label;           // --label TEXT: kept in a JSON report
  int byDirDepth = 0;                         // --by-dir N: totals of directories; 0: none
  gateLimits gate;  // --fail-under PERCENT, --fail-under-lines PERCENT, --max-todo N
  bool quiet = false;                         // -q: no progress line
  bool showHelp = false;                      // -h or --help: nothing else runs
  bool showVersion = false;                   // --version: nothing else runs
  bool showLanguages = false;                 // --languages: nothing else runs
  // One line for each value that was ignored or that likely does not mean
  // what its user meant, naming it and what is accepted, without the
  // program's name or a line end.
  std::vector<std::string> warnings;
  // One line for each long option whose value is missing or not accepted,
  // for a value given to an option that takes none, and for inputs that
  // exclude each other, in the same form: nothing may run then, since a
  // gate or a list that silently did nothing would pass.
  std::vector<std::string> errors;

  // Batch mode needs an input and an output; anything else opens the window.
  bool batchMode() const { return (inputFile || inputDirectory || filesFrom) && outputPath; }
};

// Scans tokens in order, one position at a time, by the option table
// (option_table.h): an option's value is not skipped, so a value that looks
// like an option acts as one too ("-f -s" sets both). Names are exact and
// case-sensitive; the last occurrence wins. Every option takes its value as
// the next word or after '=' ("-t=json", "--max-todo=5"), and a value after
// '=' given to an option that takes none ("-s=1", "--exact=yes") is an
// error. The single-dash options keep their classic rule: unknown ones are
// ignored ("-Q", "-Q=1"), and an unknown -t value, -l name or -j number, or a
// -t, -l, -j or -e standing last without its value, is ignored with a
// warning, as is a mask list that holds ',' or a blank where masks are used
// (a directory run). The long options are strict instead: a word that
// starts with "--" and is no option is an error (unless it is the value of
// the option before it), naming the closest option; a missing or unknown
// value is an error, and so are --files-from beside -f or -d and
// --fail-under-lines for a run without line figures (showsLineFigures). An
// input without -o is warned of. -h, --help, --version and --languages stop
// the scan.
// The messages show the words they name as shownName does (shown_name.h).
commandLineOptions scanOptions(const std::vector<std::string>& tokens);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_COMMAND_LINE_H_
