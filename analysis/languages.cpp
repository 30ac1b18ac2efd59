#include "analysis/languages.h"

#include "analysis/language_table.h"

namespace quillstat {

const char* languageName(size_t language) { return languageTable[language].name; }

const char* languageDefaultMasks(size_t language) { return languageTable[language].defaultMasks; }

std::optional<unsigned> languageNamed(std::string_view name) {
  for (size_t row = 0; row < languageCount; ++row) {
    if (name == languageTable[row].name) return static_cast<unsigned>(row);
  }
  return std::nullopt;
}

}  // namespace quillstat
