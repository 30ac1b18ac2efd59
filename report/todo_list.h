#ifndef QUILLSTAT_REPORT_TODO_LIST_H_
#define QUILLSTAT_REPORT_TODO_LIST_H_

#include <string>
#include <vector>

#include "engine/io_error.h"
#include "engine/word_places.h"

namespace quillstat {

class reportFile;

// How the todo list is written: one word a line, as compilers write their
// messages ("src/a.c:12:5: todo: /* TODO: check */", LF line ends, the
// path and the text as the bytes they are but the path's control bytes,
// escaped as shownName does), or as a JSON array (UTF-8) of
// objects with path (and pathBytes, as in the JSON report), line, column,
// word and text.
enum class todoListForm { lines, json };

// Appends one item as an element of the JSON array.
void appendTodoJson(const todoItem& item, std::string* out);

// Writes `todos` in `form` into `file`, opened and not yet committed: the
// caller commits it, or abandons it by destroying it. Returns false, with
// the reason in *error, when a write fails.
bool writeTodoList(reportFile& file, todoListForm form, const std::vector<todoItem>& todos,
                   ioError* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_TODO_LIST_H_
