#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include "engine/exact_rules.h"
#include "engine/exact_scanner.h"
#include "engine/scanner.h"

namespace quillstat {

// Everything the program knows of one language, as language_table.cpp
// writes it: adding a language is adding a row there.
struct languageRow {
  const char* name;          // as the command line and the window name it
  const char* defaultMasks;  // the mask list used when none is given
  exactRules rules;          // the exact rules (exact_rules.h)
  // The scanner of the classic rules, for the languages they always knew;
  // the others are read by their exact rules in either mode.
  scanner classic = {};
};

// A row as the front ends use it, with its exact scanner compiled.
struct languageEntry {
  const char* name;
  const char* defaultMasks;
  scanner classic;  // the exact scanner where the classic rules never knew the language
  scanner exact;
  const exactRules* rules;
  bool hasClassicRules;
};

template <const languageRow& Row>
constexpr languageEntry entryOf() {
  constexpr scanner exact = scannerOf<exactScanner<Row.rules>>();
  const bool hasClassic = Row.classic.scanBuffer != nullptr;
  return {Row.name, Row.defaultMasks, hasClassic ? Row.classic : exact, exact, &Row.rules,
          hasClassic};
}

// The row index is the language number every front end passes on; the
// first row is the default language.
inline constexpr unsigned languageCount = 5;
extern const languageEntry languageTable[languageCount];

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
