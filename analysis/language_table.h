#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include <cstddef>
#include <span>

#include "engine/exact_rules.h"
#include "engine/exact_scanner.h"
#include "engine/scanner.h"

namespace quillstat {

// Everything the program knows of one language, as language_table.cpp
// writes it: adding a language is adding a row there.
struct languageRow {
  const char* name;        // as the command line and the window name it
  const char* extensions;  // the endings of its files' names, as a mask list: "*.go"
  const char* fileNames = "";     // whole names of its files, ';'-separated: "Makefile"
  const char* interpreters = "";  // the programs a "#!" first line names for it: "sh;bash"
  exactRules rules;               // the exact rules (exact_rules.h)
  // The scanner of the classic rules, for the languages they always knew;
  // the others are read by their exact rules in either mode.
  scanner classic = {};
  // The mask list when the language is named and no masks are given, where
  // it is not `extensions`: the classic languages' own.
  const char* namedMasks = nullptr;
};

// A row as the front ends use it, with its exact scanner compiled.
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

template <const languageRow& Row>
constexpr languageEntry entryOf() {
  constexpr scanner exact = scannerOf<exactScanner<rulesOfRow<Row>::rules>>();
  const bool hasClassic = Row.classic.scanBuffer != nullptr;
  return {Row.name, Row.namedMasks != nullptr ? Row.namedMasks : Row.extensions,
          hasClassic ? Row.classic : exact, exact, &Row, hasClassic};
}

// The index of a row is the language number every front end passes on; the
// first row is the default language.
extern const std::span<const languageEntry> languageTable;
extern const size_t languageCount;  // languageTable.size()

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
