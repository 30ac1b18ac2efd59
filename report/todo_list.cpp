#include "report/todo_list.h"

#include "report/figures.h"
#include "report/json_text.h"
#include "report/report_file.h"
#include "report/shown_name.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

// The list goes to the file in pieces of about this size.
constexpr size_t kChunkSize = 64 * 1024;

// A name with a line end in it would forge entries of its own, for the
// editors and CI jobs that read the list; the text has no control bytes.
void appendLine(const todoItem& item, std::string* out) {
  appendShownName(item.path, out);
  out->push_back(':');
  appendInt(item.line, out);
  out->push_back(':');
  appendInt(item.column, out);
  out->append(": ");
  out->append(wordName(item.kind));
  out->append(": ");
  out->append(item.text);
  out->push_back('\n');
}

}  // namespace

void appendTodoJson(const todoItem& item, std::string* out) {
  out->push_back('{');
  appendJsonPath(item.path, out);
  out->append(", \"line\": ");
  appendInt(item.line, out);
  out->append(", \"column\": ");
  appendInt(item.column, out);
  out->append(", \"word\": \"");
  out->append(wordName(item.kind));
  out->append("\", \"text\": ");
  appendJsonString(item.text, out);
  out->push_back('}');
}

bool writeTodoList(reportFile& file, todoListForm form, const std::vector<todoItem>& todos,
                   ioError* error) {
  const bool json = form == todoListForm::json;
  std::string chunk = json ? "[" : "";
  std::string element;
  for (size_t i = 0; i < todos.size(); ++i) {
    if (json) {
      element = i == 0 ? "\n  " : ",\n  ";
      appendTodoJson(todos[i], &element);
      appendValidUtf8(element, &chunk);
      element.clear();
    } else {
      appendLine(todos[i], &chunk);
    }
    if (chunk.size() >= kChunkSize) {
      if (!file.write(chunk.data(), chunk.size(), error)) return false;
      chunk.clear();
    }
  }
  if (json) chunk.append(todos.empty() ? "]\n" : "\n]\n");
  return file.write(chunk.data(), chunk.size(), error);
}

}  // namespace quillstat
