#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include "engine/scanner.h"

namespace quillstat {

// Everything the program knows of one language: adding a language is adding
// a row.
struct languageEntry {
  const char* name;          // as the command line and the window name it
  const char* defaultMasks;  // the mask list used when none is given
  scanner classic;           // the scanner of the classic rules
  scanner exact;             // the scanner of the exact rules (-x)
};

// The row index is the language number every front end passes on:
// 0 "C++", 1 "Delphi", 2 "Php", 3 "Java".
inline constexpr unsigned languageCount = 4;
extern const languageEntry languageTable[languageCount];

// The scanner of `language` by the rules a run asks for: the exact rules
// (-x) or the classic ones.
const scanner& rulesOf(const languageEntry& language, bool exact);

// The name of those rules, as reports give the run's mode.
const char* modeName(bool exact);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
