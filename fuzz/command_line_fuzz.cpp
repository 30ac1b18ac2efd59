// The command-line tokenizer and option scan on any text, separator and
// quote: the first two bytes are the separator and the quote character, the
// rest is the line. Checks what ui/command_line.h promises.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/languages.h"
#include "ui/command_line.h"

namespace quillstat {
namespace {

void check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// The value of the last `name` that has one, as "the last occurrence wins":
// the token after it, or what follows its '=' ("-t=json", "--files-from=l").
std::optional<std::string> lastValue(const std::vector<std::string>& tokens,
                                     const std::string& name) {
  std::optional<std::string> value;
  for (size_t p = 0; p < tokens.size(); ++p) {
    if (tokens[p] == name && p + 1 < tokens.size()) value = tokens[p + 1];
    if (tokens[p].starts_with(name + "=")) {
      value = tokens[p].substr(name.size() + 1);
    }
  }
  return value;
}

bool contains(const std::vector<std::string>& tokens, const std::string& name) {
  for (const std::string& token : tokens) {
    if (token == name) return true;
  }
  return false;
}

void checkOptions(const std::vector<std::string>& tokens) {
  const commandLineOptions options = scanOptions(tokens);
  for (const std::string& token : tokens) {
    // The first stop token decides, and then nothing else matters.
    if (token == "-h" || token == "--help" || token == "--version" || token == "--languages") {
      check(options.showHelp == (token == "-h" || token == "--help"),
            "showHelp follows the first stop");
      check(options.showVersion == (token == "--version"), "showVersion follows the first stop");
      check(options.showLanguages == (token == "--languages"),
            "showLanguages follows the first stop");
      return;
    }
  }
  check(!options.showHelp && !options.showVersion && !options.showLanguages,
        "no stop token, no help, version or language list");
  check(options.recursive == contains(tokens, "-s"), "-s sets recursive");
  check(options.noFirstComment == contains(tokens, "-nf"), "-nf sets noFirstComment");
  check(options.inputFile == lastValue(tokens, "-f"), "-f: the last value wins");
  check(options.inputDirectory == lastValue(tokens, "-d"), "-d: the last value wins");
  check(options.outputPath == lastValue(tokens, "-o"), "-o: the last value wins");
  check(options.masks == lastValue(tokens, "-e"), "-e: the last value wins");
  check(options.filesFrom == lastValue(tokens, "--files-from"), "--files-from: the last wins");
  check(options.quiet == contains(tokens, "-q"), "-q sets quiet");
  check(options.nulSeparated == contains(tokens, "--null"), "--null sets nulSeparated");
  const bool mixedInputs = options.filesFrom && (options.inputFile || options.inputDirectory);
  check(!mixedInputs || !options.errors.empty(), "--files-from beside -f or -d is an error");
  check(options.languageIndex < languageCount, "-l gives a known language");
}

}  // namespace
}  // namespace quillstat

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  if (size < 2) return 0;
  const char separator = static_cast<char>(data[0]);
  const char quote = static_cast<char>(data[1]);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  const std::vector<std::string> tokens = splitCommandLine(text, separator, quote);
  check(tokens.size() <= countWords(text, separator), "no more tokens than words");
  for (const std::string& token : tokens) {
    check(token.size() <= text.size(), "no token longer than the line");
    check(token.find(quote) == std::string::npos, "quote characters are dropped");
  }
  checkOptions(tokens);
  return 0;
}
