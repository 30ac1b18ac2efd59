#include "ui/quality_gate.h"

#include <charconv>

#include "report/figures.h"

namespace quillstat {

namespace {

// The shortest text that reads back as `value`: a limit shows as typed.
std::string shortest(double value) {
  char digits[32];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::vector<std::string> gateFailures(const gateLimits& limits, const fileStats& total) {
  std::vector<std::string> failures;
  const struct {
    const std::optional<double>& limit;
    double measured;
    const char* figure;
    const char* option;
  } percentages[] = {
      {limits.failUnder, commentPercent(total), "comment share", "--fail-under"},
      {limits.failUnderLines, commentLineDensity(total), "comment-line density",
       "--fail-under-lines"},
  };
  for (const auto& p : percentages) {
    if (!p.limit || asShown(p.measured) >= *p.limit) continue;
    std::string shown;
    appendSixDecimals(p.measured, &shown);
    failures.push_back(std::string(p.figure) + ": " + shown + "%, below " + p.option + " " +
                       shortest(*p.limit));
  }
  const int64_t words = total.todoWordsCount + total.fixmeWordsCount;
  if (limits.maxTodo && words > *limits.maxTodo) {
    failures.push_back("todo and fixme words: " + std::to_string(words) + ", above --max-todo " +
                       std::to_string(*limits.maxTodo));
  }
  return failures;
}

}  // namespace quillstat
