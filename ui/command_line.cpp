#include "ui/command_line.h"

#include <algorithm>

#include "analysis/file_analysis.h"
#include "report/shown_name.h"
#include "ui/option_table.h"

namespace quillstat {

size_t countWords(std::string_view text, char separator) {
  size_t words = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == separator && text[i - 1] != separator) ++words;
  }
  if (!text.empty() && text.back() != separator) ++words;
  return words;
}

std::vector<std::string> splitCommandLine(std::string_view text, char separator, char quote) {
  std::vector<std::string> tokens;
  tokens.reserve(countWords(text, separator));
  enum class State { Between, InToken, Ended } state = State::Between;
  bool inQuote = false;  // never reset between tokens: it is off whenever one ends
  std::string token;
  for (char c : text) {
    if (state == State::Ended) {
      // The token is stored only now, so a quoted empty token followed by a
      // trailing separator alone is dropped.
      tokens.push_back(token);
      token.clear();
      state = State::Between;
    }
    if (state == State::Between) {
      if (c == separator) continue;
      token.clear();
      state = State::InToken;
    }
    if (c == quote) inQuote = !inQuote;
    if (!inQuote && c == separator) {
      state = State::Ended;
    } else if (c != quote) {
      token += c;
    }
  }
  if (!token.empty()) tokens.push_back(token);
  return tokens;
}

std::string_view windowsArguments(std::string_view line) {
  // The C runtime's rule for the program's name: quotes toggle, and any
  // character up to the blank ends it outside them.
  auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  bool inQuote = false;
  size_t i = 0;
  for (; i < line.size() && (inQuote || !isBlankOrControl(line[i])); ++i) {
    if (line[i] == '"') inQuote = !inQuote;
  }
  while (i < line.size() && isBlankOrControl(line[i])) ++i;
  return line.substr(i);
}

namespace {

size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// "unknown option --fail_under; did you mean --fail-under?": the closest long
// option, when a slip of a key or two explains the difference.
std::string unknownOption(std::string_view word) {
  const char* closest = nullptr;
  size_t best = 3;
  for (const optionRow& row : optionTable) {
    for (const char* name : {row.name, row.otherName}) {
      if (name == nullptr || name[1] != '-') continue;
      const size_t distance = editDistance(word, name);
      if (distance < best) best = distance, closest = name;
    }
  }
  std::string message = "unknown option " + shownName(word);
  if (closest != nullptr) message += std::string("; did you mean ") + closest + "?";
  return message;
}

// What the option `row` makes of `value`, said where the scan says it.
void take(const optionRow& row, const std::string& value, commandLineOptions* options) {
  const valueTaken taken = row.take(value, options);
  if (taken == valueTaken::taken) return;
  const bool strict = row.name[1] == '-';
  std::string message = (strict ? "" : "ignored ") + std::string(row.name) + " '" +
                        shownName(value) + "': " +
                        (taken == valueTaken::tooLarge ? "too large; " : "") +
                        expandLists(row.accepted, ", ");
  (strict ? options->errors : options->warnings).push_back(message);
}

// A value was due after `row`'s name and the line ended.
void missingValue(const optionRow& row, commandLineOptions* options) {
  if (row.name[1] == '-') {
    options->errors.push_back(std::string(row.name) + " needs a value");
  } else if (row.accepted != nullptr) {
    options->warnings.push_back("ignored " + std::string(row.name) +
                                " without a value: " + expandLists(row.accepted, ", "));
  }
}

// What only the whole line can tell.
void checkTheWhole(commandLineOptions* options) {
  if (options->filesFrom && (options->inputFile || options->inputDirectory)) {
    options->errors.push_back("--files-from names the files to analyse: leave out -f and -d");
  }
  if (options->gate.failUnderLines &&
      !showsLineFigures({options->languageIndex, options->exact})) {
    options->errors.push_back(
        "--fail-under-lines needs the line figures of the exact rules: add -x or -l auto");
  }
  const bool usesMasks = options->inputDirectory && !options->inputFile && !options->filesFrom;
  if (usesMasks && options->masks && options->masks->find_first_of(", ") != std::string::npos) {
    options->warnings.push_back("the masks '" + shownName(*options->masks) +
                                "' are taken as they stand, ',' and blanks included: masks "
                                "are separated by ';', as in '*.c;*.h'");
  }
  if ((options->inputFile || options->inputDirectory || options->filesFrom) &&
      !options->outputPath) {
    options->warnings.push_back("a batch run needs -o REPORT beside its input");
  }
}

}  // namespace

commandLineOptions scanOptions(const std::vector<std::string>& tokens) {
  commandLineOptions options;
  bool valueDue = false;  // the option before takes this word as its value
  for (size_t p = 0; p < tokens.size(); ++p) {
    const std::string& token = tokens[p];
    const bool isValue = valueDue;
    // "-t=json" is "-t json", as "--max-todo=5" is "--max-todo 5".
    const size_t equals = token.starts_with("-") ? token.find('=') : std::string::npos;
    const std::string_view name = std::string_view(token).substr(0, equals);
    const optionRow* row = findOption(name);
    valueDue = row != nullptr && row->valueName != nullptr && equals == std::string::npos;
    if (row == nullptr) {
      if (token.starts_with("--") && !isValue) options.errors.push_back(unknownOption(name));
      continue;
    }
    if (equals != std::string::npos) {
      if (row->valueName == nullptr) {
        options.errors.push_back(std::string(name) + " takes no value");
      } else {
        take(*row, token.substr(equals + 1), &options);
      }
    } else if (row->valueName == nullptr) {
      take(*row, "", &options);
    } else if (p + 1 < tokens.size()) {
      take(*row, tokens[p + 1], &options);
    } else {
      missingValue(*row, &options);
    }
    if (options.showHelp || options.showVersion || options.showLanguages) return options;
  }
  checkTheWhole(&options);
  return options;
}

}  // namespace quillstat
