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
  if (limits.failUnder && asShown(commentPercent(total)) < *limits.failUnder) {
    std::string shown;
    appendSixDecimals(commentPercent(total), &shown);
    failures.push_back("comment share: " + shown + "%, below --fail-under " +
                       shortest(*limits.failUnder));
  }
  const int64_t words = total.todoWordsCount + total.fixmeWordsCount;
  if (limits.maxTodo && words > *limits.maxTodo) {
    failures.push_back("todo and fixme words: " + std::to_string(words) + ", above --max-todo " +
                       std::to_string(*limits.maxTodo));
  }
  return failures;
}

}  // namespace quillstat
