#ifndef QUILLSTAT_ANALYSIS_LANGUAGES_H_
#define QUILLSTAT_ANALYSIS_LANGUAGES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// The languages as the front ends and the reports see them: numbers, names
// and masks. How each is read, its rules and scanners, is the analysis's own
// (language_table.h), and nothing of it comes through here.

// A language is a number below languageCount, its row of the language
// table; the first is the default language. Set as the program starts,
// before main(), with the table: no static initialiser may read it (none does).
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

// One comment form of a language: a line comment's opener, with no closer,
// or a block comment's opener and closer ("--[[" and "]]" for a delimited
// one, at its shortest).
struct commentForm {
  std::string opener;
  std::string closer;  // empty for a line comment
  bool nests = false;
};

// What the table says of a language, as `quillstat --languages` and the
// reference documents show it, each list in the row's order.
struct languageFacts {
  std::string name;
  std::vector<std::string> fileNames;  // its whole file names, then its masks: "Makefile", "*.mk"
  std::vector<std::string> interpreters;  // the programs a "#!" line names: "sh", "bash"
  std::vector<commentForm> comments;      // line, then block, then delimited comments
  std::string marks;                      // the statement marks, a byte each; empty: none
  // How its doc comments open: "///", "/**"; "docstrings", "POD" for the
  // hooks' (exact_rules.h, docRule). Empty: it counts none.
  std::vector<std::string> docComments;
};

// The facts of `language` (< languageCount).
languageFacts languageFactsOf(size_t language);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_LANGUAGES_H_
