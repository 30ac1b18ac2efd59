#include "analysis/language_detection.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <unordered_map>
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

struct textHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using rowsByText = std::unordered_map<std::string, unsigned, textHash, std::equal_to<>>;

std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = foldAscii(c);
  return out;
}

// "python3.11", "python3" and "python" are one interpreter.
std::string_view withoutVersion(std::string_view program) {
  while (!program.empty() && (std::strchr("0123456789.", program.back()) != nullptr)) {
    program.remove_suffix(1);
  }
  return program;
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

struct detectionTables {
  rowsByText names;         // folded
  // Folded, from names that end in "*" ("Dockerfile.*"), in table order.
  std::vector<std::pair<std::string, unsigned>> namePrefixes;
  rowsByText endings;       // folded, with their dot
  rowsByText interpreters;  // without their version
};

// The ending's row among the rows that claim it (in table order).
unsigned claimant(const std::string& ending, const std::vector<unsigned>& rows, bool* none) {
  for (const auto& claimed : kClaimedEndings) {
    if (ending != claimed.ending) continue;
    if (claimed.language == nullptr) *none = true;
    for (unsigned row : rows) {
      if (claimed.language != nullptr && std::strcmp(languageTable[row].name, claimed.language) == 0) {
        return row;
      }
    }
  }
  return rows.front();
}

detectionTables buildTables() {
  detectionTables tables;
  std::unordered_map<std::string, std::vector<unsigned>> claims;
  for (unsigned row = 0; row < languageCount; ++row) {
    const languageRow& language = *languageTable[row].row;
    for (const std::string& name : separatedBy(language.fileNames, ';')) {
      if (name.ends_with('*')) {
        tables.namePrefixes.emplace_back(folded(name.substr(0, name.size() - 1)), row);
      } else {
        tables.names.try_emplace(folded(name), row);
      }
    }
    for (const std::string& ending : splitMasks(language.extensions)) {
      if (ending.starts_with('.')) claims[folded(ending)].push_back(row);
    }
    for (const std::string& program : splitMasks(language.interpreters)) {
      tables.interpreters.try_emplace(std::string(withoutVersion(program)), row);
    }
  }
  for (const auto& [ending, rows] : claims) {
    bool none = false;
    const unsigned row = claimant(ending, rows, &none);
    if (!none) tables.endings.emplace(ending, row);
  }
  return tables;
}

const detectionTables& tables() {
  static const detectionTables built = buildTables();
  return built;
}

std::optional<unsigned> find(const rowsByText& rows, std::string_view key) {
  const auto at = rows.find(key);
  if (at == rows.end()) return std::nullopt;
  return at->second;
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

std::optional<unsigned> languageOfName(std::string_view name) {
  const std::string key = folded(name);
  if (std::optional<unsigned> row = find(tables().names, key)) return row;
  for (const auto& [prefix, row] : tables().namePrefixes) {
    if (key.starts_with(prefix)) return row;
  }
  for (size_t dot = key.find('.'); dot != std::string::npos; dot = key.find('.', dot + 1)) {
    if (std::optional<unsigned> row = find(tables().endings, std::string_view(key).substr(dot))) {
      return row;
    }
  }
  return std::nullopt;
}

bool hasExtension(std::string_view name) { return name.find('.', 1) != std::string_view::npos; }

std::optional<unsigned> languageOfFirstLine(std::string_view content) {
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
  return find(tables().interpreters, withoutVersion(program));
}

bool autoSelects(std::string_view name) {
  return !hasExtension(name) || languageOfName(name).has_value();
}

}  // namespace quillstat
