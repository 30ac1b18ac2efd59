#ifndef QUILLSTAT_UI_QUALITY_GATE_H_
#define QUILLSTAT_UI_QUALITY_GATE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_stats.h"

namespace quillstat {

// The limits a run must keep; one that is not set never fails.
struct gateLimits {
  std::optional<double> failUnder;  // --fail-under: the least comment percentage, 0..100
  std::optional<double> failUnderLines;  // --fail-under-lines: the least comment-line density
  std::optional<int64_t> maxTodo;   // --max-todo: the most todo plus fixme words

  bool any() const { return failUnder || failUnderLines || maxTodo; }
};

// One line for each limit that `total` fails, naming the limit and the
// figure measured, without the program's name or a line end. Percentages
// are compared as the reports print them, to six decimals: a report that
// shows 50.000000 passes --fail-under 50.
std::vector<std::string> gateFailures(const gateLimits& limits, const fileStats& total);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_QUALITY_GATE_H_
