#ifndef QUILLSTAT_UI_RUN_OUTPUTS_H_
#define QUILLSTAT_UI_RUN_OUTPUTS_H_

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/analysis_result.h"
#include "report/report_file.h"
#include "report/report_settings.h"
#include "report/todo_list.h"
#include "ui/file_identity.h"

namespace quillstat {

// What a run writes: the report first, and the todo list when asked for.
struct runOutput {
  const char* what;  // as the messages name it: "report", "todo list"
  std::string path;
  std::unique_ptr<reportFile> file = nullptr;  // opened by openOutputs
  bool refused = false;  // it would overwrite an input
};

// The file the report will replace or write into, if it is one: a report on
// standard output redirected to a file is that file.
std::optional<fileIdentity> reportTarget(const std::string& output);

// Sets *outputs to the report at `report` and the todo list at `todoList`,
// when asked for, and opens them, refusing -o and --todo-list that name one
// regular file. A run opens them before it reads any source, so that one
// that cannot write ends at once and leaves the earlier files as they were.
// Says each problem on `errors`.
bool openOutputs(const std::string& report, const std::optional<std::string>& todoList,
                 std::vector<runOutput>* outputs, std::ostream& errors);

// Writes the outputs, all or none as far as the system allows: the
// temporary files are written and flushed first, then what goes straight to
// its target (standard output, a device, a FIFO, a linked report), which
// cannot be taken back, and only when all of it succeeded are the temporary
// files renamed into place. A rename that fails after the other succeeded
// (the directory changed meanwhile, say) leaves the report new and the todo
// list old; nothing else can part them. With a refused output nothing is
// written. The todo list is JSON beside a JSON report, else lines. Says each
// problem on `errors`.
bool writeOutputs(const std::vector<runOutput>& outputs, const reportSettings& settings,
                  const analysisResult& result, std::ostream& errors);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_RUN_OUTPUTS_H_
