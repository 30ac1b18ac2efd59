#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_

#include <memory>

#include "engine/find_comment_base.h"

namespace quillstat {

// One language the program knows: its display name and default mask list.
struct languageEntry {
  const char* name;
  const char* defaultMasks;
};

// The row index is the language number every front end passes on:
// 0 "C++", 1 "Delphi", 2 "Php", 3 "Java".
inline constexpr unsigned languageCount = 4;
extern const languageEntry languageTable[languageCount];

// A new comment finder for the language row, or null for a row above the
// last one. Java has no finder of its own: it is scanned as C++.
std::unique_ptr<findCommentBase> makeFinder(unsigned languageIndex);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_TABLE_H_
