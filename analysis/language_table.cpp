#include "analysis/language_table.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/language_rows.h"

namespace quillstat {

namespace {

const std::span<const placedEntry> kFamilies[] = {cFamilyEntries, scriptingEntries, markupEntries,
                                                  otherEntries, webEntries, systemsEntries,
                                                  functionalEntries, compiledEntries,
                                                  documentsEntries, configEntries};

std::vector<languageEntry> shippedTable() {
  std::optional<std::vector<languageEntry>> table = tableByPosition(shippedFamilies());
  // A programmer's slip that the table's test catches first; should a build
  // skip the tests, it still must not run with a language missing or moved.
  if (!table) {
    std::fputs("quillstat: the language rows' positions are not 0..N-1, each once\n", stderr);
    std::abort();
  }
  return *std::move(table);
}

// Assembled as the program starts: dynamic initialisation, since no other
// file's constants can make up a constant here.
const std::vector<languageEntry> kEntries = shippedTable();

}  // namespace

std::span<const std::span<const placedEntry>> shippedFamilies() { return kFamilies; }

std::optional<std::vector<languageEntry>> tableByPosition(
    std::span<const std::span<const placedEntry>> families) {
  size_t count = 0;
  for (std::span<const placedEntry> family : families) count += family.size();
  std::vector<const languageEntry*> at(count, nullptr);
  for (std::span<const placedEntry> family : families) {
    for (const placedEntry& placed : family) {
      if (placed.position >= count || at[placed.position] != nullptr) return std::nullopt;
      at[placed.position] = &placed.entry;
    }
  }
  // count entries in count places, none twice: every place is taken.
  std::vector<languageEntry> table;
  table.reserve(count);
  for (const languageEntry* entry : at) table.push_back(*entry);
  return table;
}

const std::span<const languageEntry> languageTable = kEntries;
const size_t languageCount = kEntries.size();

// A language the classic rules never knew is read by its exact rules in
// either mode.
const scanner& rulesOf(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? language.exact : language.classic;
}

const char* modeName(const languageEntry& language, bool exact) {
  return exact || !language.hasClassicRules ? "exact" : "classic";
}

}  // namespace quillstat
