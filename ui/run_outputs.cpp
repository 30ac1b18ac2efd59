#include "ui/run_outputs.h"

#include <utility>

#include "engine/path_separator.h"
#include "report/report_writer.h"
#include "report/shown_name.h"
#include "ui/error_text.h"
#include "ui/terminal.h"

namespace quillstat {

namespace {

// The directory part of `path` ("." for a bare name) and the name in it.
std::pair<std::string, std::string> splitName(const std::string& path) {
  size_t end = path.size();
  while (end > 0 && !isPathSeparator(path[end - 1])) --end;
  return {end == 0 ? "." : path.substr(0, end), path.substr(end)};
}

// Whether the outputs `a` and `b` would be one regular file, which could
// hold only one of them: by identity when it exists ("r.txt" and "./r.txt",
// a hard link, the file standard output is redirected to), else by the
// directory and the name it would be created with. A device, FIFO, pipe or
// terminal takes the two one after the other (-o /dev/null --todo-list
// /dev/null).
bool sameRegularFile(const std::string& a, const std::string& b) {
  const std::optional<fileIdentity> first = reportTarget(a);
  const std::optional<fileIdentity> second = reportTarget(b);
  if (first || second) return first && second && first->regularFile && first->sameFileAs(*second);
  if (a == standardOutputName || b == standardOutputName) return false;
  const auto [firstDirectory, firstName] = splitName(a);
  const auto [secondDirectory, secondName] = splitName(b);
  if (firstName.empty() || firstName != secondName) return false;
  const std::optional<fileIdentity> directory = identifyFile(firstDirectory);
  const std::optional<fileIdentity> other = identifyFile(secondDirectory);
  return directory && other && directory->sameFileAs(*other);
}

}  // namespace

std::optional<fileIdentity> reportTarget(const std::string& output) {
  return output == standardOutputName ? identifyStandardOutput() : identifyFile(output);
}

bool openOutputs(const std::string& report, const std::optional<std::string>& todoList,
                 std::vector<runOutput>* outputs, std::ostream& errors) {
  outputs->clear();
  outputs->push_back({"report", report});
  if (todoList) outputs->push_back({"todo list", *todoList});
  if (outputs->size() == 2 && sameRegularFile((*outputs)[0].path, (*outputs)[1].path)) {
    const std::string report = shownName((*outputs)[0].path);
    const std::string list = shownName((*outputs)[1].path);
    errors << "quillstat: -o and --todo-list name the same file '" << report << "'"
           << (list == report ? "" : " (as '" + list + "')") << ": give each its own\n";
    return false;
  }
  bool opened = true;
  for (runOutput& out : *outputs) {
    ioError error;
    out.file = std::make_unique<reportFile>();
    if (!out.file->open(out.path, &error)) {
      errors << "quillstat: cannot write " << out.what << " '" << shownName(out.path)
             << "': " << errorText(error) << '\n';
      opened = false;
    }
  }
  return opened;
}

bool writeOutputs(const std::vector<runOutput>& outputs, const reportSettings& settings,
                  const analysisResult& result, std::ostream& errors) {
  bool refused = false;
  for (const runOutput& out : outputs) {
    if (!out.refused) continue;
    errors << "quillstat: will not write the " << out.what << " over '" << shownName(out.path)
           << "': it is one of the analysed files\n";
    refused = true;
  }
  if (refused) return false;
  auto fail = [&errors](const runOutput& out, const ioError& error) {
    errors << "quillstat: cannot write " << out.what << " '" << shownName(out.path)
           << "': " << errorText(error) << '\n';
    return false;
  };
  const todoListForm listForm =
      settings.format == reportFormat::json ? todoListForm::json : todoListForm::lines;
  for (bool direct : {false, true}) {
    for (const runOutput& out : outputs) {
      if (out.file->writesDirectly() != direct) continue;
      const bool isReport = &out == &outputs.front();
      ioError error;
      const bool written = isReport ? writeReport(*out.file, settings, result, &error)
                                    : writeTodoList(*out.file, listForm, result.todos, &error);
      if (!written || !out.file->finish(&error)) return fail(out, error);
    }
  }
  for (const runOutput& out : outputs) {
    ioError error;
    if (!out.file->commit(&error)) return fail(out, error);
  }
  return true;
}

}  // namespace quillstat
