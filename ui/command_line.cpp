#include "ui/command_line.h"

#include <charconv>

#include "analysis/language_table.h"

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

// A value of an option as the command line names it.
template <typename T>
struct named {
  const char* name;
  T value;
};

constexpr named<reportFormat> formatNames[] = {
    {"txt", reportFormat::txt},   {"xml", reportFormat::xml}, {"html", reportFormat::html},
    {"json", reportFormat::json}, {"csv", reportFormat::csv},
};

constexpr named<textEncoding> encodingNames[] = {
    {"windows-1251", textEncoding::windows1251},
    {"utf-8", textEncoding::utf8},
};

template <typename T, size_t N>
std::optional<T> parseName(const named<T> (&rows)[N], const std::string& value) {
  for (const named<T>& row : rows) {
    if (value == row.name) return row.value;
  }
  return std::nullopt;
}

std::optional<unsigned> parseLanguage(const std::string& value) {
  for (unsigned row = 0; row < languageCount; ++row) {
    if (value == languageTable[row].name) return row;
  }
  return std::nullopt;
}

// A whole number of `value` alone, at least `least`.
template <typename T>
std::optional<T> parseWhole(const std::string& value, T least) {
  T number = 0;
  const char* end = value.data() + value.size();
  auto [rest, error] = std::from_chars(value.data(), end, number);
  if (error != std::errc() || rest != end || number < least) return std::nullopt;
  return number;
}

std::optional<double> parsePercent(const std::string& value) {
  double percent = 0;
  const char* end = value.data() + value.size();
  auto [rest, error] = std::from_chars(value.data(), end, percent);
  // The negated test also refuses NaN.
  if (error != std::errc() || rest != end || !(percent >= 0 && percent <= 100)) return std::nullopt;
  return percent;
}

// The names of `rows`, as "txt, xml, html".
template <typename Rows>
std::string namesOf(const Rows& rows) {
  std::string list;
  for (const auto& row : rows) list += (list.empty() ? "" : ", ") + std::string(row.name);
  return list;
}

// The long options that take a value, which they must have.
constexpr const char* strictOptions[] = {"--encoding", "--files-from", "--fail-under",
                                         "--max-todo"};

// Sets *into to the parsed value, if there is one; otherwise appends
// "<option> '<value>': <accepted>" to *complaints, after `prefix`.
template <typename T, typename Into>
void take(std::optional<T> parsed, Into* into, const char* prefix, const std::string& option,
          const std::string& value, const std::string& accepted,
          std::vector<std::string>* complaints) {
  if (parsed) {
    *into = *parsed;
    return;
  }
  complaints->push_back(prefix + option + " '" + value + "': " + accepted);
}

}  // namespace

commandLineOptions scanOptions(const std::vector<std::string>& tokens) {
  commandLineOptions options;
  for (size_t p = 0; p < tokens.size(); ++p) {
    const std::string& token = tokens[p];
    if (token == "-h" || token == "--help") {
      options.showHelp = true;
      return options;
    }
    if (token == "--version") {
      options.showVersion = true;
      return options;
    }
    if (token == "-s") options.recursive = true;
    if (token == "-nf") options.noFirstComment = true;
    if (token == "-x" || token == "--exact") options.exact = true;
    if (token == "-q") options.quiet = true;
    if (token == "--null") options.nulSeparated = true;
    if (p + 1 == tokens.size()) {
      for (const char* name : strictOptions) {
        if (token == name) options.errors.push_back(token + " needs a value");
      }
      continue;
    }
    const std::string& value = tokens[p + 1];
    if (token == "-f") options.inputFile = value;
    if (token == "-d") options.inputDirectory = value;
    if (token == "-o") options.outputPath = value;
    if (token == "-e") {
      options.masks = value;
      if (value.find_first_of(", ") != std::string::npos) {
        options.warnings.push_back("the masks '" + value +
                                   "' are taken as they stand, ',' and blanks included: masks "
                                   "are separated by ';', as in '*.c;*.h'");
      }
    }
    // The classic options keep their value and warn; the long ones refuse.
    std::vector<std::string>* warnings = &options.warnings;
    if (token == "-t") {
      take(parseName(formatNames, value), &options.format, "ignored ", token, value,
           "the report type is one of " + namesOf(formatNames), warnings);
    }
    if (token == "-l") {
      take(parseLanguage(value), &options.languageIndex, "ignored ", token, value,
           "the language is one of " + namesOf(languageTable), warnings);
    }
    if (token == "-j") {
      take(parseWhole(value, 1u), &options.jobs, "ignored ", token, value,
           "the number of workers is a whole number from 1 up", warnings);
    }
    std::vector<std::string>* errors = &options.errors;
    if (token == "--encoding") {
      take(parseName(encodingNames, value), &options.encoding, "", token, value,
           "the encoding is one of " + namesOf(encodingNames), errors);
    }
    if (token == "--files-from") options.filesFrom = value;
    if (token == "--fail-under") {
      take(parsePercent(value), &options.gate.failUnder, "", token, value,
           "the limit is a percentage from 0 to 100", errors);
    }
    if (token == "--max-todo") {
      take(parseWhole(value, int64_t{0}), &options.gate.maxTodo, "", token, value,
           "the limit is a whole number from 0 up", errors);
    }
  }
  if (options.filesFrom && (options.inputFile || options.inputDirectory)) {
    options.errors.push_back("--files-from names the files to analyse: leave out -f and -d");
  }
  return options;
}

}  // namespace quillstat
