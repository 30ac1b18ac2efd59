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

namespace {

std::optional<reportFormat> parseFormat(const std::string& value) {
  if (value == "txt") return reportFormat::txt;
  if (value == "xml") return reportFormat::xml;
  if (value == "html") return reportFormat::html;
  return std::nullopt;
}

std::optional<unsigned> parseLanguage(const std::string& value) {
  for (unsigned row = 0; row < languageCount; ++row) {
    if (value == languageTable[row].name) return row;
  }
  return std::nullopt;
}

std::optional<unsigned> parseJobs(const std::string& value) {
  unsigned jobs = 0;
  const char* end = value.data() + value.size();
  auto [rest, error] = std::from_chars(value.data(), end, jobs);
  if (error != std::errc() || rest != end || jobs == 0) return std::nullopt;
  return jobs;
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
    if (p + 1 == tokens.size()) continue;
    const std::string& value = tokens[p + 1];
    if (token == "-f") options.inputFile = value;
    if (token == "-d") options.inputDirectory = value;
    if (token == "-o") options.outputPath = value;
    if (token == "-e") options.masks = value;
    if (token == "-t") options.format = parseFormat(value).value_or(options.format);
    if (token == "-l") options.languageIndex = parseLanguage(value).value_or(options.languageIndex);
    if (token == "-j") options.jobs = parseJobs(value).value_or(options.jobs);
  }
  return options;
}

}  // namespace quillstat
