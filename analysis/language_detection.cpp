#include "analysis/language_detection.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "analysis/language_table.h"
#include "analysis/masks.h"

namespace quillstat {

namespace {

// Endings that several languages claim, and the language that takes each
// (nullptr: none, so such a file is of no language by its name). When no
// row of that name claims the ending, the first row that does takes it.
constexpr struct {
  const char* ending;
  const char* language;
} kClaimedEndings[] = {
    {".h", "C"},            // C's headers, and C++'s, which C's rules read alike
    {".m", "Objective-C"},  // there is no row for MATLAB's
    {".pl", "Perl"},        // there is no row for Prolog's
    {".inc", nullptr},      // included PHP, Pascal, C and assembler alike
};

std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = foldAscii(c);
  return out;
}

// "python3.11", "python3" and "python" are one interpreter.
std::string_view withoutVersion(std::string_view program) {
  while (!program.empty() && std::strchr("0123456789.", program.back()) != nullptr) {
    program.remove_suffix(1);
  }
  return program;
}

// The row that takes `ending` among the rows that claim it, in table order;
// nullopt when kClaimedEndings gives it to none.
std::optional<unsigned> claimant(std::span<const languageEntry> table, const std::string& ending,
                                 const std::vector<unsigned>& rows) {
  for (const auto& claimed : kClaimedEndings) {
    if (ending != claimed.ending) continue;
    if (claimed.language == nullptr) return std::nullopt;
    for (unsigned row : rows) {
      if (std::strcmp(table[row].name, claimed.language) == 0) return row;
    }
  }
  return rows.front();
}

// The items of a list, as written: fileNames keep their "*".
std::vector<std::string> separatedBy(std::string_view list, char separator) {
  std::vector<std::string> items;
  while (!list.empty()) {
    const size_t end = std::min(list.find(separator), list.size());
    if (end > 0) items.emplace_back(list.substr(0, end));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return items;
}

// The next word of *rest, blanks before it skipped; empty at the end.
std::string_view nextWord(std::string_view* rest) {
  const size_t start = std::min(rest->find_first_not_of(" \t"), rest->size());
  const size_t end = std::min(rest->find_first_of(" \t", start), rest->size());
  const std::string_view word = rest->substr(start, end - start);
  rest->remove_prefix(end);
  return word;
}

std::string_view lastPart(std::string_view path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

languageDetector::languageDetector(std::span<const languageEntry> table) {
  std::unordered_map<std::string, std::vector<unsigned>> claims;
  for (unsigned row = 0; row < table.size(); ++row) {
    const languageRow& language = *table[row].row;
    for (const std::string& name : separatedBy(language.fileNames, ';')) {
      if (name.ends_with('*')) {
        namePrefixes_.emplace_back(folded(name.substr(0, name.size() - 1)), row);
      } else {
        names_.try_emplace(folded(name), row);
      }
    }
    for (const std::string& ending : splitMasks(language.extensions)) {
      if (ending.starts_with('.')) claims[folded(ending)].push_back(row);
    }
    for (const std::string& program : splitMasks(language.interpreters)) {
      interpreters_.try_emplace(std::string(withoutVersion(program)), row);
    }
  }
  for (const auto& [ending, rows] : claims) {
    if (std::optional<unsigned> row = claimant(table, ending, rows)) endings_.emplace(ending, *row);
  }
}

std::optional<unsigned> languageDetector::ofName(std::string_view name) const {
  const std::string key = folded(name);
  if (const auto at = names_.find(key); at != names_.end()) return at->second;
  // An ending a language claims goes before a name's start: names are
  // folded, and kconfig.h is C's, not a "Kconfig.*" file.
  for (size_t dot = key.find('.'); dot != std::string::npos; dot = key.find('.', dot + 1)) {
    if (const auto at = endings_.find(std::string_view(key).substr(dot)); at != endings_.end()) {
      return at->second;
    }
  }
  for (const auto& [prefix, row] : namePrefixes_) {
    if (key.starts_with(prefix)) return row;
  }
  return std::nullopt;
}

std::optional<unsigned> languageDetector::ofFirstLine(std::string_view content) const {
  if (!content.starts_with("#!")) return std::nullopt;
  std::string_view line = content.substr(2, content.find_first_of("\r\n") - 2);
  std::string_view program = lastPart(nextWord(&line));
  if (program == "env") {
    for (std::string_view word = nextWord(&line); !word.empty(); word = nextWord(&line)) {
      if (!word.starts_with('-') && word.find('=') == std::string_view::npos) {
        program = lastPart(word);
        break;
      }
    }
  }
  const auto at = interpreters_.find(withoutVersion(program));
  if (at == interpreters_.end()) return std::nullopt;
  return at->second;
}

namespace {

const languageDetector& tableDetector() {
  static const languageDetector detector(languageTable);
  return detector;
}

}  // namespace

std::optional<unsigned> languageOfName(std::string_view name) {
  return tableDetector().ofName(name);
}

std::optional<unsigned> languageOfFirstLine(std::string_view content) {
  return tableDetector().ofFirstLine(content);
}

bool hasExtension(std::string_view name) { return name.find('.', 1) != std::string_view::npos; }

}  // namespace quillstat
