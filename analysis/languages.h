#ifndef QUILLSTAT_ANALYSIS_LANGUAGES_H_
#define QUILLSTAT_ANALYSIS_LANGUAGES_H_

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillstat {

// The languages as the front ends and the reports see them: numbers, names
// and masks. How each is read, its rules and scanners, is the analysis's own
// (language_table.h), and nothing of it comes through here.

// A language is a number below languageCount, its row of the language
// table; the first is the default language.
extern const size_t languageCount;

// The name of `language` (< languageCount) as the command line, the window
// and the reports give it. The rows of one language read in two ways share
// it ("Fortran", fixed and free form).
const char* languageName(size_t language);

// The masks of a run that names `language` (< languageCount) and gives none.
const char* languageDefaultMasks(size_t language);

// The first language whose name is exactly `name`, which is the one -l
// takes and the one reports total the rows of that name under; nullopt when
// no row has that name.
std::optional<unsigned> languageNamed(std::string_view name);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGES_H_
