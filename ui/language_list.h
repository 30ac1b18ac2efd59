#ifndef QUILLSTAT_UI_LANGUAGE_LIST_H_
#define QUILLSTAT_UI_LANGUAGE_LIST_H_

#include <string>

namespace quillstat {

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
