#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include <memory>

#include "engine/find_comment_base.h"

namespace quillstat {

// Makes a new comment finder.
using finderMaker = std::unique_ptr<findCommentBase> (*)();

// One language the program knows: its display name, its default mask list,
// and its finders for the classic rules and for the exact ones (-x).
struct languageEntry {
  const char* name;
  const char* defaultMasks;
  finderMaker classic;
  finderMaker exact;
};

// The row index is the language number every front end passes on:
// 0 "C++", 1 "Delphi", 2 "Php", 3 "Java".
inline constexpr unsigned languageCount = 4;
extern const languageEntry languageTable[languageCount];

// A new comment finder for the language row, by the exact rules when
// `exact`, or null for a row above the last one. Under the classic rules
// Java has no finder of its own: it is scanned as C++.
std::unique_ptr<findCommentBase> makeFinder(unsigned languageIndex, bool exact);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
