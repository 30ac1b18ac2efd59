#ifndef QUILLSTAT_UI_OPTION_TABLE_H_
#define QUILLSTAT_UI_OPTION_TABLE_H_

#include <span>
#include <string>
#include <string_view>

namespace quillstat {

struct commandLineOptions;

// How an option's value was taken.
enum class valueTaken { taken, refused, tooLarge };

// What an option's value is, so that a shell can offer values to complete:
// none for an option without a value, text for any words (numbers,
// patterns), a file or directory name, or one of a list (choicesOf()).
enum class valueKind { none, text, file, directory, format, language, encoding };

// One option of the command line: how it is written, what it takes, what
// the help says of it and what it does. The scan (command_line.h), `-h`, the
// window's help box, the manual page, the HTML help, the bash completion and
// the README's table of options all read this table.
struct optionRow {
  const char* name;       // "-f", "--encoding"
  const char* otherName;  // "--exact" beside "-x"; nullptr when there is none
  const char* valueName;  // "filename" as the help shows it; nullptr for an option without
  valueKind kind;         // none exactly when valueName is nullptr
  // What the help says after "<names> <value> - ", in Russian (UTF-8).
  // "{formats}", "{languages}", "{default language}" and "{encodings}" stand
  // for the lists of their tables.
  const char* help;
  // What the README's table of options says of it, in English (Markdown),
  // with the same placeholders, each list's items in backticks.
  const char* reference;
  // What a refused value should have been, for the message that names it;
  // with the same placeholders. nullptr: every value is taken.
  const char* accepted;
  // Sets *options from `value` ("" for an option without one).
  valueTaken (*take)(const std::string& value, commandLineOptions* options);
};

extern const std::span<const optionRow> optionTable;

// The row of the option written `name` (either of its names), or nullptr.
const optionRow* findOption(std::string_view name);

// The values of a list kind (format, language, encoding) in the order the
// help gives them, joined by `separator`; "" for any other kind.
std::string choicesOf(valueKind kind, std::string_view separator);

// `text` with its placeholders replaced by their lists, each list's items
// joined by `separator` ("txt, xml" or "txt|xml").
std::string expandLists(std::string_view text, std::string_view separator);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_OPTION_TABLE_H_
