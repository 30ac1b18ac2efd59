#ifndef QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_
#define QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "analysis/language_table.h"

namespace quillstat {

// The compiled rows of the language table, written by family in the
// language_rows_*.cpp files (each row compiles an exact machine of its own,
// so a change to one row rebuilds its family's file only). Each row carries
// its place in the table, the language number: places are 0..N-1 across all
// families, each once, and never change, since reports list languages in
// that order. Adding a language touches its family's file only: its row,
// and its entry in that file's list with the place after the last one.

struct placedEntry {
  size_t position;  // its index in languageTable
  languageEntry entry;
};

// The entries of each family. They are constant-initialised (constinit):
// they hold their values before any code runs, whatever the order in which
// files are initialised.
extern const std::span<const placedEntry> cFamilyEntries;    // language_rows_c_family.cpp
extern const std::span<const placedEntry> scriptingEntries;  // language_rows_scripting.cpp
extern const std::span<const placedEntry> markupEntries;     // language_rows_markup.cpp
extern const std::span<const placedEntry> otherEntries;      // language_rows_others.cpp
extern const std::span<const placedEntry> webEntries;        // language_rows_web.cpp
extern const std::span<const placedEntry> systemsEntries;    // language_rows_systems.cpp
extern const std::span<const placedEntry> functionalEntries;  // language_rows_functional.cpp
extern const std::span<const placedEntry> compiledEntries;   // language_rows_compiled.cpp
extern const std::span<const placedEntry> documentsEntries;  // language_rows_documents.cpp
extern const std::span<const placedEntry> configEntries;     // language_rows_config.cpp

// Every family of the shipped table, C++'s first.
std::span<const std::span<const placedEntry>> shippedFamilies();

// The entries of `families` in the order of their positions, or nullopt
// unless the positions are exactly 0..N-1, each once (N the number of
// entries): a slip, two entries at one place or a gap, gives no table.
std::optional<std::vector<languageEntry>> tableByPosition(
    std::span<const std::span<const placedEntry>> families);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGE_ROWS_H_
