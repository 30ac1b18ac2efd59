#ifndef QUILLSTAT_UI_LANGUAGE_LIST_H_
#define QUILLSTAT_UI_LANGUAGE_LIST_H_

#include <string>
#include <vector>

#include "analysis/language_table.h"

namespace quillstat {

// The facts of the language table (analysis/language_table.h) as
// `quillstat --languages` prints them and the reference documents show them.

// One comment form of a row: a line comment's opener, with no closer, or a
// block comment's opener and closer ("--[[" and "]]" for a delimited one,
// at its shortest).
struct commentForm {
  std::string opener;
  std::string closer;  // empty for a line comment
  bool nests = false;
};

// What a row says of its language, each list in the row's order.
struct languageFacts {
  std::string name;
  std::vector<std::string> fileNames;  // its whole file names, then its masks: "Makefile", "*.mk"
  std::vector<std::string> interpreters;  // the programs a "#!" line names: "sh", "bash"
  std::vector<commentForm> comments;      // line, then block, then delimited comments
  std::string marks;                      // the statement marks, a byte each; empty: none
};

languageFacts factsOf(const languageRow& row);

// What `quillstat --languages` prints: a line per row of the table, in its
// order (a language of two rows, as Fortran's two forms, has two), of five
// columns separated by a tab: the name; the whole file names and masks; the
// "#!" interpreters; the comments, a line comment as its opener ("//"), a
// block comment as "/*...*/", followed by "(nested)" when it nests; the
// statement marks. Within a column the items are separated by a blank;
// a column may be empty. UTF-8, LF line ends.
std::string languageList();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_LANGUAGE_LIST_H_
