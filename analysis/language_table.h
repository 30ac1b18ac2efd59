#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/languages.h"
#include "engine/exact_rules.h"
#include "engine/exact_scanner.h"
#include "engine/scanner.h"

namespace quillstat {

// Where a language's files hold code of other languages, read by their own
// rows (embedded_regions.h).
enum class embedding : uint8_t {
  none,
  htmlTags,        // <script> and <style>, by their type and lang attributes
  markdownFences,  // fenced code blocks, by their info string
};

// Everything the program knows of one language, as the language_rows_*.cpp
// files write it: adding a language is adding a row there (language_rows.h).
struct languageRow {
  const char* name;        // as the command line and the window name it
  const char* extensions;  // the endings of its files' names, as a mask list: "*.go"
  const char* fileNames = "";     // whole names of its files, ';'-separated: "Makefile";
                                  // one that ends in "*" names their start: "Dockerfile.*"
  const char* interpreters = "";  // the programs a "#!" first line names for it: "sh;bash"
  exactRules rules;               // the exact rules (exact_rules.h)
  // The scanner of the classic rules, for the languages they always knew;
  // the others are read by their exact rules in either mode.
  scanner classic = {};
  // The mask list when the language is named and no masks are given, where
  // it is not `extensions`: the classic languages' own.
  const char* namedMasks = nullptr;
  embedding embeds = embedding::none;
};

// A row as the analysis reads by it, with its exact scanner compiled; the
// front ends see only its name and masks (languages.h).
struct languageEntry {
  const char* name;
  const char* defaultMasks;  // when the language is named and no masks are given
  scanner classic;  // the exact scanner where the classic rules never knew the language
  scanner exact;
  const languageRow* row;
  bool hasClassicRules;
};

// A row's rules as an object of their own: a template argument that names a
// subobject (Row.rules) is refused by some compilers (clang 14).
template <const languageRow& Row>
struct rulesOfRow {
  static constexpr exactRules rules = Row.rules;
};

// A row's default masks: its namedMasks, else its extensions and its file
// names, so that "-l CMake" takes CMakeLists.txt too.
template <const languageRow& Row>
struct rowDefaultMasks {
  static constexpr std::string_view extensions = Row.extensions;
  static constexpr std::string_view fileNames = Row.fileNames;
  static constexpr std::array<char, extensions.size() + 1 + fileNames.size() + 1> joined = [] {
    std::array<char, extensions.size() + 1 + fileNames.size() + 1> out{};
    size_t n = 0;
    for (char c : extensions) out[n++] = c;
    if (!extensions.empty() && !fileNames.empty()) out[n++] = ';';  // no empty mask, which
                                                                    // would take every file
    for (char c : fileNames) out[n++] = c;
    return out;
  }();
  static constexpr const char* text = Row.namedMasks != nullptr ? Row.namedMasks : joined.data();
};

template <const languageRow& Row>
constexpr languageEntry entryOf() {
  constexpr scanner exact = scannerOf<exactScanner<rulesOfRow<Row>::rules>>();
  const bool hasClassic = Row.classic.scanBuffer != nullptr;
  return {Row.name, rowDefaultMasks<Row>::text, hasClassic ? Row.classic : exact, exact, &Row,
          hasClassic};
}

// The index of a row is the language number every front end passes on; the
// first row is the default language. languageCount (languages.h) is its size.
// The table and languageCount are assembled from the families' rows as the
// program starts, before main(): no static initialiser of another file may
// read them (none does; a test's generator of rows runs later, in main()).
extern const std::span<const languageEntry> languageTable;

// The scanner of `language` by the rules a run asks for: the exact rules
// (-x) or the classic ones.
const scanner& rulesOf(const languageEntry& language, bool exact);

// The name of those rules, as reports give the run's mode.
const char* modeName(const languageEntry& language, bool exact);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
