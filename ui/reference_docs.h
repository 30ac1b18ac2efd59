#ifndef QUILLSTAT_UI_REFERENCE_DOCS_H_
#define QUILLSTAT_UI_REFERENCE_DOCS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// The facts of the hand-written documents, made from the tables: a
// document holds each generated section between two lines of its own,
//   <!-- generated: KEY -->
//   ...
//   <!-- end generated -->
// and the prose around them stays as it was written. The keys:
//   options        the README's table of options (option_table.h)
//   languages      the README's table of languages: names, file names and
//                  "#!" interpreters (language_table.h)
//   language NAME  the files, comments and statement marks of the language
//                  NAME, a paragraph per row of that name (docs/languages.md)

// The Markdown that goes between the marks of `key`, ending in a line end,
// or nullopt when no table makes `key`.
std::optional<std::string> generatedSection(std::string_view key);

struct filledDocument {
  std::string text;               // the document with its sections made anew
  std::vector<std::string> keys;  // the keys of its sections, in order
  // Empty, or why the document cannot be filled, naming the line:
  // "line 12: no end mark for 'options'".
  std::string error;
};

// `document` with every generated section replaced by what its key makes
// now. A start mark without its end, an end mark without its start, a start
// mark inside a section, and an unknown key are errors.
filledDocument fillGeneratedSections(std::string_view document);

// The names of the language table that no "language NAME" of `keys` names,
// in the table's order: a language added without its section.
std::vector<std::string> languagesWithoutSection(const std::vector<std::string>& keys);

// The rows of the HTML help's table of default masks, one per language
// name, "  <tr><td>C++</td><td><code>*.cpp;*.c</code></td></tr>", a line each.
std::string htmlMaskRows();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_REFERENCE_DOCS_H_
